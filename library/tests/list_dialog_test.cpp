// The list-input dialog through rilo_list_input.
#include "dialog_driver.h"
#include "dialog_exports.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kList = 1037, kTitle = 1026, kLineDown = 1038, kPageDown = 1039, kEnd = 1040, kLineUp = 1006,
              kPageUp = 1007, kHome = 1008, kOk = 1041, kAbort = 1005;

std::string TenItems()
{
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += "Tender " + std::to_string(i) + "\x1c";
    return text;
}

class ListDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_exports.ok()); }

    int Choose(const std::string& items, std::vector<DialogDriver::Step> steps)
    {
        DialogDriver driver(std::move(steps));
        int endCode = kUnwritten;
        m_exports.listInput("Select Tender", "Tender Media", items.c_str(), 77, "4.10", &endCode);
        m_stepsRun = driver.StepsRun();
        m_dialogs = driver.Dialogs();
        return endCode;
    }

    // Presses the buttons in order, then OK.
    int PressThenOk(std::vector<int> buttons, const std::string& items = TenItems())
    {
        return Choose(items, {[buttons](HWND d) {
                          for (int id : buttons)
                              Click(d, id);
                          Click(d, kOk);
                      }});
    }

    DialogExports m_exports{ReferenceBuild()};
    int m_stepsRun = 0;
    std::vector<HWND> m_dialogs;
};

TEST_F(ListDialog, ControlsTakeTheirPlacesOnTheScreen)
{
    const bool portrait = PortraitScreen();
    Choose(TenItems(), {[&](HWND d) {
        if (!portrait) {
            EXPECT_EQ((RECT{0, 0, 800, 18}), ControlRect(d, kTitle));
            EXPECT_EQ((RECT{0, 20, 800, 368}), ControlRect(d, kList));
            const int columns[6][2] = {{2, 131}, {135, 264}, {268, 397}, {401, 530}, {534, 663}, {667, 796}};
            const int ids[6] = {kLineDown, kPageDown, kEnd, kLineUp, kPageUp, kHome};
            for (int k = 0; k < 6; ++k)
                EXPECT_EQ((RECT{columns[k][0], 370, columns[k][1], 421}), ControlRect(d, ids[k])) << k;
            EXPECT_EQ((RECT{2, 423, 395, 475}), ControlRect(d, kOk));
            EXPECT_EQ((RECT{405, 423, 798, 475}), ControlRect(d, kAbort));
        } else {
            EXPECT_EQ((RECT{0, 0, 480, 18}), ControlRect(d, kTitle));
            EXPECT_EQ((RECT{0, 20, 480, 624}), ControlRect(d, kList));
            const int ids[6] = {kLineDown, kPageDown, kEnd, kLineUp, kPageUp, kHome};
            for (int k = 0; k < 6; ++k)
                EXPECT_EQ((RECT{k * 80 + 2, 626, (k + 1) * 80 - 2, 709}), ControlRect(d, ids[k])) << k;
            EXPECT_EQ((RECT{2, 711, 235, 795}), ControlRect(d, kOk));
            EXPECT_EQ((RECT{245, 711, 478, 795}), ControlRect(d, kAbort));
        }
        EXPECT_EQ(L"Select Tender", WindowTextOf(GetDlgItem(d, kTitle)));
        SaveScreenshot(d, "list_input_" + ScreenName());
        Click(d, kAbort);
    }});
    EXPECT_EQ(1, m_stepsRun);
}

TEST_F(ListDialog, ArrowButtonsMoveTheChoice)
{
    EXPECT_EQ(1, PressThenOk({}));
    EXPECT_EQ(2, PressThenOk({kLineDown}));
    EXPECT_EQ(10, PressThenOk({kEnd}));
    EXPECT_EQ(6, PressThenOk({kEnd, kPageUp}));
    EXPECT_EQ(1, PressThenOk({kEnd, kHome}));
    EXPECT_EQ(5, PressThenOk({kPageDown}));
    EXPECT_EQ(10, PressThenOk({kPageDown, kPageDown, kPageDown}));
    EXPECT_EQ(9, PressThenOk({kEnd, kLineUp}));
    EXPECT_EQ(1, PressThenOk({kLineUp, kPageUp}));
}

TEST_F(ListDialog, AbortAndEmptyListGiveZero)
{
    EXPECT_EQ(0, Choose(TenItems(), {[](HWND d) {
                            Click(d, kEnd);
                            Click(d, kAbort);
                        }}));
    EXPECT_EQ(0, PressThenOk({kLineDown}, ""));
    EXPECT_EQ(0, Choose("", {[](HWND d) {
                            EXPECT_EQ(0, ItemCount(GetDlgItem(d, kList)));
                            Click(d, kOk);
                        }}));
}

TEST_F(ListDialog, ItemsFollowTheListRule)
{
    // An empty item counts; the last piece without a separator is dropped.
    EXPECT_EQ(3, Choose("First\x1c\x1c\xc4pfel 100%\x1c" "dropped", {[](HWND d) {
                            HWND list = GetDlgItem(d, kList);
                            EXPECT_EQ(3, ItemCount(list));
                            EXPECT_EQ(L"", ItemText(list, 1));
                            EXPECT_EQ(L"\u00c4pfel 100%", ItemText(list, 2));
                            Click(d, kEnd);
                            Click(d, kOk);
                        }}));
}

TEST_F(ListDialog, TapChoosesARow)
{
    EXPECT_EQ(3, Choose(TenItems(), {[](HWND d) {
                            HWND list = GetDlgItem(d, kList);
                            RECT item = {LVIR_BOUNDS, 0, 0, 0};
                            SendMessageW(list, LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
                            POINT p = {item.left + 20, (item.top + item.bottom) / 2};
                            MapWindowPoints(list, d, &p, 1);
                            Tap(d, p);
                            EXPECT_EQ(2, SelectedItem(list));
                            Click(d, kOk);
                        }}));
}

TEST_F(ListDialog, ScreenChangeRebuildsAndWritesOnce)
{
    int code = kUnwritten;
    // Rebuilt as often as the screen changes, not just once.
    DialogDriver driver({[](HWND d) {
                             Click(d, kEnd);
                             SendMessageW(d, WM_SETTINGCHANGE, 0x3002, 0);
                         },
                         [](HWND d) { SendMessageW(d, WM_SETTINGCHANGE, 0x3002, 0); },
                         [&](HWND d) {
                             EXPECT_EQ(kUnwritten, code);
                             EXPECT_EQ(10, ItemCount(GetDlgItem(d, kList)));
                             EXPECT_EQ(0, SelectedItem(GetDlgItem(d, kList)));
                             Click(d, kLineDown);
                             Click(d, kOk);
                         }});
    m_exports.listInput("Select Tender", "Tender Media", TenItems().c_str(), 0, "4.10", &code);
    EXPECT_EQ(2, code);
    EXPECT_EQ(3u, driver.Dialogs().size());
}

TEST_F(ListDialog, HeadingIsBlackOnYellow)
{
    Choose(TenItems(), {[](HWND d) {
        HWND header = reinterpret_cast<HWND>(SendMessageW(GetDlgItem(d, kList), LVM_GETHEADER, 0, 0));
        RECT r;
        GetClientRect(header, &r);
        EXPECT_EQ(RGB(255, 255, 0), PixelOf(header, r.right - 5, r.bottom / 2));
        // The heading's text is black somewhere in its first letters.
        bool black = false;
        for (int x = 2; x < 60 && !black; ++x)
            for (int y = 1; y < r.bottom - 1 && !black; ++y)
                black = PixelOf(header, x, y) == RGB(0, 0, 0);
        EXPECT_TRUE(black);
        Click(d, kAbort);
    }});
}

} // namespace
