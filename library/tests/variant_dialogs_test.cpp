// The CE 3.0 handler sets of the three variant templates, on the library's
// resources carried by the test program: every button ends or scrolls as
// its table says.
#include "dialog_driver.h"
#include "dialog_exports.h"
#include "variant_dialogs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class VariantDialogs : public testing::Test {
protected:
    void SetUp() override { AfxWinInit(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL); }

    template <class Dialog>
    int Run(std::vector<DialogDriver::Step> steps)
    {
        DialogDriver driver(std::move(steps));
        Dialog dialog;
        return static_cast<int>(dialog.DoModal());
    }
};

// Fills the list of a variant with ten rows.
void TenRows(HWND d)
{
    HWND list = GetDlgItem(d, 1005);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 200;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    for (int i = 0; i < 10; ++i) {
        const std::wstring text = L"Row " + std::to_wstring(i + 1);
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
}

TEST_F(VariantDialogs, DisplayVariantEndsAndPages)
{
    EXPECT_EQ(0, Run<CDisplayVariantDlg>({[](HWND d) { Click(d, 1035); }}));
    EXPECT_EQ(1, Run<CDisplayVariantDlg>({[](HWND d) { Click(d, 1034); }}));
    EXPECT_EQ(2, Run<CDisplayVariantDlg>({[](HWND d) {
                  TenRows(d);
                  Click(d, 1046);
                  EXPECT_EQ(4, SelectedItem(GetDlgItem(d, 1005)));
                  Click(d, 1047);
                  EXPECT_EQ(0, SelectedItem(GetDlgItem(d, 1005)));
                  Click(d, 1036);
              }}));
}

TEST_F(VariantDialogs, ListVariantMovesTheChoiceAndEnds)
{
    struct Case {
        std::vector<int> buttons;
        int code;
    } cases[] = {{{1004}, 1},       {{1001, 1004}, 2},       {{1002, 1004}, 5}, {{1003, 1004}, 10},
                 {{1003, 1012, 1004}, 9}, {{1003, 1013, 1004}, 6}, {{1003, 1014, 1004}, 1}, {{1003, 1011}, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.code, Run<CListVariantDlg>({[&](HWND d) {
                      TenRows(d);
                      for (int id : c.buttons)
                          Click(d, id);
                  }}));
    }
}

TEST_F(VariantDialogs, ListVariantClickBelowTheRowsChoosesTheLast)
{
    EXPECT_EQ(10, Run<CListVariantDlg>({[](HWND d) {
                  TenRows(d);
                  HWND list = GetDlgItem(d, 1005);
                  LVITEMW none = {};
                  none.stateMask = LVIS_SELECTED;
                  SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
                  NMITEMACTIVATE click = {};
                  click.hdr = {list, 1005, static_cast<UINT>(NM_CLICK)};
                  click.iItem = -1;
                  SendMessageW(d, WM_NOTIFY, 1005, reinterpret_cast<LPARAM>(&click));
                  Click(d, 1004);
              }}));
}

TEST_F(VariantDialogs, GuestVariantButtonsGiveTheirCodes)
{
    const int ids[7] = {1027, 1015, 1016, 1017, 1018, 1019, 1020};
    for (int code = 0; code <= 6; ++code)
        EXPECT_EQ(code, Run<CGuestVariantDlg>({[&](HWND d) { Click(d, ids[code]); }}));
    Run<CGuestVariantDlg>({[](HWND d) {
        EXPECT_TRUE(GetWindowLongW(d, GWL_STYLE) & WS_CAPTION);
        HBITMAP shown = reinterpret_cast<HBITMAP>(SendMessageW(GetDlgItem(d, 1031), STM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP info = {};
        GetObjectW(shown, sizeof info, &info);
        EXPECT_EQ(16, info.bmWidth) << "bitmap 154";
        EXPECT_EQ(16, info.bmHeight);
        Click(d, 1027);
    }});
}

} // namespace
