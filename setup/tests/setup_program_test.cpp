// rilo_setup.exe run as the installer runs it, watched from outside: its
// boxes, its end, and the settings file it leaves.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <algorithm>
#include <set>

#include "demo_settings.h"
#include "program_watch.h"
#include "sequence.h"
#include "setup_fixture.h"

namespace {

BOOL CALLBACK FindTabControl(HWND child, LPARAM lp)
{
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (lstrcmpiA(cls, WC_TABCONTROLA) != 0)
        return TRUE;
    *reinterpret_cast<HWND*>(lp) = child;
    return FALSE;
}

// The libraries loaded in the process of the window, their names in lower case.
std::set<std::string> LoadedLibraries(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    std::set<std::string> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process);
    if (snapshot == INVALID_HANDLE_VALUE)
        return names;
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module)) {
        std::string name = module.szModule;
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        names.insert(name);
    }
    CloseHandle(snapshot);
    return names;
}

WatchResult RunSetup(const std::string& arguments, std::vector<std::string> answers = {},
                     std::function<void(HWND)> onMainWindow = {})
{
    WatchOptions options;
    options.commandLine = "rilo_setup.exe " + arguments;
    options.answers = std::move(answers);
    options.mainCaption = "Zenta Pellisto Rilo Setup V.";
    options.onMainWindow = std::move(onMainWindow);
    return WatchProgram(options);
}

TEST(SetupProgram, WithoutHuxRootDirOneAbortBoxThenTheEnd)
{
    TestInstallation installation;
    SetEnvironmentVariableA("HUXROOTDIR", nullptr);
    const WatchResult result = RunSetup("/install");
    ASSERT_TRUE(result.started);
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(1u, result.exitCode);
    ASSERT_EQ(1u, result.boxes.size());
    EXPECT_EQ("Error", result.boxes[0].caption);
    EXPECT_EQ("Can not obtain the system variable HUXROOTDIR, can not continue. Did you install Zenta QVX?",
              result.boxes[0].text);
    EXPECT_EQ(std::vector<std::string>{"&Abort"}, result.boxes[0].buttons);
    EXPECT_TRUE(installation.IniLines().empty());
}

TEST(SetupProgram, InstallInCapitalsSavesAndEndsWithoutABox)
{
    TestInstallation installation;
    const WatchResult result = RunSetup("/INSTALL");
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(0u, result.exitCode);
    EXPECT_TRUE(result.boxes.empty());
    EXPECT_TRUE(SameSequence(kDemoInstallFile, WithoutBlankLines(installation.IniLines())));
}

TEST(SetupProgram, InstallWhenTheProcedureCannotBeCreated)
{
    TestInstallation installation;
    RunAsDba({"update SYS.SYSUSERPERM set resourceauth = 'N' where user_name = 'tarvel'"});
    const WatchResult result = RunSetup("/install");
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(3u, result.exitCode);  // saved all the same
    ASSERT_EQ(1u, result.boxes.size());
    EXPECT_EQ("Error", result.boxes[0].caption);
    EXPECT_EQ(0u, result.boxes[0].text.find("[Exception in SpQuerry.ExecSQL (1)]\r\n")) << result.boxes[0].text;
    EXPECT_NE(std::string::npos, result.boxes[0].text.find("Permission denied"));
    EXPECT_TRUE(SameSequence(kDemoInstallFile, WithoutBlankLines(installation.IniLines())));
}

TEST(SetupProgram, InstallWithoutAConnectionShowsBothBoxesThenEnds)
{
    TestInstallation installation;
    RunAsDba({"update SYS.SYSUSERPERM set password = 'changed' where user_name = 'tarvel'"});
    const WatchResult result = RunSetup("/install");
    ASSERT_TRUE(result.ended);
    EXPECT_EQ(2u, result.exitCode);
    // The locator picker's query at its creation, with the standard box; then Connect.
    ASSERT_EQ(2u, result.boxes.size());
    EXPECT_EQ("Zenta Pellisto Rilo Setup", result.boxes[0].caption);
    EXPECT_NE(std::string::npos, result.boxes[0].text.find("Invalid user ID or password")) << result.boxes[0].text;
    EXPECT_EQ("Error", result.boxes[1].caption);
    EXPECT_EQ(0u, result.boxes[1].text.find("Unable to connect to Database (AliasName: corvane) :\r\n"))
        << result.boxes[1].text;
    EXPECT_NE(std::string::npos, result.boxes[1].text.find("Invalid user ID or password"));
    EXPECT_EQ(std::vector<std::string>{"OK"}, result.boxes[1].buttons);
    EXPECT_TRUE(installation.IniLines().empty());
}

TEST(SetupProgram, ShowsTheMainWindowWithItsThreeTabs)
{
    TestInstallation installation;
    std::string caption;
    int tabs = 0;
    const WatchResult result = RunSetup("", {}, [&](HWND window) {
        caption = WindowText(window);
        HWND tabControl = nullptr;
        EnumChildWindows(window, &FindTabControl, reinterpret_cast<LPARAM>(&tabControl));
        if (tabControl)
            tabs = static_cast<int>(SendMessageA(tabControl, TCM_GETITEMCOUNT, 0, 0));
        PostMessageA(window, WM_CLOSE, 0, 0);
    });
    ASSERT_TRUE(result.ended);
    EXPECT_TRUE(result.boxes.empty());
    EXPECT_EQ("Zenta Pellisto Rilo Setup V.5.2.1.30", caption);
    EXPECT_EQ(3, tabs);
    // Closed by the frame: only the tax keys of the start are in the file.
    EXPECT_EQ(10u, WithoutBlankLines(installation.IniLines()).size());
}

TEST(SetupProgram, LibrariesOfRareActionsAreNotLoadedByTheStart)
{
    TestInstallation installation;
    std::set<std::string> libraries;
    const WatchResult result = RunSetup("", {}, [&](HWND window) {
        libraries = LoadedLibraries(window);
        PostMessageA(window, WM_CLOSE, 0, 0);
    });
    ASSERT_TRUE(result.ended);
    ASSERT_TRUE(libraries.count("comctl32.dll") && libraries.count("odbc32.dll"));
    // Shell file operations and documents, network names, the hint window's rich edit.
    for (const char* rare : {"shell32.dll", "mpr.dll", "riched20.dll"})
        EXPECT_EQ(0u, libraries.count(rare)) << rare;
}

}  // namespace
