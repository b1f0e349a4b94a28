// The device file distribution's table and copy chain, with the copies
// recorded instead of made.
#include <gtest/gtest.h>

#include <set>

#include "device_table.h"
#include "sequence.h"

namespace {

using Lines = std::vector<std::string>;

// Records every copy as "source > destination"; the copy of a source in
// `failing` fails.
struct Recorder {
    std::set<std::string> folders;
    std::set<std::string> failing;
    Lines copies;
    DistributionResult Run(int version, const std::string& base = "B", int n = 12)
    {
        DistributionSteps steps;
        steps.copy = [this](const std::string& source, const std::string& destination) {
            copies.push_back(source + " > " + destination);
            return failing.count(destination) == 0;
        };
        steps.folderExists = [this](const std::string& folder) { return folders.count(folder) != 0; };
        return RunDistribution("H", base, version, n, steps);
    }
};

const std::set<std::string> kAllFolders = {"B\\Egret",  "B\\Avocet", "B\\Robin",  "B\\Merlin",
                                           "B\\Godwit", "B\\Curlew", "B\\Shrike", "B\\Osprey"};

// Every copy of a run with every block on, in order, for interface 12.
const Lines kEveryCopy = {
    "RILO_CACHE\\pvo_fo.tsk > B\\Heron\\Files\\CF\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Heron\\riloHeron.dll > B\\Heron\\Files\\CF\\Corvane\\Etc\\riloHeron.dll",
    "pvo_fo.ini > B\\Heron\\Files\\CF\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Win32\\Files\\Corvane\\Hux\\Pos\\Etc\\pms12.tsk",
    "RILO_CACHE\\WIN32\\rilo_lib.dll > B\\Win32\\Files\\Corvane\\Hux\\Pos\\Etc\\rilo_lib.dll",
    "pvo_fo.ini > B\\Win32\\Files\\Corvane\\Hux\\Pos\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Plover\\Files\\CF\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Heron\\riloHeron.dll > B\\Plover\\Files\\CF\\Corvane\\Etc\\riloHeron.dll",
    "pvo_fo.ini > B\\Plover\\Files\\CF\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Egret\\Files\\CF\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Heron\\riloHeron.dll > B\\Egret\\Files\\CF\\Corvane\\Etc\\riloHeron.dll",
    "pvo_fo.ini > B\\Egret\\Files\\CF\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Avocet\\Files\\CF\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Heron\\riloHeron.dll > B\\Avocet\\Files\\CF\\Corvane\\Etc\\riloHeron.dll",
    "pvo_fo.ini > B\\Avocet\\Files\\CF\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Linnet\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Siskin\\riloCE.dll > B\\Linnet\\Corvane\\Etc\\riloCE.dll",
    "RILO_CACHE\\Siskin\\preheat.exe > B\\Linnet\\Corvane\\bin\\preheat.exe",
    "RILO_CACHE\\Siskin\\preheat.lnk > B\\Linnet\\Windows\\Startup\\preheat.lnk",
    "pvo_fo.ini > B\\Linnet\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Robin\\Files\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Siskin\\riloCE.dll > B\\Robin\\Files\\Corvane\\Etc\\riloCE.dll",
    "pvo_fo.ini > B\\Robin\\Files\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Merlin\\Files\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Siskin\\riloCE.dll > B\\Merlin\\Files\\Corvane\\Etc\\riloCE.dll",
    "pvo_fo.ini > B\\Merlin\\Files\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Godwit\\Files\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Siskin\\riloCE.dll > B\\Godwit\\Files\\Corvane\\Etc\\riloCE.dll",
    "pvo_fo.ini > B\\Godwit\\Files\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Curlew\\Files\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Siskin\\riloCE.dll > B\\Curlew\\Files\\Corvane\\Etc\\riloCE.dll",
    "pvo_fo.ini > B\\Curlew\\Files\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Shrike\\Files\\ResidentFlash\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Shrike\\riloCE5.dll > B\\Shrike\\Files\\ResidentFlash\\Corvane\\Etc\\riloCE5.dll",
    "pvo_fo.ini > B\\Shrike\\Files\\ResidentFlash\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > B\\Osprey\\Files\\STORE\\Corvane\\Etc\\pms12.tsk",
    "RILO_CACHE\\Osprey\\riloEC7.dll > B\\Osprey\\Files\\STORE\\Corvane\\Etc\\riloEC7.dll",
    "pvo_fo.ini > B\\Osprey\\Files\\STORE\\Corvane\\Etc\\pvo_fo.ini",
    "RILO_CACHE\\pvo_fo.tsk > H\\Etc\\pms12.tsk",
};

TEST(DeviceTable, EveryBlockInOrderWithTheLocalCopyLast)
{
    Recorder r;
    r.folders = kAllFolders;
    const DistributionResult result = r.Run(500);
    EXPECT_TRUE(SameSequence(kEveryCopy, r.copies));
    EXPECT_TRUE(result.success);
    EXPECT_EQ("Heron, Win32, Plover, Egret, Avocet, Siskin, Robin, Merlin, Godwit, Curlew, Shrike, Osprey",
              result.deviceList);
}

struct GateCase {
    int version;
    std::set<std::string> folders;
    const char* deviceList;
};

TEST(DeviceTable, VersionsAndFoldersOpenTheGates)
{
    for (const GateCase& c : {
             GateCase{399, kAllFolders, "Heron, Siskin"},
             GateCase{400, kAllFolders, "Heron, Win32, Siskin"},
             GateCase{409, kAllFolders, "Heron, Win32, Siskin"},
             GateCase{410, {}, "Heron, Win32, Plover, Siskin"},
             GateCase{410, {"B\\Avocet", "B\\Curlew"}, "Heron, Win32, Plover, Avocet, Siskin, Curlew"},
             GateCase{499, kAllFolders, "Heron, Win32, Plover, Egret, Avocet, Siskin, Robin, Merlin, Godwit, Curlew"},
             GateCase{500, {"B\\Osprey"}, "Heron, Win32, Plover, Siskin, Osprey"},
             // A folder of another case is another folder.
             GateCase{500, {"B\\EGRET2", "B\\Shrike\\x"}, "Heron, Win32, Plover, Siskin"},
         }) {
        SCOPED_TRACE(std::to_string(c.version) + " " + c.deviceList);
        Recorder r;
        r.folders = c.folders;
        const DistributionResult result = r.Run(c.version);
        EXPECT_TRUE(result.success);
        EXPECT_EQ(c.deviceList, result.deviceList);
        EXPECT_EQ("RILO_CACHE\\pvo_fo.tsk > H\\Etc\\pms12.tsk", r.copies.back());
    }
}

TEST(DeviceTable, TheFirstFailedCopyEndsTheChainButNotTheLocalCopy)
{
    Recorder r;
    r.folders = kAllFolders;
    r.failing = {"B\\Heron\\Files\\CF\\Corvane\\Etc\\riloHeron.dll"};
    const DistributionResult result = r.Run(500);
    EXPECT_TRUE(SameSequence({kEveryCopy[0], kEveryCopy[1], kEveryCopy.back()}, r.copies));
    EXPECT_FALSE(result.success);
    EXPECT_EQ("", result.deviceList);
}

TEST(DeviceTable, AFailureInTheLastBlockLeavesItOffTheList)
{
    Recorder r;
    r.folders = kAllFolders;
    r.failing = {"B\\Osprey\\Files\\STORE\\Corvane\\Etc\\pvo_fo.ini"};
    const DistributionResult result = r.Run(500);
    EXPECT_TRUE(SameSequence(kEveryCopy, r.copies));
    EXPECT_FALSE(result.success);
    EXPECT_EQ("Heron, Win32, Plover, Egret, Avocet, Siskin, Robin, Merlin, Godwit, Curlew, Shrike",
              result.deviceList);
}

TEST(DeviceTable, WithoutABaseFolderOnlyTheLocalCopy)
{
    Recorder r;
    r.folders = kAllFolders;
    DistributionResult result = r.Run(500, "", 7);
    EXPECT_TRUE(SameSequence({"RILO_CACHE\\pvo_fo.tsk > H\\Etc\\pms7.tsk"}, r.copies));
    EXPECT_TRUE(result.success);
    EXPECT_EQ("", result.deviceList);

    Recorder failing;
    failing.failing = {"H\\Etc\\pms7.tsk"};
    EXPECT_FALSE(failing.Run(500, "", 7).success);
    // A failed local copy fails a run whose blocks all succeeded.
    Recorder local;
    local.failing = {"H\\Etc\\pms12.tsk"};
    result = local.Run(399);
    EXPECT_FALSE(result.success);
    EXPECT_EQ("Heron, Siskin", result.deviceList);
}

TEST(DeviceTable, TheScriptIsNamedAfterTheInterface)
{
    EXPECT_EQ("pms12.tsk", ScriptName(12));
    EXPECT_EQ("pms1.tsk", ScriptName(1));
    EXPECT_EQ("pms2147483647.tsk", ScriptName(2147483647));
}

}  // namespace
