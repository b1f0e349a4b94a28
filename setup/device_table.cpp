#include "device_table.h"

const char* const kCachedScript = "RILO_CACHE\\pvo_fo.tsk";

namespace {

const char* const kSettings = "pvo_fo.ini";

// Script, library, settings: the copies of every folder but the handhelds'.
std::vector<DeviceCopy> EtcCopies(const std::string& etc, const std::string& library, const std::string& target,
                                  const std::string& script)
{
    return {{kCachedScript, etc + script}, {library, etc + target}, {kSettings, etc + kSettings}};
}

}  // namespace

std::string ScriptName(int interfaceObjNum) { return "pms" + std::to_string(interfaceObjNum) + ".tsk"; }

std::vector<DeviceBlock> DeviceBlocks(int n)
{
    const std::string script = ScriptName(n);
    const std::string heron = "RILO_CACHE\\Heron\\riloHeron.dll";
    const std::string siskin = "RILO_CACHE\\Siskin\\riloCE.dll";
    auto workstation = [&](const std::string& name, int version, const std::string& folder) {
        return DeviceBlock{", " + name, version, folder,
                           EtcCopies("\\" + name + "\\Files\\CF\\Corvane\\Etc\\", heron, "riloHeron.dll", script)};
    };
    auto pocket = [&](const std::string& name) {
        return DeviceBlock{", " + name, 410, "\\" + name,
                           EtcCopies("\\" + name + "\\Files\\Corvane\\Etc\\", siskin, "riloCE.dll", script)};
    };
    const std::string linnet = "\\Linnet\\Corvane\\Etc\\";
    return {
        DeviceBlock{"Heron", 0, "", EtcCopies("\\Heron\\Files\\CF\\Corvane\\Etc\\", heron, "riloHeron.dll", script)},
        DeviceBlock{", Win32", 400, "",
                    EtcCopies("\\Win32\\Files\\Corvane\\Hux\\Pos\\Etc\\", "RILO_CACHE\\WIN32\\rilo_lib.dll",
                              "rilo_lib.dll", script)},
        workstation("Plover", 410, ""),
        workstation("Egret", 410, "\\Egret"),
        workstation("Avocet", 410, "\\Avocet"),
        DeviceBlock{", Siskin", 0, "",
                    {{kCachedScript, linnet + script},
                     {siskin, linnet + "riloCE.dll"},
                     {"RILO_CACHE\\Siskin\\preheat.exe", "\\Linnet\\Corvane\\bin\\preheat.exe"},
                     {"RILO_CACHE\\Siskin\\preheat.lnk", "\\Linnet\\Windows\\Startup\\preheat.lnk"},
                     {kSettings, linnet + kSettings}}},
        pocket("Robin"),
        pocket("Merlin"),
        pocket("Godwit"),
        pocket("Curlew"),
        DeviceBlock{", Shrike", 500, "\\Shrike",
                    EtcCopies("\\Shrike\\Files\\ResidentFlash\\Corvane\\Etc\\", "RILO_CACHE\\Shrike\\riloCE5.dll",
                              "riloCE5.dll", script)},
        DeviceBlock{", Osprey", 500, "\\Osprey",
                    EtcCopies("\\Osprey\\Files\\STORE\\Corvane\\Etc\\", "RILO_CACHE\\Osprey\\riloEC7.dll",
                              "riloEC7.dll", script)},
    };
}

DistributionResult RunDistribution(const std::string& huxRootDir, const std::string& baseDir, int posVersion,
                                   int interfaceObjNum, const DistributionSteps& steps)
{
    DistributionResult result;
    if (!baseDir.empty()) {
        // The chain: once a copy fails, no further gate opens and no block runs.
        bool chain = true;
        const std::vector<DeviceBlock> blocks = DeviceBlocks(interfaceObjNum);
        for (size_t i = 0; i < blocks.size(); ++i) {
            const DeviceBlock& block = blocks[i];
            if (!chain)
                break;
            if (posVersion < block.minVersion)
                continue;
            if (!block.folder.empty() && !steps.folderExists(baseDir + block.folder))
                continue;
            for (const DeviceCopy& copy : block.copies) {
                chain = steps.copy(copy.source, baseDir + copy.destination);
                if (!chain)
                    break;
            }
            if (!chain)
                break;
            // The first block names the list; the others add to it.
            result.deviceList = i == 0 ? block.listText : result.deviceList + block.listText;
        }
        result.success = chain;
    }
    if (!steps.copy(kCachedScript, huxRootDir + "\\Etc\\" + ScriptName(interfaceObjNum)))
        result.success = false;
    return result;
}
