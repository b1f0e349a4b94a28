// A form read from its layout resource: components, positions, captions,
// bound handlers, alignment, tab order, and Loaded after the whole layout.
#include <gtest/gtest.h>

#include "gui_helpers.h"
#include "vcl.h"

namespace {

// Records when the layout has been read: a component declared after it
// must exist by then, and its own property must have been set.
class TProbe : public TComponent {
public:
    using TComponent::TComponent;
    static int loadedCalls;
    static bool siblingFoundAtLoaded;
    static bool loadingDuringProperty;
    void SetProperty(const std::string& name, const TLayoutValue& value) override
    {
        if (SameText(name, "Sibling")) {
            sibling_ = value.AsString();
            loadingDuringProperty = Loading();
        } else {
            TComponent::SetProperty(name, value);
        }
    }
    void Loaded() override
    {
        ++loadedCalls;
        siblingFoundAtLoaded = Owner()->FindComponent(sibling_) != nullptr;
    }

private:
    std::string sibling_;
};
int TProbe::loadedCalls = 0;
bool TProbe::siblingFoundAtLoaded = false;
bool TProbe::loadingDuringProperty = false;

class TLayoutForm : public TForm {
public:
    explicit TLayoutForm(TComponent* owner) : TForm(owner)
    {
        Bind("FormShow", &TLayoutForm::FormShow);
        Bind("SaveBtnClick", &TLayoutForm::SaveBtnClick);
        Bind("ReverseClick", &TLayoutForm::ReverseClick);
        Bind("ClockTimer", &TLayoutForm::ClockTimer);
        Field("SaveBtn", SaveBtn);
        Field("ExitBtn", ExitBtn);
        Field("cbReverse", cbReverse);
        Field("Later", Later);
        Field("Pages", Pages);
        ReadLayout("TLayoutForm");
    }
    void FormShow(TObject*) { ++shows; }
    void SaveBtnClick(TObject* sender) { saveSender = sender; }
    void ReverseClick(TObject*) { ++reverseClicks; }
    void ClockTimer(TObject*) { ++ticks; }

    TBitBtn* SaveBtn = nullptr;
    TBitBtn* ExitBtn = nullptr;
    TCheckBox* cbReverse = nullptr;
    TListBox* Later = nullptr;
    TPageControl* Pages = nullptr;
    int shows = 0, reverseClicks = 0, ticks = 0;
    TObject* saveSender = nullptr;
};

class LayoutTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterComponentClass("TProbe", [](TComponent* o) -> TComponent* { return new TProbe(o); });
    }
};

TEST_F(LayoutTest, ControlsStandWhereTheLayoutPutsThemWithTheirCaptions)
{
    TLayoutForm form(nullptr);
    form.Show();
    Pump();
    HWND h = form.Handle();
    RECT client;
    GetClientRect(h, &client);
    EXPECT_EQ(520, client.right);
    EXPECT_EQ(400, client.bottom);
    EXPECT_EQ("Layout 'test'", WindowText(h));

    HWND save = form.SaveBtn->Handle();
    RECT r = ChildRect(save);
    EXPECT_EQ(98, r.left);
    EXPECT_EQ(4, r.top);
    EXPECT_EQ(150, r.right - r.left);
    EXPECT_EQ(25, r.bottom - r.top);
    EXPECT_EQ("&Save Setup", WindowText(save));
    // The kind gives the stock caption, the layout's own caption comes after it.
    EXPECT_EQ("E&xit", WindowText(form.ExitBtn->Handle()));
    EXPECT_EQ(mrCancel, form.ExitBtn->ModalResult());

    // Aligned panels: banner on top, status bar at the very bottom, the
    // button panel above it, the page control in between.
    auto* banner = static_cast<TControl*>(form.FindComponent("Banner"));
    auto* status = static_cast<TControl*>(form.FindComponent("StatusBar1"));
    auto* panel3 = static_cast<TControl*>(form.FindComponent("Panel3"));
    RECT rb = ChildRect(banner->Handle()), rs = ChildRect(status->Handle()), rp = ChildRect(panel3->Handle()),
         rc = ChildRect(form.Pages->Handle());
    EXPECT_EQ(0, rb.top);
    EXPECT_EQ(32, rb.bottom);
    EXPECT_EQ(520, rb.right);
    EXPECT_EQ(400, rs.bottom);
    EXPECT_EQ(rs.top, rp.bottom);
    EXPECT_EQ(33, rp.bottom - rp.top);
    EXPECT_EQ(32, rc.top);
    EXPECT_EQ(rp.top, rc.bottom);

    // Nested: the edit in the group box on the first page, its text and font.
    auto* edit = static_cast<TMaskEdit*>(form.FindComponent("EdDesc"));
    RECT re = ChildRect(edit->Handle());
    EXPECT_EQ(10, re.left);
    EXPECT_EQ(44, re.top);
    EXPECT_EQ("Tax:", WindowText(edit->Handle()));
    LOGFONTA lf = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(edit->Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT_STREQ("Courier New", lf.lfFaceName);
    EXPECT_EQ(-12, lf.lfHeight);
    // The group box's bold font reaches children that follow their parent.
    auto* combo = static_cast<TComboBox*>(form.FindComponent("cmbPriv"));
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(combo->Handle(), WM_GETFONT, 0, 0)), sizeof lf, &lf);
    EXPECT_EQ(FW_BOLD, lf.lfWeight);
    EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongA(combo->Handle(), GWL_STYLE) & 3);
    EXPECT_EQ(2, static_cast<int>(SendMessageA(combo->Handle(), CB_GETCOUNT, 0, 0)));

    // The list box sorts its items as text.
    EXPECT_EQ("10", form.Later->Items().Strings(0));
    EXPECT_EQ("2", form.Later->Items().Strings(1));
    EXPECT_EQ("9", form.Later->Items().Strings(2));
    form.Later->Items().Add("1");
    EXPECT_EQ(0, form.Later->Items().IndexOf("1"));

    auto* rg = static_cast<TRadioGroup*>(form.FindComponent("RG"));
    EXPECT_EQ(BST_CHECKED, SendMessageA(rg->ButtonHandle(1), BM_GETCHECK, 0, 0));
    EXPECT_EQ("&Order Type", WindowText(rg->ButtonHandle(2)));

    // The first page shows, the second does not.
    EXPECT_TRUE(IsWindowVisible(static_cast<TControl*>(form.FindComponent("tsOptions"))->Handle()));
    EXPECT_FALSE(IsWindowVisible(static_cast<TControl*>(form.FindComponent("tsOther"))->Handle()));
    auto* memo = static_cast<TMemo*>(form.FindComponent("Memo"));
    EXPECT_EQ(2, memo->Lines().Count());
    EXPECT_TRUE(GetWindowLongA(memo->Handle(), GWL_STYLE) & ES_READONLY);

    char text[64] = "";
    SendMessageA(status->Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    int parts[4] = {};
    EXPECT_EQ(2, SendMessageA(status->Handle(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(parts)));
    EXPECT_EQ(300, parts[0]);

    printf("screenshot: %s\n", SaveScreenshot(h, "forms_layout").c_str());
}

TEST_F(LayoutTest, EventsReachTheHandlersTheFormBoundByName)
{
    TLayoutForm form(nullptr);
    EXPECT_EQ(0, form.shows);
    form.Show();
    EXPECT_EQ(1, form.shows);
    SendMessageA(form.SaveBtn->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.SaveBtn, form.saveSender);
    SendMessageA(form.cbReverse->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.cbReverse->Checked());
    form.cbReverse->SetChecked(false);  // a change by the program runs the handler too
    EXPECT_EQ(2, form.reverseClicks);
    form.cbReverse->SetChecked(false);  // no change, no call
    EXPECT_EQ(2, form.reverseClicks);
    // The timer ticks on the message loop.
    MSG msg;
    while (form.ticks < 2 && GetMessageA(&msg, nullptr, 0, 0))
        DispatchMessageA(&msg);
    EXPECT_GE(form.ticks, 2);
}

TEST_F(LayoutTest, LoadedRunsOnceAfterTheWholeLayout)
{
    TProbe::loadedCalls = 0;
    TProbe::siblingFoundAtLoaded = false;
    TLayoutForm form(nullptr);
    EXPECT_EQ(1, TProbe::loadedCalls);
    EXPECT_TRUE(TProbe::siblingFoundAtLoaded);
    EXPECT_TRUE(TProbe::loadingDuringProperty);
}

TEST_F(LayoutTest, TabOrderFollowsTheLayoutNotTheDeclarationOrder)
{
    TLayoutForm form(nullptr);
    form.Show();
    HWND panel = static_cast<TControl*>(form.FindComponent("Panel3"))->Handle();
    // ExitBtn has tab order 0 although it is declared after SaveBtn.
    EXPECT_EQ(form.ExitBtn->Handle(), GetWindow(panel, GW_CHILD));
    EXPECT_EQ(form.SaveBtn->Handle(), GetWindow(form.ExitBtn->Handle(), GW_HWNDNEXT));
}

TEST_F(LayoutTest, APageNotChosenGetsItsWindowsWhenItIsShown)
{
    TLayoutForm form(nullptr);
    form.Show();
    auto* options = static_cast<TControl*>(form.FindComponent("tsOptions"));
    auto* other = static_cast<TTabSheet*>(form.FindComponent("tsOther"));
    auto* memo = static_cast<TMemo*>(form.FindComponent("Memo"));
    EXPECT_TRUE(form.cbReverse->HandleAllocated());
    EXPECT_FALSE(other->HandleAllocated());
    EXPECT_FALSE(memo->HandleAllocated());

    form.Pages->SetActivePage(other);
    ASSERT_TRUE(memo->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(memo->Handle()));
    EXPECT_FALSE(IsWindowVisible(options->Handle()));
    EXPECT_EQ("first\r\nsecond\r\n", WindowText(memo->Handle()));
    // Made late, the page fills the same display area as the first one.
    RECT first = ChildRect(options->Handle()), second = ChildRect(other->Handle());
    EXPECT_TRUE(EqualRect(&first, &second));
    EXPECT_GT(second.bottom - second.top, 100);
}

// Two buttons, the first in tab order hidden at first.
class TLateButtons : public TForm {
public:
    TLateButtons() : TForm(nullptr)
    {
        SetBounds(10, 10, 300, 120);
        Hidden = Add(0, 10);
        Shown = Add(1, 50);
        Hidden->SetVisible(false);
    }
    TButton* Hidden = nullptr;
    TButton* Shown = nullptr;

private:
    TButton* Add(int tabOrder, int top)
    {
        auto* button = new TButton(this);
        button->SetBounds(10, top, 100, 25);
        button->SetTabOrder(tabOrder);
        button->SetParent(this);
        return button;
    }
};

TEST_F(LayoutTest, AHiddenControlGetsItsWindowLateInItsTabOrderPlace)
{
    TLateButtons shownLater;
    shownLater.Show();
    EXPECT_FALSE(shownLater.Hidden->HandleAllocated());
    shownLater.Hidden->Show();
    ASSERT_TRUE(shownLater.Hidden->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(shownLater.Hidden->Handle()));
    EXPECT_EQ(shownLater.Hidden->Handle(), GetWindow(shownLater.Handle(), GW_CHILD));

    // Asked for, the window is made hidden, in the same place.
    TLateButtons asked;
    asked.Show();
    HWND hidden = asked.Hidden->Handle();
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ(hidden, GetWindow(asked.Handle(), GW_CHILD));
    EXPECT_EQ(asked.Shown->Handle(), GetWindow(hidden, GW_HWNDNEXT));
}

class TBareForm : public TForm {
public:
    explicit TBareForm(const std::string& layout) : TForm(nullptr)
    {
        Bind("Known", &TBareForm::Known);
        ReadLayoutText(layout);
    }
    void Known(TObject*) {}
};

// What reading the layout reports, or "no error".
std::string LayoutMessage(const std::string& layout)
{
    try {
        TBareForm f(layout);
    } catch (const ELayoutError& e) {
        return e.what();
    }
    return "no error";
}

TEST_F(LayoutTest, MistakesInALayoutAreReportedWithTheirLine)
{
    EXPECT_EQ("layout line 3: handler Unknown is not bound by the form",
              LayoutMessage("object F: TBareForm\n  object B: TButton\n    OnClick = Unknown\n  end\nend"));
    EXPECT_EQ("layout line 2: unknown property Colour",
              LayoutMessage("object F: TBareForm\n  Colour = clRed\nend"));
    EXPECT_EQ("layout line 2: class TNoSuch not found",
              LayoutMessage("object F: TBareForm\n  object X: TNoSuch\n  end\nend"));
    EXPECT_EQ("layout line 2: integer expected", LayoutMessage("object F: TBareForm\n  Left = clNoColour\nend"));
    EXPECT_EQ("layout line 3: unterminated text", LayoutMessage("object F: TBareForm\n\n  Caption = 'open\nend"));
    EXPECT_EQ("no error", LayoutMessage("object F: TBareForm\n  Caption = 'a'#13#10'b' + 'c'\nend"));
}

TEST_F(LayoutTest, ANumberTooLargeIsALayoutErrorWithItsLine)
{
    EXPECT_EQ("layout line 3: number out of range",
              LayoutMessage("object F: TBareForm\n\n  Tag = 99999999999999999999\nend"));
}

TEST_F(LayoutTest, GridOptionsAreReadAndOnlyTheGridsOwnNamesTaken)
{
    TBareForm form(
        "object F: TBareForm\n"
        "  object Locator: TStringGrid\n"
        "    Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect]\n"
        "  end\n"
        "  object Taxes: TStringGrid\n"
        "    Options = [goFixedHorzLine, goEditing, goRangeSelect, goDrawFocusSelected, goColSizing]\n"
        "  end\n"
        "  object Plain: TStringGrid\n"
        "  end\n"
        "end");
    auto options = [&](const char* name) { return static_cast<TStringGrid*>(form.FindComponent(name))->Options(); };
    EXPECT_EQ(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRowSelect, options("Locator"));
    EXPECT_EQ(goFixedHorzLine | goEditing | goRangeSelect | goDrawFocusSelected | goColSizing, options("Taxes"));
    EXPECT_EQ(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine, options("Plain"));

    EXPECT_EQ("layout line 3: unknown grid option goTabs",
              LayoutMessage("object F: TBareForm\n  object G: TStringGrid\n    Options = [goRowSelect, goTabs]\n"
                            "  end\nend"));
    EXPECT_EQ("layout line 3: set expected",
              LayoutMessage("object F: TBareForm\n  object G: TStringGrid\n    Options = goRowSelect\n  end\nend"));
}

}  // namespace
