// Modal forms: how they end (default button, Escape, frame), created once
// and hidden between uses, OnActivate when a form becomes the application's
// active form (not when a message box it owns gives the window back, nor
// when the user comes back from another program).
#include <gtest/gtest.h>

#include "gui_helpers.h"
#include "vcl.h"

namespace {

class TDialogForm : public TForm {
public:
    explicit TDialogForm(TComponent* owner) : TForm(owner)
    {
        Bind("FormActivate", &TDialogForm::FormActivate);
        Bind("FormClose", &TDialogForm::FormClose);
        Field("MinEdit", MinEdit);
        Field("BitBtn2", OkBtn);
        ReadLayout("TDialogForm");
    }
    // The test's step runs inside the form's own modal loop.
    void FormActivate(TObject*)
    {
        ++activations;
        if (step)
            step(this);
    }
    void FormClose(TObject*, TCloseAction&) { ++closes; }

    TMaskEdit* MinEdit = nullptr;
    TBitBtn* OkBtn = nullptr;
    std::function<void(TDialogForm*)> step;
    int activations = 0, closes = 0;
};

void PostKey(WPARAM key)
{
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 0);
}

TEST(ModalForm, EndsWithOkByEnterAndCancelByEscapeOrTheFrame)
{
    TDialogForm form(nullptr);
    HWND created = form.Handle();

    // Enter in the edit presses the default button.
    form.step = [](TDialogForm* f) {
        f->MinEdit->SetFocus();
        PostKey(VK_RETURN);
    };
    EXPECT_EQ(mrOk, form.ShowModal());
    EXPECT_FALSE(IsWindowVisible(created));

    form.step = [](TDialogForm* f) {
        f->MinEdit->SetFocus();
        PostKey(VK_ESCAPE);
    };
    EXPECT_EQ(mrCancel, form.ShowModal());

    form.step = [](TDialogForm* f) { PostMessageA(f->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); };
    EXPECT_EQ(mrCancel, form.ShowModal());

    // Enter on a focused button presses that button, not the default one.
    form.step = [](TDialogForm* f) {
        static_cast<TWinControl*>(f->FindComponent("BitBtn1"))->SetFocus();
        PostKey(VK_RETURN);
    };
    EXPECT_EQ(mrCancel, form.ShowModal());

    // The same window served every showing, activated and closed each time.
    EXPECT_EQ(created, form.Handle());
    EXPECT_EQ(4, form.activations);
    EXPECT_EQ(4, form.closes);
}

TEST(ModalForm, DisablesTheOtherWindowsWhileUpAndShowsCentred)
{
    TForm owner(nullptr);
    owner.SetBounds(0, 0, 200, 100);
    owner.Show();
    TDialogForm form(nullptr);
    bool ownerEnabledDuring = true;
    RECT during = {};
    form.step = [&](TDialogForm* f) {
        ownerEnabledDuring = IsWindowEnabled(owner.Handle()) != FALSE;
        GetWindowRect(f->Handle(), &during);
        f->SetModalResult(mrOk);
    };
    EXPECT_EQ(mrOk, form.ShowModal());
    EXPECT_FALSE(ownerEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(306, client.right);
    EXPECT_EQ(103, client.bottom);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (during.right - during.left)) / 2, during.left);
}

TEST(ModalForm, AClientSizeGivenBeforeTheWindowIsCentredWithItsFrame)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsDialog);
    form.SetPosition(poScreenCenter);
    form.SetClientWidth(300);
    form.SetClientHeight(150);
    form.Show();
    RECT outer, client;
    GetWindowRect(form.Handle(), &outer);
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(300, client.right);
    EXPECT_EQ(150, client.bottom);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2, outer.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2, outer.top);
}

TEST(ModalForm, TheOuterSizeIsKnownFromTheLayoutBeforeTheWindowExists)
{
    TDialogForm shown(nullptr);
    RECT outer;
    GetWindowRect(shown.Handle(), &outer);
    const int shownWidth = outer.right - outer.left;
    TDialogForm form(nullptr);
    ASSERT_FALSE(form.HandleAllocated());
    EXPECT_EQ(shownWidth, form.Width());
    EXPECT_EQ(outer.bottom - outer.top, form.Height());
    // A width set before the window exists is the window's width.
    form.SetWidth(2 * form.Width());
    GetWindowRect(form.Handle(), &outer);
    EXPECT_EQ(2 * shownWidth, outer.right - outer.left);
}

TEST(ModalForm, ACloseHandlerThatRefusesKeepsTheFormUp)
{
    TDialogForm form(nullptr);
    int refusals = 0;
    form.OnClose = [&](TObject*, TCloseAction& action) {
        if (refusals++ == 0) {
            action = caNone;
            PostMessageA(form.Handle(), WM_CLOSE, 0, 0);  // ask again
        }
    };
    form.step = [](TDialogForm* f) { PostMessageA(f->Handle(), WM_CLOSE, 0, 0); };
    EXPECT_EQ(mrCancel, form.ShowModal());
    EXPECT_EQ(2, refusals);
}

TEST(Activation, AMessageBoxOwnedByTheFormDoesNotActivateItAgain)
{
    TDialogForm form(nullptr);
    // Presses OK on the box.
    ActivationHook answer([&form](HWND w) {
        if (w != form.Handle())
            if (HWND ok = FindChild(w, "Button", "OK"))
                PostMessageA(ok, BM_CLICK, 0, 0);
    });
    form.step = [](TDialogForm* f) {
        if (f->activations == 1)
            MessageDlg("You must fill in all fields", mtInformation, mbOK);
        f->SetModalResult(mrOk);
    };
    EXPECT_EQ(mrOk, form.ShowModal());
    EXPECT_EQ(1, form.activations);
    // Shown again, the form is activated again.
    form.step = [](TDialogForm* f) { f->SetModalResult(mrCancel); };
    EXPECT_EQ(mrCancel, form.ShowModal());
    EXPECT_EQ(2, form.activations);
}

TEST(Activation, TheOwnerIsActivatedAgainAfterAModalFormOfTheApplication)
{
    TDialogForm owner(nullptr);
    owner.Show();
    Pump();
    ASSERT_EQ(1, owner.activations);
    EXPECT_EQ(&owner, Screen->ActiveForm());
    TDialogForm picker(nullptr);
    picker.step = [](TDialogForm* f) { f->SetModalResult(mrOk); };
    picker.ShowModal();
    Pump();
    EXPECT_EQ(1, picker.activations);
    EXPECT_EQ(2, owner.activations);
    EXPECT_EQ(&owner, Screen->ActiveForm());
}

// Coming back from another program is no activation of the form: a picker
// keeps what the user chose in it. A form of the application that takes the
// focus meanwhile is activated.
TEST(Activation, TheFormIsNotActivatedAgainAfterAnotherProgram)
{
    TDialogForm form(nullptr);
    form.Show();
    Pump();
    ASSERT_EQ(1, form.activations);
    TForm* activeWhileAway = nullptr;
    ASSERT_TRUE(VisitAnotherProgram(form.Handle(), [&] { activeWhileAway = Screen->ActiveForm(); }));
    Pump();
    EXPECT_EQ(&form, activeWhileAway);
    EXPECT_EQ(1, form.activations);
    EXPECT_EQ(&form, Screen->ActiveForm());
    EXPECT_EQ(form.Handle(), GetActiveWindow());

    TDialogForm other(nullptr);
    other.Show();
    Pump();
    ASSERT_TRUE(VisitAnotherProgram(form.Handle()));
    Pump();
    EXPECT_EQ(2, form.activations);
    EXPECT_EQ(&form, Screen->ActiveForm());
}

}  // namespace
