// Alt plus the underlined letter of a caption, pressed on real windows: the
// key messages go to the focused control and through the application's
// message handling, as the keyboard's would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui_helpers.h"
#include "vcl.h"

namespace {

const char kLayout[] = R"(
object MnemonicForm: TMnemonicForm
  Left = 10
  Top = 10
  ClientWidth = 440
  ClientHeight = 250
  Caption = 'Mnemonics'
  object Pages: TPageControl
    Left = 0
    Top = 0
    Width = 440
    Height = 200
    OnChange = PageChanged
    object tsOptions: TTabSheet
      Caption = '&Options'
      object cbGuests: TCheckBox
        Left = 8
        Top = 8
        Width = 200
        Height = 17
        Caption = 'Negative &Guest Count'
        OnClick = Clicked
      end
      object rgPeriod: TRadioGroup
        Left = 8
        Top = 32
        Width = 200
        Height = 100
        Caption = 'Period'
        Items.Strings = (
          'Serving &Period'
          '&Cashier'
          'Orde&r Type')
        OnClick = Clicked
      end
      object Entry: TEdit
        Left = 220
        Top = 8
        Width = 100
        Height = 21
      end
    end
    object tsOther: TTabSheet
      Caption = 'O&ther'
      object HiddenBtn: TButton
        Left = 8
        Top = 8
        Width = 80
        Height = 25
        Caption = '&Hidden'
        OnClick = Clicked
      end
    end
  end
  object SaveBtn: TBitBtn
    Left = 8
    Top = 212
    Width = 120
    Height = 25
    Caption = '&Save Setup'
    ModalResult = mrOk
    OnClick = Clicked
  end
  object ExitBtn: TButton
    Left = 136
    Top = 212
    Width = 80
    Height = 25
    Caption = 'E&xit'
    OnClick = Clicked
  end
  object OffBtn: TButton
    Left = 224
    Top = 212
    Width = 80
    Height = 25
    Caption = '&Disabled'
    Enabled = False
    OnClick = Clicked
  end
end
)";

class TMnemonicForm : public TForm {
public:
    explicit TMnemonicForm(TComponent* owner) : TForm(owner)
    {
        Bind("Clicked", &TMnemonicForm::Clicked);
        Bind("PageChanged", &TMnemonicForm::PageChanged);
        Field("Pages", Pages);
        Field("cbGuests", cbGuests);
        Field("rgPeriod", rgPeriod);
        Field("Entry", Entry);
        ReadLayoutText(kLayout);
    }
    void Clicked(TObject* sender) { clicks.push_back(static_cast<TComponent*>(sender)->Name()); }
    void PageChanged(TObject*) { ++pageChanges; }
    TWinControl* Page(const char* name) { return static_cast<TWinControl*>(FindComponent(name)); }

    TPageControl* Pages = nullptr;
    TCheckBox* cbGuests = nullptr;
    TRadioGroup* rgPeriod = nullptr;
    TEdit* Entry = nullptr;
    std::vector<std::string> clicks;
    int pageChanges = 0;
};

// Posts what the keyboard sends for Alt plus a letter to the focused window.
void PostAlt(char letter)
{
    HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
    const UINT vk = static_cast<UINT>(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
    auto data = [](UINT key, bool up) {
        LPARAM lp = 1 | static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC) << 16) | (1 << 29);
        return up ? lp | (3u << 30) : lp;
    };
    PostMessageA(target, WM_SYSKEYDOWN, VK_MENU, data(VK_MENU, false));
    PostMessageA(target, WM_SYSKEYDOWN, vk, data(vk, false));
    PostMessageA(target, WM_SYSKEYUP, vk, data(vk, true));
    PostMessageA(target, WM_KEYUP, VK_MENU, data(VK_MENU, true) & ~static_cast<LPARAM>(1 << 29));
}

// Types Alt plus a letter on the keyboard, through the platform's input.
void TypeAlt(char letter)
{
    const WORD vk = static_cast<WORD>(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
    INPUT in[4] = {};
    const WORD keys[4] = {VK_MENU, vk, vk, VK_MENU};
    for (int i = 0; i < 4; ++i) {
        in[i].type = INPUT_KEYBOARD;
        in[i].ki.wVk = keys[i];
        in[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(keys[i], MAPVK_VK_TO_VSC));
        in[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
    }
    SendInput(4, in, sizeof(INPUT));
}

// The form shown and active, the focus in its edit.
struct ShownForm {
    TMnemonicForm form{nullptr};
    ShownForm()
    {
        form.Show();
        form.Entry->SetFocus();
        Application->ProcessMessages();
    }
    void Press(char letter)
    {
        PostAlt(letter);
        Application->ProcessMessages();
    }
};

using Names = std::vector<std::string>;

TEST(Mnemonics, AltAndTheUnderlinedLetterClicksAButtonOrTogglesACheckBox)
{
    ShownForm shown;
    TMnemonicForm& f = shown.form;
    ASSERT_EQ(f.Entry->Handle(), GetFocus());
    shown.Press('s');  // the picture button, drawn by the form
    EXPECT_EQ(Names{"SaveBtn"}, f.clicks);
    TypeAlt('x');  // through the platform's input this time, Alt really held
    Application->ProcessMessages();
    EXPECT_EQ((Names{"SaveBtn", "ExitBtn"}), f.clicks);

    shown.Press('g');
    EXPECT_TRUE(f.cbGuests->Checked());
    EXPECT_EQ(BST_CHECKED, SendMessageA(f.cbGuests->Handle(), BM_GETCHECK, 0, 0));
    EXPECT_EQ(f.cbGuests->Handle(), GetFocus());  // as a click would
    shown.Press('G');
    EXPECT_FALSE(f.cbGuests->Checked());
    EXPECT_EQ((Names{"SaveBtn", "ExitBtn", "cbGuests", "cbGuests"}), f.clicks);

    // A disabled button, and a letter nobody underlines: nothing happens.
    shown.Press('d');
    shown.Press('q');
    EXPECT_EQ(4u, f.clicks.size());
}

TEST(Mnemonics, RadioItemsAndTabsAndOnlyWhatThePageShows)
{
    ShownForm shown;
    TMnemonicForm& f = shown.form;
    shown.Press('c');
    EXPECT_EQ(1, f.rgPeriod->ItemIndex());
    EXPECT_EQ(BST_CHECKED, SendMessageA(f.rgPeriod->ButtonHandle(1), BM_GETCHECK, 0, 0));
    shown.Press('r');
    EXPECT_EQ(2, f.rgPeriod->ItemIndex());
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(f.rgPeriod->ButtonHandle(1), BM_GETCHECK, 0, 0));
    EXPECT_EQ((Names{"rgPeriod", "rgPeriod"}), f.clicks);

    shown.Press('h');  // its page is not shown
    EXPECT_EQ(2u, f.clicks.size());

    shown.Press('t');
    EXPECT_EQ(f.Page("tsOther"), f.Pages->ActivePage());
    EXPECT_EQ(1, SendMessageA(f.Pages->Handle(), TCM_GETCURSEL, 0, 0));
    EXPECT_TRUE(IsWindowVisible(f.Page("tsOther")->Handle()));
    EXPECT_EQ(1, f.pageChanges);
    shown.Press('h');
    EXPECT_EQ((Names{"rgPeriod", "rgPeriod", "HiddenBtn"}), f.clicks);
    shown.Press('g');  // the check box's page is hidden now
    EXPECT_FALSE(f.cbGuests->Checked());
    shown.Press('t');  // the page shown already: no change
    EXPECT_EQ(1, f.pageChanges);

    shown.Press('o');
    EXPECT_EQ(f.Page("tsOptions"), f.Pages->ActivePage());
    EXPECT_FALSE(IsWindowVisible(f.Page("tsOther")->Handle()));
    EXPECT_EQ(2, f.pageChanges);
}

TEST(Mnemonics, OnlyTheActiveFormAnswers)
{
    ShownForm behind;
    ShownForm front;
    ASSERT_EQ(front.form.Handle(), GetActiveWindow());
    front.Press('s');
    EXPECT_EQ(Names{"SaveBtn"}, front.form.clicks);
    EXPECT_TRUE(behind.form.clicks.empty());
}

TEST(Mnemonics, AModalFormAnswersInItsOwnLoop)
{
    TMnemonicForm form(nullptr);
    form.OnActivate = [&](TObject*) { PostAlt('s'); };
    TTimer fallback(nullptr);  // ends the loop with Cancel should the key fail
    fallback.SetInterval(5000);
    fallback.OnTimer = [&](TObject*) { form.Close(); };
    EXPECT_EQ(mrOk, form.ShowModal());
    EXPECT_EQ(Names{"SaveBtn"}, form.clicks);
}

}  // namespace
