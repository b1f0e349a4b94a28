// The setup program tried as a hostile installer would: two installations at
// once, full disks, names the platform cannot take, values that would break
// the settings file's lines. Nothing may be lost, reported done when it was
// not, or written where it does not belong.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "demo_settings.h"
#include "form_steps.h"
#include "program_watch.h"
#include "setup_run.h"

namespace {

using Strings = std::vector<std::string>;

std::string JoinedLines(Strings::const_iterator first, Strings::const_iterator last)
{
    std::string text;
    for (; first != last; ++first)
        text += *first + "\r\n";
    return text;
}

// The settings file after a first start: the tax keys, then a section of the
// installer's own that the program does not know.
std::string TaxKeysAnd(const std::string& own)
{
    return JoinedLines(kDemoInstallFile.begin(), kDemoInstallFile.begin() + 10) + "[CUSTOM]\r\n" + own + "\r\n";
}

// Read as a polite reader would: letting writers replace the file meanwhile.
std::string ReadShared(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(not opened)";
    std::string text(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    if (!text.empty())
        ReadFile(file, &text[0], static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(file);
    return text.substr(0, read);
}

Strings FolderNames(const std::string& folder)
{
    Strings names;
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &data))
        if (std::string(data.cFileName) != "." && std::string(data.cFileName) != "..")
            names.push_back(data.cFileName);
    if (find != INVALID_HANDLE_VALUE)
        FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

WatchResult RunInstall()
{
    WatchOptions options;
    options.commandLine = "rilo_setup.exe /install";
    options.mainCaption = "Zenta Pellisto Rilo Setup V.";
    return WatchProgram(options);
}

// The test's current folder, empty, for the time of the test.
class EmptyCurrentFolder {
public:
    EmptyCurrentFolder() : folder_(TempFolder())
    {
        GetCurrentDirectoryA(MAX_PATH, saved_);
        SetCurrentDirectoryA(folder_.c_str());
    }
    ~EmptyCurrentFolder()
    {
        SetCurrentDirectoryA(saved_);
        RemoveTree(folder_);
    }
    Strings Names() const { return FolderNames(folder_); }

private:
    std::string folder_;
    char saved_[MAX_PATH] = "";
};

TEST(Hostile, TwoInstallationsAtOnceLoseNoKeyAndNeverShowAPartFile)
{
    TestInstallation installation;
    const std::string start = TaxKeysAnd("MINE=kept");
    // A run alone first: it creates the stored procedure and gives the file
    // that every later run must leave.
    installation.WriteIni(start);
    ASSERT_EQ(0u, RunInstall().exitCode);
    const std::string saved = ReadTextFile(installation.IniPath());
    Strings expected = kDemoInstallFile;
    expected.insert(expected.begin() + 17, {"[CUSTOM]", "MINE=kept"});
    ASSERT_EQ(expected, WithoutBlankLines(installation.IniLines()));

    int reads = 0;
    Strings partial;
    for (int round = 0; round < 4; ++round) {
        installation.WriteIni(start);
        PROCESS_INFORMATION runs[2] = {};
        for (PROCESS_INFORMATION& run : runs) {
            STARTUPINFOA startup = {};
            startup.cb = sizeof startup;
            std::string commandLine = "rilo_setup.exe /install";
            ASSERT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                       &run));
        }
        const HANDLE both[] = {runs[0].hProcess, runs[1].hProcess};
        // Readers meanwhile see the file before or after a save, never a part.
        while (WaitForMultipleObjects(2, both, TRUE, 1) == WAIT_TIMEOUT) {
            const std::string seen = ReadShared(installation.IniPath());
            ++reads;
            if (seen != start && seen != saved)
                partial.push_back(seen);
        }
        for (PROCESS_INFORMATION& run : runs) {
            DWORD code = 99;
            GetExitCodeProcess(run.hProcess, &code);
            EXPECT_EQ(0u, code) << "round " << round;
            CloseHandle(run.hProcess);
            CloseHandle(run.hThread);
        }
        EXPECT_EQ(saved, ReadTextFile(installation.IniPath())) << "round " << round;
        EXPECT_EQ(Strings{"PVO_FO.INI"}, FolderNames(installation.Root() + "\\ETC"));
    }
    EXPECT_TRUE(partial.empty()) << partial.size() << " of " << reads << " reads, first:\n" << partial.front();
}

// A small file system of the test's own (mounted by the test's fixture) as
// the program sees it; empty where the machine allowed no mount.
std::string SmallDisk()
{
    const char* mounted = getenv("RILO_SMALL_DISK");
    if (!mounted)
        return "";
    std::string path = std::string("Z:") + mounted;
    std::replace(path.begin(), path.end(), '/', '\\');
    ULARGE_INTEGER total = {};
    if (!GetDiskFreeSpaceExA((path + "\\").c_str(), nullptr, &total, nullptr) || total.QuadPart > 16u << 20)
        return "";
    return path;
}

// The small disk filled up, and emptied again at the end of the test.
class FullDisk {
public:
    explicit FullDisk(std::string disk) : disk_(std::move(disk)) {}
    ~FullDisk()
    {
        DeleteFileA((disk_ + "\\filler").c_str());
        for (const std::string& name : FolderNames(disk_))
            RemoveTree(disk_ + "\\" + name);
    }
    const std::string& Path() const { return disk_; }
    void Fill() const
    {
        const HANDLE file = CreateFileA((disk_ + "\\filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        const std::string block(4096, 'f');
        DWORD written = 0;
        while (WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, nullptr) &&
               written == block.size())
            ;
        CloseHandle(file);
    }

private:
    std::string disk_;
};

#define SMALL_DISK_OR_SKIP(disk)                                                                  \
    const std::string disk = SmallDisk();                                                         \
    if (disk.empty())                                                                             \
        GTEST_SKIP() << "no small file system of the test's own: mounting a tmpfs was refused here";

TEST(HostileDisk, AFullDiskLeavesTheSettingsFileAsItWas)
{
    SMALL_DISK_OR_SKIP(disk);
    TestInstallation installation;
    const FullDisk full(disk);
    const std::string root = disk + "\\hux";
    MakeFolders(root + "\\ETC");
    // The keys that a save adds make the file outgrow its block.
    const std::string before = TaxKeysAnd("NOTE=" + std::string(3800, 'n'));
    WriteTextFile(root + "\\ETC\\PVO_FO.INI", before);
    full.Fill();
    SetEnvironmentVariableA("HUXROOTDIR", root.c_str());
    const WatchResult result = RunInstall();
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(4u, result.exitCode);
    ASSERT_EQ(1u, result.boxes.size());
    EXPECT_EQ("Unable to write to " + root + "\\ETC\\PVO_FO.INI.", result.boxes[0].text);
    EXPECT_EQ(before, ReadTextFile(root + "\\ETC\\PVO_FO.INI"));
    EXPECT_EQ(Strings{"PVO_FO.INI"}, FolderNames(root + "\\ETC"));
}

TEST(HostileDisk, ACopyThatDoesNotFitLeavesThePreviousFile)
{
    SMALL_DISK_OR_SKIP(disk);
    StartedRun r;
    const FullDisk full(disk);
    const std::string cached = "RILO_CACHE\\Heron\\riloHeron.dll";
    MakeFolders(r.installation.Root() + "\\etc\\RILO_CACHE\\Heron");
    WriteTextFile(r.installation.Root() + "\\etc\\" + cached, std::string(64 << 10, 'n'));
    const std::string target = disk + "\\Etc\\riloHeron.dll";
    MakeFolders(disk + "\\Etc");
    WriteTextFile(target, "previous build");
    full.Fill();
    EXPECT_FALSE(r.m()->CopySetupFile(cached, target));
    EXPECT_EQ("previous build", ReadTextFile(target));
    EXPECT_EQ(Strings{"riloHeron.dll"}, FolderNames(disk + "\\Etc"));
    EXPECT_EQ(r.installation.Root() + "\\etc\\" + cached + " cannot be copied to " + target,
              ItemTexts(HintBox->reMemo->Lines()).back());
}

TEST(HostileNames, ASettingsPathBeyondThePlatformsLengthWritesNothingAnywhere)
{
    TestInstallation installation;
    const EmptyCurrentFolder current;
    // The folder exists; the settings file's full path has 260 characters.
    const std::string root = installation.Root() + "\\" + std::string(MAX_PATH - installation.Root().size() - 16, 'r');
    MakeFolders(root + "\\ETC");
    ASSERT_EQ(static_cast<size_t>(MAX_PATH), (root + "\\ETC\\PVO_FO.INI").size());
    SetEnvironmentVariableA("HUXROOTDIR", root.c_str());
    const WatchResult result = RunInstall();
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(4u, result.exitCode);
    ASSERT_EQ(1u, result.boxes.size());
    EXPECT_EQ("Unable to write to " + root + "\\ETC\\PVO_FO.INI.", result.boxes[0].text);
    EXPECT_EQ(Strings{}, current.Names());
    EXPECT_EQ(Strings{}, FolderNames(root + "\\ETC"));
}

TEST(HostileNames, DestinationsThatCannotTakeTheFileAreFailedCopies)
{
    StartedRun r;
    const EmptyCurrentFolder current;
    const std::string cached = "RILO_CACHE\\pvo_fo.tsk";
    MakeFolders(r.installation.Root() + "\\etc\\RILO_CACHE");
    WriteTextFile(r.installation.Root() + "\\etc\\" + cached, "script");
    const std::string base = TempFolder();
    MakeFolders(base + "\\Heron\\pms5.tsk");  // a folder where the file should go
    for (const std::string& target :
         {base + "\\Heron\\pms5.tsk", base + "\\He?on\\pms5.tsk", base + "\\*\\pms5.tsk"}) {
        EXPECT_FALSE(r.m()->CopySetupFile(cached, target)) << target;
        EXPECT_EQ(r.installation.Root() + "\\etc\\" + cached + " cannot be copied to " + target,
                  ItemTexts(HintBox->reMemo->Lines()).back());
    }
    EXPECT_EQ(Strings{}, current.Names());
    EXPECT_EQ(Strings{"Heron"}, FolderNames(base));
    EXPECT_EQ(Strings{}, FolderNames(base + "\\Heron\\pms5.tsk"));
    RemoveTree(base);
}

// The distribution's base folder as the registry holds it (UTF-16), removed
// again at the end.
class StoredBaseDir {
public:
    explicit StoredBaseDir(const std::wstring& folder)
    {
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Corvane\\DPL\\Config", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
        RegSetValueExW(key_, L"BaseDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                       static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
    }
    ~StoredBaseDir()
    {
        RegDeleteValueW(key_, L"BaseDir");
        RegCloseKey(key_);
    }

private:
    HKEY key_ = nullptr;
};

struct SetupLog {
    int showings = 0;
    std::string caption;
    Strings lines;
};

// "System Setup" with interface 5 chosen, its cache holding the script and
// the Heron library: what the log window showed.
SetupLog RunSystemSetup(StartedRun& r)
{
    for (const char* file : {"RILO_CACHE\\pvo_fo.tsk", "RILO_CACHE\\Heron\\riloHeron.dll"}) {
        const std::string path = r.installation.Root() + "\\etc\\" + file;
        MakeFolders(path.substr(0, path.rfind('\\')));
        WriteTextFile(path, file);
    }
    SetupLog log;
    FormSteps dialog(DplSetupForm, {[] {
                         SelectNumber(DplSetupForm->DBQComboBox1, 5);
                         DplSetupForm->BitBtn2->Click();
                     }});
    FormSteps shown(HintBox, {[&] {
                        log.caption = WindowText(HintBox->Handle());
                        log.lines = ItemTexts(HintBox->reMemo->Lines());
                        HintBox->BitBtn1->Click();
                    }});
    r.m()->BtnHeronSetup->Click();
    log.showings = shown.showings;
    return log;
}

TEST(HostileNames, ABaseFolderOutsideTheCodePageFailsItsCopies)
{
    const std::string base = TempFolder();
    // U+0101 has a look-alike in the code page, "a": a folder other than the one stored.
    const StoredBaseDir stored(std::wstring(base.begin(), base.end()) + L"\\\x0101");
    StartedRun r;
    const SetupLog log = RunSystemSetup(r);
    ASSERT_EQ(1, log.showings);
    ASSERT_EQ(2u, log.lines.size());
    EXPECT_EQ(r.installation.Root() + "\\etc\\RILO_CACHE\\pvo_fo.tsk cannot be copied to " + r.m()->FDplBaseDir +
                  "\\Heron\\Files\\CF\\Corvane\\Etc\\pms5.tsk",
              log.lines[0]);
    EXPECT_EQ("RILO_CACHE\\pvo_fo.tsk was copied to " + r.installation.Root() + "\\Etc\\pms5.tsk", log.lines[1]);
    EXPECT_EQ("System Setup  ERROR!!!", log.caption);
    EXPECT_EQ(Strings{}, FolderNames(base));
    RemoveTree(base);
}

TEST(HostileNames, ABaseFolderLongerThanAPathStopsTheInstallation)
{
    TestInstallation installation;
    const EmptyCurrentFolder current;
    const StoredBaseDir stored(L"C:\\" + std::wstring(100000, L'x'));
    const WatchResult result = RunInstall();
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(3u, result.exitCode);
    ASSERT_EQ(1u, result.boxes.size());
    EXPECT_EQ("Zenta Pellisto Rilo Setup", result.boxes[0].caption);
    EXPECT_EQ("The folder of 'BaseDir' is longer than 259 characters.", result.boxes[0].text);
    EXPECT_TRUE(installation.IniLines().empty());
    EXPECT_EQ(Strings{}, current.Names());
}

// The interface remembered on the machine, removed again at the end.
class RememberedInterface {
public:
    explicit RememberedInterface(DWORD number)
    {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Corvane\\Zenta\\RILO", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
        RegSetValueExA(key_, "Interface_Obj_Num", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    }
    ~RememberedInterface()
    {
        RegDeleteValueA(key_, "Interface_Obj_Num");
        RegCloseKey(key_);
    }
    DWORD Number() const
    {
        DWORD number = 0, size = sizeof number;
        RegQueryValueExA(key_, "Interface_Obj_Num", nullptr, nullptr, reinterpret_cast<BYTE*>(&number), &size);
        return number;
    }

private:
    HKEY key_ = nullptr;
};

TEST(HostileValues, AnInterfaceNumberBelowZeroOrBeyond32BitsIsNoPick)
{
    const RememberedInterface remembered(5);
    StartedRun r;
    RunAsDba({"insert into corvane.interface_def values (-4, 'Minus', 'T')",
              "insert into corvane.interface_def values (0, 'Zero', 'T')",
              "insert into corvane.interface_def values (3000000000, 'Beyond', 'T')"});
    // 0 is a pick as any other, stored, and distributes nothing.
    const struct {
        std::string number, box;
        unsigned remembered;
    } cases[] = {
        {"-4", "'-4' is not a valid interface number.", 5},
        {"3000000000", "'3000000000' is not a valid integer value.", 5},
        {"0", "", 0},
    };
    for (const auto& c : cases) {
        FormSteps dialog(DplSetupForm, {[&] {
                             DplSetupForm->btnChange->Click();
                             const Strings items = ItemTexts(DplSetupForm->DBQComboBox1->Items());
                             for (size_t i = 0; i < items.size(); ++i)
                                 if (items[i].rfind(c.number + ", ", 0) == 0)
                                     DplSetupForm->DBQComboBox1->SetItemIndex(static_cast<int>(i));
                             DplSetupForm->BitBtn2->Click();
                         }});
        FormSteps log(HintBox, {[] { HintBox->BitBtn1->Click(); }});
        r.boxes.seen.clear();
        r.m()->BtnHeronSetup->Click();
        EXPECT_EQ(1, dialog.showings) << c.number;
        ASSERT_EQ(c.box.empty() ? 0u : 1u, r.boxes.seen.size()) << c.number;
        if (!c.box.empty()) {
            EXPECT_EQ(c.box, r.boxes.seen[0].text);
        }
        // Nothing was distributed; a refused number leaves the machine's interface as it was.
        EXPECT_EQ(0, log.showings) << c.number;
        EXPECT_EQ(c.remembered, remembered.Number()) << c.number;
    }
}

TEST(HostileValues, LineBreaksInAValueStayOnItsKeysLine)
{
    StartedRun r;
    r.m()->LocStringGrid->SetCells(0, 1, "10");
    r.m()->LocStringGrid->SetCells(1, 1, "Bar\r\n[POSTING]\r\nTAX_OR_VAT=1");
    r.m()->LocStringGrid->SetCells(2, 1, "5");
    r.m()->SaveBtn->Click();
    const Strings lines = WithoutBlankLines(r.installation.IniLines());
    EXPECT_TRUE(HasLine(lines, "DTL1=5,Bar  [POSTING]  TAX_OR_VAT=1"));
    EXPECT_EQ(1, std::count(lines.begin(), lines.end(), "[POSTING]"));
    EXPECT_EQ(0, std::count(lines.begin(), lines.end(), "TAX_OR_VAT=1"));
}

}  // namespace
