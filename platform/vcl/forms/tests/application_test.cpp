// The application object: message loop, Terminate, ProcessMessages, cursor.
#include <gtest/gtest.h>

#include "gui_helpers.h"
#include "vcl.h"

namespace {

// Swaps in an application object of the test's own.
struct OwnApplication {
    TApplication app;
    TApplication* saved = Application;
    OwnApplication() { Application = &app; }
    ~OwnApplication() { Application = saved; }
};

class TMainish : public TForm {
public:
    explicit TMainish(TComponent* owner) : TForm(owner) { SetBounds(0, 0, 200, 100); }
};

TEST(Application, TerminateEndsRunWhenTheHandlerReturnsToTheLoop)
{
    OwnApplication own;
    TMainish* main = nullptr;
    TMainish* second = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(second);
    EXPECT_EQ(main, Application->MainForm());
    EXPECT_EQ(Application, main->Owner());
    bool ranOn = false;
    main->OnShow = [&](TObject*) {
        Application->Terminate();
        ranOn = true;  // the handler still finishes
    };
    Application->Run();
    EXPECT_TRUE(ranOn);
    EXPECT_TRUE(Application->Terminated());
}

TEST(Application, ClosingTheMainFormEndsTheProgramAndRunsOnClose)
{
    OwnApplication own;
    TMainish* main = nullptr;
    Application->CreateForm(main);
    int closes = 0;
    main->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    main->OnShow = [&](TObject*) { PostMessageA(main->Handle(), WM_CLOSE, 0, 0); };
    Application->Run();
    EXPECT_EQ(1, closes);
    EXPECT_TRUE(Application->Terminated());
}

TEST(Application, ProcessMessagesHandlesWhatIsWaiting)
{
    TMainish form(nullptr);
    int shown = 0;
    form.OnActivate = [&](TObject*) { ++shown; };
    form.Show();
    PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
    Application->ProcessMessages();
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_GE(shown, 1);
}

TEST(Screen, TheHourGlassShowsUntilTheDefaultCursorComesBack)
{
    TMainish form(nullptr);
    form.Show();
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)), GetCursor());
    // The form keeps it while the mouse moves over it.
    SendMessageA(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)), GetCursor());
    Screen->SetCursor(crDefault);
    SendMessageA(form.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)), GetCursor());
}

TEST(Component, AnOwnerFreesWhatItOwns)
{
    static int alive = 0;
    struct Counted : TComponent {
        explicit Counted(TComponent* o) : TComponent(o) { ++alive; }
        ~Counted() override { --alive; }
    };
    auto* owner = new TComponent(nullptr);
    auto* a = new Counted(owner);
    a->SetName("First");
    new Counted(a);  // owned in turn
    auto* b = new Counted(owner);
    b->SetName("Second");
    EXPECT_EQ(3, alive);
    EXPECT_EQ(b, owner->FindComponent("SECOND"));
    delete b;  // leaves its owner's list
    EXPECT_EQ(nullptr, owner->FindComponent("Second"));
    EXPECT_EQ(1, owner->ComponentCount());
    delete owner;
    EXPECT_EQ(0, alive);
}

}  // namespace
