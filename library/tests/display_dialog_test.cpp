// The display dialog through rilo_display and rilo_short_inq.
#include "dialog_driver.h"
#include "dialog_exports.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

namespace {

constexpr int kList = 1005, kExit = 1035, kBack = 1034, kPrint = 1036, kPageDown = 1046, kPageUp = 1047,
              kTitle = 1026;

std::string TenLines()
{
    std::string text;
    for (int i = 1; i <= 10; ++i)
        text += "Line " + std::to_string(i) + "\x1c";
    return text;
}

class DisplayDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_exports.ok()); }

    int Display(const std::string& lines, int mode, std::vector<DialogDriver::Step> steps,
                const char* caption = "Room 0412")
    {
        DialogDriver driver(std::move(steps));
        int endCode = kUnwritten;
        m_exports.display(caption, lines.c_str(), mode, &endCode);
        m_dialogsSeen = static_cast<int>(driver.Dialogs().size());
        m_stepsRun = driver.StepsRun();
        return endCode;
    }

    DialogExports m_exports{ReferenceBuild()};
    int m_dialogsSeen = 0;
    int m_stepsRun = 0;
};

TEST_F(DisplayDialog, ControlsTakeTheirPlacesOnTheScreen)
{
    const bool portrait = PortraitScreen();
    Display(TenLines(), 1, {[&](HWND d) {
        RECT window;
        GetWindowRect(d, &window);
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), window.right);
        EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), window.bottom);
        const int R = portrait ? 480 : 800;
        EXPECT_EQ((RECT{0, 0, R, 18}), ControlRect(d, kTitle));
        if (!portrait) {
            EXPECT_EQ((RECT{0, 20, 800, 414}), ControlRect(d, kList));
            EXPECT_EQ((RECT{2, 416, 98, 480}), ControlRect(d, kPageDown));
            EXPECT_EQ((RECT{102, 416, 298, 480}), ControlRect(d, kExit));
            EXPECT_EQ((RECT{302, 416, 498, 480}), ControlRect(d, kBack));
            EXPECT_EQ((RECT{502, 416, 698, 480}), ControlRect(d, kPrint));
            EXPECT_EQ((RECT{702, 416, 798, 480}), ControlRect(d, kPageUp));
        } else {
            EXPECT_EQ((RECT{0, 20, 480, 702}), ControlRect(d, kList));
            EXPECT_EQ((RECT{2, 704, 58, 800}), ControlRect(d, kPageDown));
            EXPECT_EQ((RECT{62, 704, 178, 800}), ControlRect(d, kExit));
            EXPECT_EQ((RECT{182, 704, 298, 800}), ControlRect(d, kBack));
            EXPECT_EQ((RECT{302, 704, 418, 800}), ControlRect(d, kPrint));
            EXPECT_EQ((RECT{422, 704, 478, 800}), ControlRect(d, kPageUp));
        }
        EXPECT_EQ(L"Room 0412", WindowTextOf(GetDlgItem(d, kTitle)));
        EXPECT_EQ(L"", WindowTextOf(GetDlgItem(d, kExit))) << "the button paints its own caption";
        SaveScreenshot(d, "display_" + ScreenName());
        Click(d, kBack);
    }});
    EXPECT_EQ(1, m_stepsRun);
}

TEST_F(DisplayDialog, EveryButtonEndsWithItsCode)
{
    EXPECT_EQ(0, Display(TenLines(), 1, {[](HWND d) { Click(d, kExit); }}));
    EXPECT_EQ(1, Display(TenLines(), 1, {[](HWND d) { Click(d, kBack); }}));
    EXPECT_EQ(2, Display(TenLines(), 1, {[](HWND d) { Click(d, kPrint); }}));
    // The dialog class's keyboard defaults pass through as they are.
    EXPECT_EQ(1, Display(TenLines(), 1, {[](HWND d) { SendMessageW(d, WM_COMMAND, IDOK, 0); }}));
    EXPECT_EQ(2, Display(TenLines(), 1, {[](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); }}));
}

TEST_F(DisplayDialog, ModeDecidesWhichButtonsShow)
{
    struct Case {
        int mode;
        bool all;
    } cases[] = {{0, false}, {2, false}, {1, true}, {3, true}, {-1, true}, {65536 + 2, false}, {0x8000, true},
                 {65536, false}};
    for (const Case& c : cases) {
        Display(TenLines(), c.mode, {[&](HWND d) {
            EXPECT_EQ(c.all, IsShown(d, kExit)) << "mode " << c.mode;
            EXPECT_EQ(c.all, IsShown(d, kPrint)) << "mode " << c.mode;
            EXPECT_TRUE(IsShown(d, kBack));
            EXPECT_TRUE(IsShown(d, kPageDown));
            EXPECT_TRUE(IsShown(d, kPageUp));
            Click(d, kBack);
        }});
    }
}

TEST_F(DisplayDialog, FirstLineSelectedAndPagingMovesFourLines)
{
    Display(TenLines(), 1, {[](HWND d) {
        HWND list = GetDlgItem(d, kList);
        EXPECT_EQ(10, ItemCount(list));
        EXPECT_EQ(0, SelectedItem(list));
        EXPECT_EQ(list, GetFocus());
        Click(d, kPageUp);
        EXPECT_EQ(0, SelectedItem(list)) << "page up at the first line stays";
        Click(d, kPageDown);
        EXPECT_EQ(4, SelectedItem(list));
        Click(d, kPageDown);
        EXPECT_EQ(8, SelectedItem(list));
        Click(d, kPageDown);
        EXPECT_EQ(9, SelectedItem(list));
        EXPECT_EQ(list, GetFocus()) << "the focus goes back to the list";
        Click(d, kPageDown);
        EXPECT_EQ(9, SelectedItem(list));
        Click(d, kPageUp);
        EXPECT_EQ(5, SelectedItem(list));
        Click(d, kExit);
    }});
}

TEST_F(DisplayDialog, TapBelowTheLastLineSelectsIt)
{
    Display("One\x1cTwo\x1cThree", 1, {[](HWND d) {
        HWND list = GetDlgItem(d, kList);
        const RECT r = ControlRect(d, kList);
        Tap(d, POINT{r.left + 40, r.bottom - 20});
        EXPECT_EQ(2, SelectedItem(list));
        Click(d, kExit);
    }});
}

TEST_F(DisplayDialog, LinesAreShownAsGiven)
{
    Display("100%s\x1c\x1c%d \xe9t\xe9\x1cLast", 1, {[](HWND d) {
        HWND list = GetDlgItem(d, kList);
        ASSERT_EQ(4, ItemCount(list));
        EXPECT_EQ(L"100%s", ItemText(list, 0));
        EXPECT_EQ(L"", ItemText(list, 1));
        EXPECT_EQ(L"%d \u00e9t\u00e9", ItemText(list, 2));
        EXPECT_EQ(L"Last", ItemText(list, 3));
        Click(d, kExit);
    }});
    Display("", 1, {[](HWND d) {
        HWND list = GetDlgItem(d, kList);
        EXPECT_EQ(0, ItemCount(list));
        EXPECT_EQ(-1, SelectedItem(list));
        Click(d, kPageDown);
        Click(d, kPrint);
    }});
}

TEST_F(DisplayDialog, ScreenChangeRebuildsWithTheSameContent)
{
    int* endCode = nullptr;
    DialogDriver driver({[](HWND d) {
                             SendMessageW(d, WM_SETTINGCHANGE, 0x1234, 0); // other flags: nothing
                         },
                         [&](HWND d) {
                             EXPECT_TRUE(IsWindow(d));
                             SendMessageW(GetDlgItem(d, kList), WM_KEYDOWN, VK_END, 0);
                             SendMessageW(d, WM_SETTINGCHANGE, 0x3002, 0);
                         },
                         [&](HWND d) {
                             HWND list = GetDlgItem(d, kList);
                             EXPECT_EQ(10, ItemCount(list));
                             EXPECT_EQ(0, SelectedItem(list)) << "the selection is not carried over";
                             EXPECT_EQ(L"Room 0412", WindowTextOf(GetDlgItem(d, kTitle)));
                             EXPECT_EQ(kUnwritten, *endCode) << "nothing written between passes";
                             Click(d, kPrint);
                         }});
    int code = kUnwritten;
    endCode = &code;
    m_exports.display("Room 0412", TenLines().c_str(), 1, &code);
    EXPECT_EQ(2, code);
    EXPECT_EQ(3, driver.StepsRun());
    ASSERT_EQ(2u, driver.Dialogs().size()) << "one dialog closed and a new one opened";
    EXPECT_NE(driver.Dialogs()[0], driver.Dialogs()[1]);
}

TEST_F(DisplayDialog, ShortInquiryShowsBackOnlyAndWritesNothing)
{
    DialogDriver driver({[](HWND d) {
        EXPECT_EQ(L"Zenta Rilo V.4.10", WindowTextOf(GetDlgItem(d, kTitle)));
        EXPECT_FALSE(IsShown(d, kExit));
        EXPECT_FALSE(IsShown(d, kPrint));
        EXPECT_TRUE(IsShown(d, kBack));
        EXPECT_EQ(2, ItemCount(GetDlgItem(d, kList)));
        SaveScreenshot(d, "short_inq_" + ScreenName());
        Click(d, kBack);
    }});
    m_exports.shortInq("Version 4.10\x1cReady", "4.10");
    EXPECT_EQ(1, driver.StepsRun());
}

TEST_F(DisplayDialog, NullArgumentsAreEmptyAndUnwritten)
{
    DialogDriver driver({[](HWND d) {
        EXPECT_EQ(L"", WindowTextOf(GetDlgItem(d, kTitle)));
        EXPECT_EQ(0, ItemCount(GetDlgItem(d, kList)));
        Click(d, kExit);
    }});
    m_exports.display(nullptr, nullptr, 1, nullptr);
    EXPECT_EQ(1, driver.StepsRun());
}

} // namespace
