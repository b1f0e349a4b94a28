// The application object: message loop, Terminate, ProcessMessages, cursor,
// the forms it frees, the windows its forms and boxes stay in front of; and
// where the focus goes on forms not yet shown.
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

// An application of the test's own with a main form and a second form.
struct TwoForms {
    OwnApplication own;
    TMainish* main = nullptr;
    TMainish* second = nullptr;
    TwoForms()
    {
        Application->CreateForm(main);
        Application->CreateForm(second);
    }
};

TEST(Application, TerminateEndsRunWhenTheHandlerReturnsToTheLoop)
{
    TwoForms forms;
    TMainish* main = forms.main;
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

TEST(Showing, OnShowComesOnceBeforeTheActivationAndThePaintingInTheLoop)
{
    TMainish form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetBounds(0, 0, 60, 40);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clTeal);
    panel->SetParent(&form);
    std::vector<std::string> events;
    form.OnShow = [&](TObject*) { events.push_back(IsWindowVisible(form.Handle()) ? "show, visible" : "show"); };
    form.OnActivate = [&](TObject*) { events.push_back("activate"); };
    form.Show();
    form.Show();
    EXPECT_EQ((std::vector<std::string>{"show", "activate"}), events);
    EXPECT_TRUE(IsWindowVisible(panel->Handle()));
    EXPECT_EQ(form.Handle(), GetActiveWindow());
    Pump();
    EXPECT_EQ(RGB(0, 128, 128), ClientPixel(panel->Handle(), 30, 20));
    // Shown again after hiding: both again.
    form.Hide();
    form.Show();
    EXPECT_EQ((std::vector<std::string>{"show", "activate", "show", "activate"}), events);
}

// Handles messages until done() or the time is up.
void PumpUntil(const std::function<bool()>& done, DWORD milliseconds)
{
    const DWORD end = GetTickCount() + milliseconds;
    while (!done() && static_cast<int>(end - GetTickCount()) > 0) {
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

TEST(Timer, EachTimerTicksItsOwnHandlerUntilDisabledOrGone)
{
    int fast = 0, slow = 0, gone = 0;
    TTimer a(nullptr), b(nullptr);
    auto* c = new TTimer(nullptr);
    a.SetInterval(20);
    a.OnTimer = [&](TObject* sender) { fast += sender == &a; };
    b.SetInterval(60);
    b.OnTimer = [&](TObject* sender) { slow += sender == &b; };
    c->SetInterval(20);
    c->OnTimer = [&](TObject*) { ++gone; };
    delete c;
    PumpUntil([&] { return fast >= 3 && slow >= 1; }, 5000);
    EXPECT_GE(fast, 3);
    EXPECT_GE(slow, 1);
    EXPECT_EQ(0, gone);
    a.SetEnabled(false);
    Pump();
    const int stopped = fast;
    const int later = slow + 2;
    PumpUntil([&] { return slow >= later; }, 5000);
    EXPECT_EQ(stopped, fast);
}

// A form with two edits, the first in tab order first.
class TTwoEdits : public TForm {
public:
    explicit TTwoEdits(TComponent* owner) : TForm(owner)
    {
        SetBounds(220, 0, 200, 120);
        First = Add(10);
        Second = Add(50);
    }
    TEdit* First = nullptr;
    TEdit* Second = nullptr;

private:
    TEdit* Add(int top)
    {
        auto* edit = new TEdit(this);
        edit->SetBounds(10, top, 150, 24);
        edit->SetParent(this);
        return edit;
    }
};

TEST(Focus, SelectFirstOnAHiddenFormWaitsUntilTheFormIsShown)
{
    TMainish other(nullptr);
    other.Show();
    Pump();
    ASSERT_EQ(other.Handle(), GetActiveWindow());
    TTwoEdits form(nullptr);
    form.SelectFirst();
    Pump();
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(other.Handle(), GetActiveWindow());
    EXPECT_NE(form.First->Handle(), GetFocus());
    form.Show();
    Pump();
    EXPECT_EQ(form.Handle(), GetActiveWindow());
    EXPECT_EQ(form.First->Handle(), GetFocus());
}

TEST(Focus, SelectFirstOnAFormWithoutAWindowMakesNone)
{
    TTwoEdits form(nullptr);
    form.SelectFirst();
    EXPECT_FALSE(form.HandleAllocated());
    EXPECT_FALSE(form.First->HandleAllocated());
    form.Show();
    Pump();
    EXPECT_EQ(form.First->Handle(), GetFocus());
}

TEST(Focus, SetFocusOnAControlOfAnInactiveFormTakesEffectWhenTheFormIsActivated)
{
    TTwoEdits form(nullptr);
    form.Show();
    TMainish other(nullptr);
    other.Show();
    Pump();
    ASSERT_EQ(other.Handle(), GetActiveWindow());
    form.Second->SetFocus();
    Pump();
    EXPECT_EQ(other.Handle(), GetActiveWindow());
    EXPECT_NE(form.Second->Handle(), GetFocus());
    SetActiveWindow(form.Handle());
    Pump();
    EXPECT_EQ(form.Second->Handle(), GetFocus());
    // On the active form the focus moves at once.
    form.First->SetFocus();
    EXPECT_EQ(form.First->Handle(), GetFocus());
}

TEST(Application, FreesItsFormsWhileItsExceptionHandlerStillWorks)
{
    // A component whose going runs a handler that fails, as a control's
    // event may while its window is destroyed.
    struct FailsOnTheWayOut : TComponent {
        explicit FailsOnTheWayOut(TComponent* owner, bool& escaped) : TComponent(owner), escaped_(escaped) {}
        ~FailsOnTheWayOut() override
        {
            try {
                Fire([](TObject*) { throw std::runtime_error("saving the settings failed"); }, this);
            } catch (const std::exception&) {
                escaped_ = true;
            }
        }
        bool& escaped_;
    };
    TApplication* saved = Application;
    auto* savedHook = ApplicationHandleException;
    auto* app = new TApplication;
    Application = app;
    std::string reported;
    app->OnException = [&](TObject*, const std::exception& e) { reported = e.what(); };
    TMainish* main = nullptr;
    app->CreateForm(main);
    bool escaped = false;
    new FailsOnTheWayOut(main, escaped);
    delete app;
    EXPECT_EQ(nullptr, Application);  // nothing points at the application gone
    EXPECT_EQ(nullptr, ApplicationHandleException);
    Application = saved;
    ApplicationHandleException = savedHook;
    EXPECT_EQ("saving the settings failed", reported);
    EXPECT_FALSE(escaped);
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

// True when window a lies above window b among the top-level windows.
bool Above(HWND a, HWND b)
{
    for (HWND w = GetWindow(a, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == b)
            return true;
    return false;
}

TEST(OwnerWindow, AFormTheApplicationCreatesStaysInFrontOfTheMainForm)
{
    TwoForms forms;
    TMainish* main = forms.main;
    TMainish* second = forms.second;
    HWND secondWnd = second->Handle();  // made before the main form's window
    EXPECT_EQ(main->Handle(), GetWindow(secondWnd, GW_OWNER));
    EXPECT_EQ(nullptr, GetWindow(main->Handle(), GW_OWNER));
    TMainish loose(nullptr);  // no form of the application
    EXPECT_EQ(nullptr, GetWindow(loose.Handle(), GW_OWNER));

    // Brought to the top, the main form still lies below the form it owns,
    // but above the others.
    main->Show();
    second->Show();
    loose.Show();
    Pump();
    SetWindowPos(main->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Pump();
    EXPECT_TRUE(Above(secondWnd, main->Handle()));
    EXPECT_TRUE(Above(main->Handle(), loose.Handle()));
}

// Records the owner window of each box that comes up, and answers it.
struct BoxOwners {
    std::vector<HWND> owners;
    ActivationHook hook{[this](HWND w) {
        if (HWND ok = FindChild(w, "Button", "OK")) {
            owners.push_back(GetWindow(w, GW_OWNER));
            PostMessageA(ok, BM_CLICK, 0, 0);
        }
    }};
};

TEST(OwnerWindow, BoxesComeUpInFrontOfTheActiveWindow)
{
    TwoForms forms;
    TMainish* main = forms.main;
    TMainish* second = forms.second;
    main->Show();
    second->Show();
    Pump();
    ASSERT_EQ(second->Handle(), GetActiveWindow());
    BoxOwners boxes;
    MessageDlg("Settings saved.", mtInformation, mbOK);
    Application->ShowException(std::runtime_error("Unable to write"));
    EXPECT_EQ((std::vector<HWND>{second->Handle(), second->Handle()}), boxes.owners);
    EXPECT_EQ(second->Handle(), GetActiveWindow());  // back where it was

    SetActiveWindow(main->Handle());
    Pump();
    ASSERT_EQ(main->Handle(), GetActiveWindow());
    MessageDlg("Settings saved.", mtInformation, mbOK);
    ASSERT_EQ(3u, boxes.owners.size());
    EXPECT_EQ(main->Handle(), boxes.owners[2]);
}

TEST(OwnerWindow, WithoutAnActiveWindowBoxesBelongToTheMainFormOnceItShows)
{
    OwnApplication own;
    TMainish* main = nullptr;
    Application->CreateForm(main);
    HWND mainWnd = main->Handle();  // not shown
    SetActiveWindow(nullptr);
    ASSERT_EQ(nullptr, GetActiveWindow());
    int activations = 0;
    main->OnActivate = [&](TObject*) { ++activations; };
    BoxOwners boxes;
    // A form created after the main form reports an error: the end of the box
    // must not make the hidden main form active.
    Application->ShowException(std::runtime_error("Unable to connect"));
    EXPECT_EQ(0, activations);
    main->OnShow = [&](TObject*) {
        MessageDlg("Settings saved.", mtInformation, mbOK);
        Application->ShowException(std::runtime_error("Unable to write"));
    };
    main->Show();
    Pump();
    EXPECT_EQ((std::vector<HWND>{nullptr, mainWnd, mainWnd}), boxes.owners);
    EXPECT_EQ(1, activations);
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
