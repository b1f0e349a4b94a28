// The guest-functions dialog through rilo_gst_select.
#include "dialog_driver.h"
#include "dialog_exports.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr int kList = 1045, kTitle = 1026, kIcon = 1031, kMessage = 1033, kLocator = 1011, kExit = 1035;
constexpr int kFunctions[6] = {1015, 1016, 1017, 1018, 1019, 1020};

// How many pixels of the window's client area have exactly this colour.
int PixelsOf(HWND window, COLORREF colour)
{
    PaintNow(GetAncestor(window, GA_ROOT));
    RECT r;
    GetClientRect(window, &r);
    HDC dc = GetDC(window);
    int n = 0;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            n += GetPixel(dc, x, y) == colour;
    ReleaseDC(window, dc);
    return n;
}

class GuestDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_exports.ok()); }

    int Select(int mode, const char* markers, std::vector<DialogDriver::Step> steps,
               const char* guest = "0412  SMITH JOHN")
    {
        DialogDriver driver(std::move(steps));
        int endCode = kUnwritten;
        m_exports.gstSelect("Guest Functions", "Room  Name", guest, markers, mode, &endCode);
        m_stepsRun = driver.StepsRun();
        return endCode;
    }

    DialogExports m_exports{ReferenceBuild()};
    int m_stepsRun = 0;
};

TEST_F(GuestDialog, ControlsTakeTheirPlacesOnTheScreen)
{
    const bool portrait = PortraitScreen();
    Select(0, "ML", {[&](HWND d) {
        const int R = portrait ? 480 : 800;
        EXPECT_EQ((RECT{0, 0, R, 25}), ControlRect(d, kTitle));
        EXPECT_EQ((RECT{0, 30, R, 95}), ControlRect(d, kList));
        EXPECT_EQ((RECT{10, 105, 26, 120}), ControlRect(d, kIcon));
        EXPECT_EQ((RECT{30, 105, 220, 125}), ControlRect(d, kMessage));
        EXPECT_EQ((RECT{30, 125, 220, 145}), ControlRect(d, kLocator));
        const int u = portrait ? 160 : 266;
        const int rows[2][2] = {{170, portrait ? 327 : 247}, {portrait ? 332 : 252, portrait ? 489 : 329}};
        for (int i = 0; i < 6; ++i) {
            const int column = i % 3, row = i / 3;
            EXPECT_EQ((RECT{column * u + 2, rows[row][0], (column + 1) * u - 2, rows[row][1]}),
                      ControlRect(d, kFunctions[i]))
                << kFunctions[i];
        }
        EXPECT_EQ(portrait ? (RECT{2, 638, 478, 795}) : (RECT{2, 398, 798, 475}), ControlRect(d, kExit));
        EXPECT_EQ(L"Guest has a Message", WindowTextOf(GetDlgItem(d, kMessage)));
        EXPECT_EQ(L"Guest has a Locator", WindowTextOf(GetDlgItem(d, kLocator)));
        HWND list = GetDlgItem(d, kList);
        EXPECT_EQ(1, ItemCount(list));
        EXPECT_EQ(L"0412  SMITH JOHN", ItemText(list, 0));
        SaveScreenshot(d, "guest_" + ScreenName());
        Click(d, kExit);
    }});
}

TEST_F(GuestDialog, EveryButtonEndsWithItsCode)
{
    EXPECT_EQ(0, Select(0, "", {[](HWND d) { Click(d, kExit); }}));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(i + 1, Select(0, "", {[i](HWND d) { Click(d, kFunctions[i]); }}));
    EXPECT_EQ(1, Select(3, "", {[](HWND d) { SendMessageW(d, WM_COMMAND, IDOK, 0); }}));
    EXPECT_EQ(2, Select(1, "", {[](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); }}));
}

TEST_F(GuestDialog, ModeHidesButtonsThatKeepTheirPlaces)
{
    const std::map<int, std::vector<bool>> shown = {
        {1, {false, false, false, false, false, false}}, {2, {true, true, true, true, false, false}},
        {3, {true, true, false, false, false, false}},   {0, {true, true, true, true, true, true}},
        {4, {true, true, true, true, true, true}},       {-1, {true, true, true, true, true, true}},
        {65536 + 1, {false, false, false, false, false, false}}};
    std::map<int, RECT> places;
    Select(0, "", {[&](HWND d) {
        for (int id : kFunctions)
            places[id] = ControlRect(d, id);
        Click(d, kExit);
    }});
    for (const auto& entry : shown) {
        Select(entry.first, "", {[&](HWND d) {
            for (int i = 0; i < 6; ++i) {
                EXPECT_EQ(entry.second[static_cast<size_t>(i)], IsShown(d, kFunctions[i]))
                    << "mode " << entry.first << " button " << kFunctions[i];
                EXPECT_EQ(places[kFunctions[i]], ControlRect(d, kFunctions[i]));
            }
            EXPECT_TRUE(IsShown(d, kExit));
            if (entry.first == 2)
                SaveScreenshot(d, "guest_mode2_" + ScreenName());
            Click(d, kExit);
        }});
    }
}

TEST_F(GuestDialog, MarkersShowTheIndicators)
{
    struct Case {
        const char* markers;
        bool message, locator;
    } cases[] = {{"M", true, false}, {"L", false, true},  {"ML", true, true},  {"LM", true, true},
                 {"xMy", true, false}, {"aLbMc", true, true}, {"m", false, false}, {"l", false, false},
                 {"", false, false},   {"ml", false, false}};
    for (const Case& c : cases) {
        Select(0, c.markers, {[&](HWND d) {
            EXPECT_EQ(c.message, IsShown(d, kMessage)) << c.markers;
            EXPECT_EQ(c.message, IsShown(d, kIcon)) << c.markers;
            EXPECT_EQ(c.locator, IsShown(d, kLocator)) << c.markers;
            Click(d, kExit);
        }});
    }
}

TEST_F(GuestDialog, GuestLineIsOneRowAndNotSplit)
{
    Select(0, "", {[](HWND d) {
                       HWND list = GetDlgItem(d, kList);
                       EXPECT_EQ(1, ItemCount(list));
                       EXPECT_EQ(L"A\x1c" L"B \u00e9", ItemText(list, 0));
                       Click(d, kExit);
                   }},
           "A\x1c" "B \xe9");
    Select(0, "", {[](HWND d) {
                       EXPECT_EQ(1, ItemCount(GetDlgItem(d, kList)));
                       Click(d, kExit);
                   }},
           "");
}

TEST_F(GuestDialog, ColoursOfHeadingRowAndButtons)
{
    Select(0, "ML", {[](HWND d) {
        HWND list = GetDlgItem(d, kList);
        RECT item = {LVIR_LABEL, 0, 0, 0};
        SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
        // Behind the row's text: green.
        EXPECT_EQ(RGB(0, 255, 0), PixelOf(list, item.left + 2, item.top + 1));
        HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
        RECT h;
        GetClientRect(header, &h);
        EXPECT_EQ(RGB(255, 255, 0), PixelOf(header, h.right - 5, h.bottom / 2));

        // The indicators: white paper, the message in blue, the locator in dark green.
        const struct {
            int id;
            COLORREF ink;
        } indicators[] = {{kMessage, RGB(0, 0, 255)}, {kLocator, RGB(0, 100, 0)}};
        for (const auto& indicator : indicators) {
            HWND label = GetDlgItem(d, indicator.id);
            EXPECT_EQ(RGB(255, 255, 255), PixelOf(label, 0, 0)) << indicator.id;
            EXPECT_GT(PixelsOf(label, indicator.ink), 10) << indicator.id << " ink";
        }

        // A rounded face: grey inside, the corner outside the rounding grey too.
        HWND exit = GetDlgItem(d, kExit);
        RECT b;
        GetClientRect(exit, &b);
        EXPECT_EQ(RGB(192, 192, 192), PixelOf(exit, 0, 0));
        EXPECT_EQ(RGB(192, 192, 192), PixelOf(exit, b.right - 1, b.bottom - 1));
        EXPECT_EQ(RGB(192, 192, 192), PixelOf(exit, 20, b.bottom / 2));
        EXPECT_EQ(RGB(0, 0, 0), PixelOf(exit, b.right / 2, 0)) << "the outline of the rounded rectangle";

        // Held down, the face takes the pressed colour; released outside, no click.
        SendMessageW(exit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), PixelOf(exit, 20, b.bottom / 2));
        EXPECT_EQ(RGB(192, 192, 192), PixelOf(exit, 0, 0));
        SaveScreenshot(d, "guest_pressed_" + ScreenName());
        SendMessageW(exit, WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
        EXPECT_EQ(RGB(192, 192, 192), PixelOf(exit, 20, b.bottom / 2));
        EXPECT_TRUE(IsWindow(d)) << "a release off the button sends no click";
        Click(d, kExit);
    }});
    EXPECT_EQ(1, m_stepsRun);
}

TEST_F(GuestDialog, ScreenChangeRebuildsWithTheSameContent)
{
    int code = kUnwritten;
    DialogDriver driver({[](HWND d) { SendMessageW(d, WM_SETTINGCHANGE, 0x3002, 0); },
                         [&](HWND d) {
                             EXPECT_EQ(kUnwritten, code);
                             EXPECT_FALSE(IsShown(d, kFunctions[4]));
                             EXPECT_TRUE(IsShown(d, kMessage));
                             EXPECT_FALSE(IsShown(d, kLocator));
                             EXPECT_EQ(L"0412  SMITH", ItemText(GetDlgItem(d, kList), 0));
                             Click(d, kFunctions[3]);
                         }});
    m_exports.gstSelect("Guest", "Room  Name", "0412  SMITH", "M", 2, &code);
    EXPECT_EQ(4, code);
    EXPECT_EQ(2u, driver.Dialogs().size());
}

} // namespace
