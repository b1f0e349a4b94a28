// The program's own body, compiled from the source the program is built
// from, run on an application of the test's own until its main window has
// shown: the title it sets and the forms it creates, in their order.
#include <windows.h>

#include <gtest/gtest.h>

#include "command_line.h"
#include "gui_helpers.h"
#include "setup_fixture.h"
#include "setup_run.h"

#define WinMain RiloSetupBody
#include "rilo_setup.cpp"
#undef WinMain

namespace {

// What the running program holds once its message loop runs.
struct BodySeen {
    std::string title;
    std::vector<TComponent*> forms;  // the application's forms, in the order made
    std::string caption;
};
BodySeen g_seen;

void CALLBACK LookAndEnd(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    g_seen.title = Application->Title();
    for (int i = 0; i < Application->ComponentCount(); ++i)
        g_seen.forms.push_back(Application->Components(i));
    g_seen.caption = WindowText(Application->MainForm()->Handle());
    Application->Terminate();
}

TEST(ProgramBody, TheTitleAndTheFiveFormsInTheirOrder)
{
    TestInstallation installation;
    BoxAnswerer boxes;
    SetCommandLineForTesting("rilo_setup.exe");
    TApplication app;
    TApplication* const saved = Application;
    Application = &app;
    g_seen = {};
    SetTimer(nullptr, 0, 0, &LookAndEnd);
    EXPECT_EQ(0, RiloSetupBody(GetModuleHandleA(nullptr), nullptr, const_cast<LPSTR>(""), SW_SHOWNORMAL));
    EXPECT_EQ("Zenta Pellisto Rilo Setup", g_seen.title);
    const std::vector<TComponent*> order = {MainForm, HintBox, TMedForm, LocForm, DplSetupForm};
    EXPECT_EQ(order, g_seen.forms);
    EXPECT_EQ(MainForm, app.MainForm());
    EXPECT_EQ("Zenta Pellisto Rilo Setup V.5.2.1.30", g_seen.caption);
    EXPECT_TRUE(boxes.seen.empty());
    RestoreApplication(saved);
}

}  // namespace
