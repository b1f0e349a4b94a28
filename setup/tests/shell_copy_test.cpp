// The shell file-copy component: the record it hands the shell (recorded in
// place of the shell), its result rule and name mappings, and real copies
// through Wine's shell.
#include <windows.h>

#include <gtest/gtest.h>

#include "JvSHFileOperation.h"
#include "setup_fixture.h"

namespace {

using Strings = std::vector<std::string>;

// The record of the last shell call, its lists split at their zeros.
struct ShellCall {
    int calls = 0;
    UINT function = 0;
    FILEOP_FLAGS flags = 0;
    HWND owner = nullptr;
    bool titleGiven = false;
    std::string title;
    Strings from, to;
    bool fromDoubleZero = false, toDoubleZero = false;
};
ShellCall g_call;
int g_result = 0;
BOOL g_aborted = FALSE;
HANDLE g_mappings = nullptr;
std::vector<HANDLE> g_freed;

// The list up to its double zero; ends tells whether one was found in reach.
Strings SplitList(const char* list, bool& ends)
{
    Strings items;
    ends = false;
    for (int guard = 0; guard < 16; ++guard) {
        if (*list == '\0') {
            ends = true;
            return items;
        }
        items.push_back(list);
        list += items.back().size() + 1;
    }
    return items;
}

int WINAPI RecordOperation(LPSHFILEOPSTRUCTA record)
{
    ++g_call.calls;
    g_call.function = record->wFunc;
    g_call.flags = record->fFlags;
    g_call.owner = record->hwnd;
    g_call.titleGiven = record->lpszProgressTitle != nullptr;
    g_call.title = record->lpszProgressTitle ? record->lpszProgressTitle : "";
    g_call.from = SplitList(record->pFrom, g_call.fromDoubleZero);
    g_call.to = SplitList(record->pTo, g_call.toDoubleZero);
    record->fAnyOperationsAborted = g_aborted;
    record->hNameMappings = g_mappings;
    return g_result;
}

void WINAPI RecordFree(HANDLE mappings) { g_freed.push_back(mappings); }

// The shell replaced by the recorder while alive.
class RecordedShell : public testing::Test {
protected:
    void SetUp() override
    {
        saved_ = ShellFileCalls;
        ShellFileCalls = {&RecordOperation, &RecordFree};
        g_call = {};
        g_result = 0;
        g_aborted = FALSE;
        g_mappings = nullptr;
        g_freed.clear();
    }
    void TearDown() override { ShellFileCalls = saved_; }

private:
    TShellFileCalls saved_ = {};
};

TEST_F(RecordedShell, OptionsAndOperationsBecomeTheShellsFlagsAndFunctions)
{
    TJvSHFileOperation defaults(nullptr);
    EXPECT_EQ(foCopy, defaults.Operation);
    EXPECT_EQ(0xC0, TJvSHFileOperation::FlagsOf(defaults.Options));
    EXPECT_EQ(0x290, TJvSHFileOperation::FlagsOf(OptionSet({fofFilesOnly, fofNoConfirmation, fofNoConfirmMkDir})));
    EXPECT_EQ(0xFFFF & ~0x3, TJvSHFileOperation::FlagsOf(0xFFFF & ~(OptionSet({fofConfirmMouse, fofMultiDestFiles}))));
    const struct {
        TJvSHFileOption option;
        FILEOP_FLAGS flag;
    } each[] = {{fofAllowUndo, 0x40},       {fofConfirmMouse, 0x2},       {fofFilesOnly, 0x80},
                {fofMultiDestFiles, 0x1},   {fofNoConfirmation, 0x10},    {fofNoConfirmMkDir, 0x200},
                {fofRenameOnCollision, 0x8}, {fofSilent, 0x4},            {fofSimpleProgress, 0x100},
                {fofWantMappingHandle, 0x20}, {fofNoErrorUI, 0x400},      {fofNoCopySecurityAttributes, 0x800},
                {fofNoRecursion, 0x1000},   {fofNoConnectedElements, 0x2000}, {fofNoRecurseParse, 0x8000},
                {fofWantNukeWarning, 0x4000}};
    for (const auto& e : each)
        EXPECT_EQ(e.flag, TJvSHFileOperation::FlagsOf(OptionSet({e.option}))) << e.option;

    const std::pair<TJvSHFileOpType, UINT> functions[] = {{foMove, 1}, {foCopy, 2}, {foDelete, 3}, {foRename, 4}};
    for (const auto& f : functions) {
        TJvSHFileOperation op(nullptr);
        op.Operation = f.first;
        op.SourceFiles().Add("C:\\a.txt");
        op.Execute();
        EXPECT_EQ(f.second, g_call.function);
        EXPECT_EQ(0xC0, g_call.flags);
    }
}

TEST_F(RecordedShell, ListsAreFullPathsEndedByTwoZeros)
{
    TJvSHFileOperation op(nullptr);
    op.SourceFiles().Add("C:\\cache\\pvo_fo.tsk");
    op.DestFiles().Add("D:\\Heron\\pms5.tsk");
    EXPECT_TRUE(op.Execute());
    EXPECT_EQ((Strings{"C:\\cache\\pvo_fo.tsk"}), g_call.from);
    EXPECT_EQ((Strings{"D:\\Heron\\pms5.tsk"}), g_call.to);
    EXPECT_TRUE(g_call.fromDoubleZero);
    EXPECT_TRUE(g_call.toDoubleZero);
    EXPECT_TRUE(g_call.titleGiven);  // an empty title, not none
    EXPECT_EQ("", g_call.title);

    // Relative names are taken against the current folder; no destinations
    // give a list of the zeros alone; the lists stay as they were.
    char current[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, current);
    TJvSHFileOperation rel(nullptr);
    rel.Title = "Copying";
    rel.SourceFiles().Add("one.txt");
    rel.SourceFiles().Add("C:\\two.txt");
    rel.Execute();
    EXPECT_EQ((Strings{std::string(current) + (current[strlen(current) - 1] == '\\' ? "" : "\\") + "one.txt",
                       "C:\\two.txt"}),
              g_call.from);
    EXPECT_TRUE(g_call.to.empty());
    EXPECT_TRUE(g_call.toDoubleZero);
    EXPECT_EQ("Copying", g_call.title);
    EXPECT_EQ(2, rel.SourceFiles().Count());
}

TEST_F(RecordedShell, SuccessNeedsAZeroResultAndNothingAborted)
{
    TJvSHFileOperation op(nullptr);
    op.SourceFiles().Add("C:\\a.txt");
    EXPECT_TRUE(op.Execute());
    g_aborted = TRUE;
    EXPECT_FALSE(op.Execute());
    g_aborted = FALSE;
    g_result = ERROR_ACCESS_DENIED;
    EXPECT_FALSE(op.Execute());
}

TEST_F(RecordedShell, WithoutSourcesTheShellIsNotAsked)
{
    TJvSHFileOperation op(nullptr);
    op.DestFiles().Add("C:\\x");
    try {
        op.Execute();
        ADD_FAILURE() << "no error";
    } catch (const EJVCLException& e) {
        EXPECT_EQ("No files specified to TJvSHFileOperation Execute function", e.Message);
    }
    EXPECT_EQ(0, g_call.calls);
}

TEST_F(RecordedShell, NamesBeyondThePlatformsLengthAreRefusedBeforeTheShell)
{
    TJvSHFileOperation op(nullptr);
    op.SourceFiles().Add("C:\\a.txt");
    op.DestFiles().Add("C:\\" + std::string(300, 'd'));
    EXPECT_THROW(op.Execute(), EFileNameTooLong);
    EXPECT_EQ(0, g_call.calls);
}

TEST_F(RecordedShell, TheShellsWindowsBelongToTheOwnerFormOrTheForegroundWindow)
{
    TForm form(nullptr);
    TJvSHFileOperation owned(&form);
    owned.SourceFiles().Add("C:\\a.txt");
    owned.Execute();
    EXPECT_EQ(form.Handle(), g_call.owner);

    TJvSHFileOperation alone(nullptr);
    alone.SourceFiles().Add("C:\\a.txt");
    alone.Execute();
    EXPECT_EQ(GetForegroundWindow(), g_call.owner);
}

TEST_F(RecordedShell, RenamingsAreReportedAndTheMappingsReleased)
{
    std::wstring names[] = {L"C:\\a.txt", L"C:\\Copy of a.txt", L"C:\\b.txt", L"", L"C:\\c.txt",
                            L"C:\\Copy of c.txt"};
    SHNAMEMAPPINGW records[3] = {
        {&names[0][0], &names[1][0], 8, 16},
        {&names[2][0], &names[3][0], 8, 0},  // no new name: skipped
        {&names[4][0], &names[5][0], 8, 16},
    };
    struct {
        UINT count;
        SHNAMEMAPPINGW* records;
    } handle = {3, records};
    g_mappings = &handle;
    Strings reported;
    TJvSHFileOperation op(nullptr);
    op.Options |= OptionSet({fofWantMappingHandle, fofRenameOnCollision});
    op.OnFileMapping = [&](TObject* sender, const AnsiString& oldName, const AnsiString& newName) {
        EXPECT_EQ(&op, sender);
        reported.push_back(oldName + " > " + newName);
    };
    op.SourceFiles().Add("C:\\a.txt");
    EXPECT_TRUE(op.Execute());
    EXPECT_EQ((Strings{"C:\\a.txt > C:\\Copy of a.txt", "C:\\c.txt > C:\\Copy of c.txt"}), reported);
    EXPECT_EQ(std::vector<HANDLE>{&handle}, g_freed);
}

// ---- Through Wine's shell ----------------------------------------------------

TEST(ShellCopy, CreatesMissingFoldersAndOverwritesWithoutAsking)
{
    const std::string root = TempFolder();
    WriteTextFile(root + "\\source.tsk", "script v2");
    const std::string target = root + "\\Heron\\Files\\CF\\Corvane\\Etc\\pms5.tsk";
    TForm form(nullptr);
    TJvSHFileOperation op(&form);
    op.Options = OptionSet({fofFilesOnly, fofNoConfirmation, fofNoConfirmMkDir});
    bool mapped = false;
    op.OnFileMapping = [&](TObject*, const AnsiString&, const AnsiString&) { mapped = true; };
    op.SourceFiles().Add(root + "\\source.tsk");
    op.DestFiles().Add(target);
    EXPECT_TRUE(op.Execute());
    EXPECT_EQ("script v2", ReadTextFile(target));

    WriteTextFile(root + "\\source.tsk", "script v3");
    EXPECT_TRUE(op.Execute());
    EXPECT_EQ("script v3", ReadTextFile(target));
    EXPECT_FALSE(mapped);
    RemoveTree(root);
}

TEST(ShellCopy, AMissingSourceFails)
{
    const std::string root = TempFolder();
    TJvSHFileOperation op(nullptr);
    op.Options = OptionSet({fofFilesOnly, fofNoConfirmation, fofNoConfirmMkDir, fofNoErrorUI});
    op.SourceFiles().Add(root + "\\missing.tsk");
    op.DestFiles().Add(root + "\\out\\missing.tsk");
    EXPECT_FALSE(op.Execute());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((root + "\\out\\missing.tsk").c_str()));
    RemoveTree(root);
}

}  // namespace
