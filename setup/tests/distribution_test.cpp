// "System Setup": the device file distribution through the running main
// window, with the real shell copy into a base folder of the test's own,
// the interface dialog and the log window answered as an installer would.
#include <windows.h>

#include <richedit.h>

#include <gtest/gtest.h>

#include "device_table.h"
#include "form_steps.h"
#include "sequence.h"
#include "setup_run.h"

namespace {

using Strings = std::vector<std::string>;

const char* const kCachedFiles[] = {
    "RILO_CACHE\\pvo_fo.tsk",           "RILO_CACHE\\Heron\\riloHeron.dll", "RILO_CACHE\\WIN32\\rilo_lib.dll",
    "RILO_CACHE\\Siskin\\riloCE.dll",   "RILO_CACHE\\Siskin\\preheat.exe",  "RILO_CACHE\\Siskin\\preheat.lnk",
    "RILO_CACHE\\Shrike\\riloCE5.dll",  "RILO_CACHE\\Osprey\\riloEC7.dll",
};
const char* const kOptionalFolders[] = {"Egret", "Avocet", "Robin", "Merlin", "Godwit", "Curlew", "Shrike", "Osprey"};

// What the log window showed at the end of a run.
struct LogSeen {
    int showings = 0;
    std::string caption;
    Strings lines;
    int width = 0;
    std::string face;
    HCURSOR cursor = nullptr;
    TColor colour = clBlack;
    TFontStyles style = 0;
    bool buttonEnabled = true;
    COLORREF lastLineColour = 0;
    bool lastLineBold = false;
};

// How the installer answers the interface dialog.
enum class Answer { Choose5, Cancel, OkWithNothingChosen };

HCURSOR SystemCursor(LPCSTR id) { return LoadCursorA(nullptr, id); }

// The shell's calls during a run, with the cursor each one ran under; the
// copies themselves are made by the real shell.
struct ShellCallSeen {
    FILEOP_FLAGS flags;
    UINT function;
    std::string title;
    HCURSOR cursor;
};
std::vector<ShellCallSeen> g_shellCalls;
TShellFileCalls g_realShell = {};

int WINAPI WatchedOperation(LPSHFILEOPSTRUCTA record)
{
    g_shellCalls.push_back({record->fFlags, record->wFunc, record->lpszProgressTitle, GetCursor()});
    return g_realShell.operation(record);
}

// The character format near the end of the log's text, in its last line.
void LastLineFormat(HWND edit, COLORREF& colour, bool& bold)
{
    GETTEXTLENGTHEX length = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    const LONG end = static_cast<LONG>(SendMessageA(edit, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0));
    CHARRANGE range = {end - 4, end - 3};
    SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2A format = {};
    format.cbSize = sizeof format;
    SendMessageA(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    colour = format.crTextColor;
    bold = (format.dwEffects & CFE_BOLD) != 0;
}

// A started run with a cache filled, a base folder and the two dialogs answered.
class Distribution : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char* file : kCachedFiles) {
            const std::string path = r.installation.Root() + "\\etc\\" + file;
            MakeFolders(path.substr(0, path.rfind('\\')));
            WriteTextFile(path, file);
        }
        base_ = TempFolder();
        r.m()->FDplBaseDir = base_;
    }
    void TearDown() override { RemoveTree(base_); }

    void AddFolders(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            CreateDirectoryA((base_ + "\\" + name).c_str(), nullptr);
    }

    // Presses System Setup, chooses interface 5 (or answers otherwise), reads the log.
    LogSeen Run(int version, Answer answer = Answer::Choose5)
    {
        r.m()->FPosVersion = version;
        LogSeen seen;
        FormSteps dialog(DplSetupForm, {[answer] {
                             if (answer == Answer::Cancel) {
                                 DplSetupForm->btnCancel->Click();
                                 return;
                             }
                             if (answer == Answer::Choose5)
                                 SelectNumber(DplSetupForm->DBQComboBox1, 5);
                             DplSetupForm->BitBtn2->Click();
                         }});
        FormSteps log(HintBox, {[&] {
                          seen.caption = WindowText(HintBox->Handle());
                          seen.lines = ItemTexts(HintBox->reMemo->Lines());
                          seen.width = HintBox->Width();
                          seen.face = HintBox->reMemo->Font().Name();
                          seen.colour = HintBox->reMemo->Font().Color();
                          seen.style = HintBox->reMemo->Font().Style();
                          seen.buttonEnabled = r.m()->BtnHeronSetup->Enabled();
                          seen.cursor = GetCursor();
                          LastLineFormat(HintBox->reMemo->Handle(), seen.lastLineColour, seen.lastLineBold);
                          SaveScreenshot(HintBox->Handle(), "setup_distribution_log");
                          HintBox->BitBtn1->Click();
                      }});
        r.m()->BtnHeronSetup->Click();
        seen.showings = log.showings;
        return seen;
    }

    std::string Etc(const std::string& name) const { return r.installation.Root() + "\\etc\\" + name; }
    std::string Local() const { return r.installation.Root() + "\\Etc\\pms5.tsk"; }
    bool Copied(const std::string& relative) const
    {
        return GetFileAttributesA((base_ + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    StartedRun r;
    std::string base_;
};

TEST_F(Distribution, AllTwelveBlocksWithEveryFolderPresent)
{
    for (const char* folder : kOptionalFolders)
        CreateDirectoryA((base_ + "\\" + folder).c_str(), nullptr);
    const int widthBefore = HintBox->Width();
    const TFont fontBefore(HintBox->reMemo->Font());
    const LogSeen seen = Run(500);
    ASSERT_EQ(1, seen.showings);
    EXPECT_EQ("System Setup", seen.caption);
    EXPECT_EQ(2 * widthBefore, seen.width);
    EXPECT_EQ("Courier New", seen.face);
    EXPECT_FALSE(seen.buttonEnabled);
    // One line per copy of the table (whose order the native tests hold), the
    // local copy, an empty line and the verdict.
    Strings expected;
    for (const DeviceBlock& block : DeviceBlocks(5))
        for (const DeviceCopy& copy : block.copies)
            expected.push_back(copy.source + " was copied to " + base_ + copy.destination);
    expected.push_back("RILO_CACHE\\pvo_fo.tsk was copied to " + Local());
    expected.push_back("");
    expected.push_back("ALL FILES COPIED. PLEASE RESTART ALL Heron, Win32, Plover, Egret, Avocet, Siskin, Robin, "
                       "Merlin, Godwit, Curlew, Shrike, Osprey Devices.");
    ASSERT_EQ(41u, expected.size());
    EXPECT_TRUE(SameSequence(expected, seen.lines));
    EXPECT_EQ("RILO_CACHE\\Siskin\\preheat.lnk was copied to " + base_ + "\\Linnet\\Windows\\Startup\\preheat.lnk",
              seen.lines[18]);
    EXPECT_EQ(RGB(0, 0, 255), seen.lastLineColour);
    EXPECT_TRUE(seen.lastLineBold);
    // The files arrived under their names, the settings file among them.
    EXPECT_EQ("RILO_CACHE\\pvo_fo.tsk", ReadTextFile(base_ + "\\Osprey\\Files\\STORE\\Corvane\\Etc\\pms5.tsk"));
    EXPECT_EQ("RILO_CACHE\\Siskin\\riloCE.dll", ReadTextFile(base_ + "\\Curlew\\Files\\Corvane\\Etc\\riloCE.dll"));
    EXPECT_EQ(ReadTextFile(r.installation.IniPath()),
              ReadTextFile(base_ + "\\Win32\\Files\\Corvane\\Hux\\Pos\\Etc\\pvo_fo.ini"));
    EXPECT_EQ("RILO_CACHE\\pvo_fo.tsk", ReadTextFile(Local()));
    EXPECT_EQ("System Setup Success.", r.run.MemoLines().back());
    // The log window and the button are put back.
    EXPECT_EQ(widthBefore, HintBox->Width());
    EXPECT_EQ(fontBefore.Name(), HintBox->reMemo->Font().Name());
    EXPECT_EQ(fontBefore.Color(), HintBox->reMemo->Font().Color());
    EXPECT_EQ(fontBefore.Style(), HintBox->reMemo->Font().Style());
    EXPECT_TRUE(r.m()->BtnHeronSetup->Enabled());
    EXPECT_TRUE(r.boxes.seen.empty());
}

TEST_F(Distribution, OldVersionsGetTheirBlocksOnly)
{
    AddFolders({"Egret", "Robin", "Shrike"});
    LogSeen seen = Run(399);
    EXPECT_EQ("ALL FILES COPIED. PLEASE RESTART ALL Heron, Siskin Devices.", seen.lines.back());
    EXPECT_TRUE(Copied("\\Linnet\\Corvane\\bin\\preheat.exe"));
    EXPECT_FALSE(Copied("\\Win32"));
    seen = Run(410);
    EXPECT_EQ("ALL FILES COPIED. PLEASE RESTART ALL Heron, Win32, Plover, Egret, Siskin, Robin Devices.",
              seen.lines.back());
    // The log holds this run alone: six blocks' copies, the local copy, the verdict.
    EXPECT_EQ(3u + 3 + 3 + 3 + 5 + 3 + 1 + 2, seen.lines.size());
    EXPECT_EQ("RILO_CACHE\\pvo_fo.tsk was copied to " + base_ + "\\Heron\\Files\\CF\\Corvane\\Etc\\pms5.tsk",
              seen.lines.front());
    EXPECT_FALSE(Copied("\\Shrike\\Files"));
    EXPECT_FALSE(Copied("\\Avocet"));
    const Strings memo = r.run.MemoLines();
    ASSERT_GE(memo.size(), 2u);
    EXPECT_EQ((Strings{"System Setup Success.", "System Setup Success."}), Strings(memo.end() - 2, memo.end()));
}

TEST_F(Distribution, AMissingLibraryStopsTheDevicesButNotTheLocalCopy)
{
    AddFolders({"Egret"});
    DeleteFileA(Etc("RILO_CACHE\\Heron\\riloHeron.dll").c_str());
    const LogSeen seen = Run(500);
    EXPECT_TRUE(SameSequence(
        {"RILO_CACHE\\pvo_fo.tsk was copied to " + base_ + "\\Heron\\Files\\CF\\Corvane\\Etc\\pms5.tsk",
         Etc("RILO_CACHE\\Heron\\riloHeron.dll") + " does not exists!!!",
         "RILO_CACHE\\pvo_fo.tsk was copied to " + Local()},
        seen.lines));
    EXPECT_EQ("System Setup  ERROR!!!", seen.caption);
    EXPECT_EQ(clRed, seen.colour);
    EXPECT_EQ(fsBold, seen.style);
    EXPECT_EQ("System Setup Error!", r.run.MemoLines().back());
    EXPECT_FALSE(Copied("\\Win32"));
    EXPECT_NE(clRed, HintBox->reMemo->Font().Color());
}

TEST_F(Distribution, AFolderThatCannotBeWrittenFailsItsBlock)
{
    AddFolders({"Osprey"});
    // A file where the Osprey block needs a folder.
    WriteTextFile(base_ + "\\Osprey\\Files", "not a folder");
    const LogSeen seen = Run(500);
    ASSERT_GE(seen.lines.size(), 2u);
    EXPECT_EQ(Etc("RILO_CACHE\\pvo_fo.tsk") + " cannot be copied to " + base_ +
                  "\\Osprey\\Files\\STORE\\Corvane\\Etc\\pms5.tsk",
              seen.lines[seen.lines.size() - 2]);
    EXPECT_EQ("RILO_CACHE\\pvo_fo.tsk was copied to " + Local(), seen.lines.back());
    EXPECT_EQ("System Setup  ERROR!!!", seen.caption);
    for (const std::string& line : seen.lines)
        EXPECT_EQ(std::string::npos, line.find("ALL FILES COPIED")) << line;
}

TEST_F(Distribution, ABaseFolderOnAMissingDriveFailsTheFirstCopy)
{
    r.m()->FDplBaseDir = "Q:\\dpl";
    ASSERT_EQ(static_cast<UINT>(DRIVE_NO_ROOT_DIR), GetDriveTypeA("Q:\\"));
    const LogSeen seen = Run(500);
    ASSERT_EQ(2u, seen.lines.size());
    EXPECT_EQ(Etc("RILO_CACHE\\pvo_fo.tsk") + " cannot be copied to Q:\\dpl\\Heron\\Files\\CF\\Corvane\\Etc\\pms5.tsk",
              seen.lines[0]);
    EXPECT_EQ("RILO_CACHE\\pvo_fo.tsk was copied to " + Local(), seen.lines[1]);
    EXPECT_EQ("System Setup  ERROR!!!", seen.caption);
}

TEST_F(Distribution, APathBeyondThePlatformsLengthFailsThatCopy)
{
    const std::string deep = std::string(240, 'd');
    r.m()->FDplBaseDir = base_ + "\\" + deep;
    const LogSeen seen = Run(399);
    ASSERT_EQ(2u, seen.lines.size());
    EXPECT_EQ(Etc("RILO_CACHE\\pvo_fo.tsk") + " cannot be copied to " + base_ + "\\" + deep +
                  "\\Heron\\Files\\CF\\Corvane\\Etc\\pms5.tsk",
              seen.lines[0]);
    EXPECT_EQ("System Setup  ERROR!!!", seen.caption);
    EXPECT_TRUE(r.m()->BtnHeronSetup->Enabled());
}

TEST_F(Distribution, WithoutABaseFolderOnlyTheLocalCopy)
{
    r.m()->FDplBaseDir = "";
    const LogSeen seen = Run(500);
    EXPECT_TRUE(SameSequence({"RILO_CACHE\\pvo_fo.tsk was copied to " + Local(), "", "ALL FILES COPIED."},
                             seen.lines));
    EXPECT_EQ(RGB(0, 0, 255), seen.lastLineColour);
    EXPECT_TRUE(seen.lastLineBold);
}

TEST_F(Distribution, AnInterfaceDialogWithoutANumberCopiesNothing)
{
    // No definition to choose and none remembered: OK leaves the number 0.
    RunAsDba({"update corvane.interface_def set qub_script = 'F'"});
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Corvane\\Zenta\\RILO");
    for (Answer answer : {Answer::Cancel, Answer::OkWithNothingChosen}) {
        SCOPED_TRACE(answer == Answer::Cancel ? "Cancel" : "OK");
        const size_t memoLines = r.run.MemoLines().size();
        const LogSeen seen = Run(500, answer);
        EXPECT_EQ(0, DplSetupForm->FInterfaceObjNum);
        EXPECT_EQ(0, seen.showings);
        EXPECT_FALSE(Copied("\\Heron"));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((r.installation.Root() + "\\Etc\\pms0.tsk").c_str()));
        EXPECT_EQ(memoLines, r.run.MemoLines().size());
        EXPECT_TRUE(r.m()->BtnHeronSetup->Enabled());
    }
}

TEST_F(Distribution, EveryCopyGoesToTheShellWithTheFormsFlagsUnderTheHourGlass)
{
    g_shellCalls.clear();
    g_realShell = ShellFileCalls;
    ShellFileCalls.operation = &WatchedOperation;
    const LogSeen seen = Run(399);
    ShellFileCalls = g_realShell;
    EXPECT_EQ("ALL FILES COPIED. PLEASE RESTART ALL Heron, Siskin Devices.", seen.lines.back());
    // Heron's three copies, Siskin's five and the local one.
    ASSERT_EQ(9u, g_shellCalls.size());
    for (const ShellCallSeen& call : g_shellCalls) {
        EXPECT_EQ(0x290, call.flags);  // files only, no confirmation, no question before making a folder
        EXPECT_EQ(static_cast<UINT>(FO_COPY), call.function);
        EXPECT_EQ("", call.title);
        EXPECT_EQ(SystemCursor(IDC_WAIT), call.cursor);
    }
    // The log is read with the usual cursor back.
    EXPECT_NE(SystemCursor(IDC_WAIT), seen.cursor);
    EXPECT_EQ(crDefault, Screen->Cursor());
}

TEST_F(Distribution, ASourceNamedBeyondThePlatformsLengthIsAFailedCopy)
{
    // The installation named the long way round: its cache files exist, under
    // names longer than the platform's 259 characters.
    std::string root = r.installation.Root();
    while (root.size() < 250)
        root += "\\.";
    r.m()->HuxRootDir = root;
    ASSERT_TRUE(FileExists(r.installation.Root() + "\\etc\\RILO_CACHE\\pvo_fo.tsk"));
    const LogSeen seen = Run(399);
    const std::string source = root + "\\etc\\RILO_CACHE\\pvo_fo.tsk";
    EXPECT_TRUE(SameSequence({source + " cannot be copied to " + base_ + "\\Heron\\Files\\CF\\Corvane\\Etc\\pms5.tsk",
                              source + " cannot be copied to " + root + "\\Etc\\pms5.tsk"},
                             seen.lines));
    EXPECT_EQ("System Setup  ERROR!!!", seen.caption);
}

TEST_F(Distribution, UnsavedChangesAreSavedOnlyWhenTheInstallerSaysOk)
{
    r.m()->SaveBtn->Click();
    r.m()->cbFULL_DSVC->SetChecked(true);
    r.boxes.Queue({"Cancel"});
    Run(399);
    ASSERT_EQ(1u, r.boxes.seen.size());
    EXPECT_EQ("Changes are not saved! Press [OK]\n\rto Save or press [Cancel ] to ignore\n\ryour changes.",
              r.boxes.seen[0].text);
    EXPECT_TRUE(r.m()->SetupChanged);
    const std::string copied = ReadTextFile(base_ + "\\Heron\\Files\\CF\\Corvane\\Etc\\pvo_fo.ini");
    EXPECT_NE(std::string::npos, copied.find("FULL_DSVC=0"));

    r.boxes.Queue({"OK"});
    Run(399);
    EXPECT_FALSE(r.m()->SetupChanged);
    EXPECT_NE(std::string::npos,
              ReadTextFile(base_ + "\\Heron\\Files\\CF\\Corvane\\Etc\\pvo_fo.ini").find("FULL_DSVC=1"));
}

}  // namespace
