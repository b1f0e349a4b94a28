// The CE 5 and CE 3.0 builds through their exports on the screen the test
// runs on: placement, shell calls, pictures, captions, fonts and the one
// modal run.
#include "ceshell.h"
#include "dialog_driver.h"
#include "dialog_exports.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kGuestExit = 1035, kReservation = 1015, kGuestList = 1045, kTitle = 1026;
constexpr int kFunctions[6] = {1015, 1016, 1017, 1018, 1019, 1020};
constexpr int kDisplayExit = 1035, kDisplayList = 1005, kListAbort = 1005, kListItems = 1037;

const Flavour& Build(const char* name)
{
    for (const Flavour& f : AllFlavours())
        if (std::string(f.name) == name)
            return f;
    return AllFlavours()[0];
}

int ScreenW() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenH() { return GetSystemMetrics(SM_CYSCREEN); }
bool LargeCe30Screen() { return ScreenW() >= 480 && ScreenH() >= 640; }

// A stand-in for the shell's task bar, across the top of the screen.
class TaskBar {
public:
    explicit TaskBar(int height)
    {
        WNDCLASSW cls = {};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"HHTaskBar";
        RegisterClassW(&cls);
        m_hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"HHTaskBar", L"", WS_POPUP | WS_VISIBLE, 0, 0, ScreenW(), height,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~TaskBar() { DestroyWindow(m_hwnd); }
    HWND hwnd() const { return m_hwnd; }

private:
    HWND m_hwnd;
};

std::vector<CeShellCall> Calls(const CeShellRecord& r)
{
    return std::vector<CeShellCall>(r.calls, r.calls + (r.callCount < 8 ? r.callCount : 8));
}

LOGFONTW ListFont(HWND dialog, int id)
{
    LOGFONTW lf = {};
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(GetDlgItem(dialog, id), WM_GETFONT, 0, 0));
    GetObjectW(font, sizeof lf, &lf);
    return lf;
}

// Whether the build's bitmap shows unchanged at (x, y) of the window.
bool ShowsBitmap(HWND window, const Flavour& build, int id, int x, int y)
{
    return ShowsBitmapAt(window, GetModuleHandleA(BesideProgram(build.path).c_str()), id, x, y);
}

RECT ClientOf(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    return r;
}

// ---------------------------------------------------------------- CE 5

class Ce5Build : public testing::Test {
protected:
    void SetUp() override
    {
        // The CE 5 handhelds' layout needs a screen of at least 480 pixels.
        if (ScreenW() < 480 && ScreenH() < 480)
            GTEST_SKIP() << "no CE 5 device has this screen";
        ASSERT_TRUE(m_exports.ok());
    }
    int Guest(std::vector<DialogDriver::Step> steps)
    {
        DialogDriver driver(std::move(steps));
        int code = kUnwritten;
        m_exports.gstSelect("Guest", "Room  Name", "0412  SMITH", "ML", 0, &code);
        m_dialogs = static_cast<int>(driver.Dialogs().size());
        return code;
    }
    const Flavour& m_build = Build("riloCE5");
    DialogExports m_exports{m_build};
    int m_dialogs = 0;
};

TEST_F(Ce5Build, HidesTheDoneButtonAndTheTaskBarAfterTakingTheScreen)
{
    TaskBar bar(26);
    Guest({[&](HWND d) {
        const CeShellRecord r = CeShellQuery(d);
        EXPECT_EQ((std::vector<CeShellCall>{CeShellCall::DoneButton, CeShellCall::FullScreen}), Calls(r));
        EXPECT_EQ(SHDB_HIDE, r.doneButtonState);
        EXPECT_EQ(42u, r.fullScreenState);
        EXPECT_FALSE(r.initDialog);
        EXPECT_FALSE(r.commandBarHidden);
        EXPECT_FALSE(IsWindowVisible(bar.hwnd()));
        RECT w;
        GetWindowRect(d, &w);
        EXPECT_EQ((RECT{0, 0, ScreenW(), ScreenH()}), w);
        EXPECT_TRUE(GetWindowLongW(d, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_FALSE(GetWindowLongW(d, GWL_STYLE) & WS_CAPTION);
        Click(d, kGuestExit);
    }});
}

TEST_F(Ce5Build, EveryDialogMakesTheSameShellCalls)
{
    auto check = [](HWND d) {
        const CeShellRecord r = CeShellQuery(d);
        EXPECT_EQ((std::vector<CeShellCall>{CeShellCall::DoneButton, CeShellCall::FullScreen}), Calls(r));
        EXPECT_EQ(42u, r.fullScreenState);
    };
    int code = kUnwritten;
    {
        DialogDriver driver({[&](HWND d) {
            check(d);
            Click(d, kDisplayExit);
        }});
        m_exports.display("T", "a\x1c", 1, &code);
    }
    EXPECT_EQ(0, code);
    {
        DialogDriver driver({[&](HWND d) {
            check(d);
            Click(d, kListAbort);
        }});
        m_exports.listInput("T", "H", "a\x1c", 0, "1", &code);
    }
    EXPECT_EQ(0, code);
}

TEST_F(Ce5Build, SmallPicturesCaptionOffsetAndTopAlignedGuestPictures)
{
    Guest({[&](HWND d) {
        HWND exit = GetDlgItem(d, kGuestExit);
        const RECT e = ClientOf(exit);
        EXPECT_TRUE(ShowsBitmap(exit, m_build, 195, (e.right - 14) / 2, (e.bottom - 14) / 2 - 12));
        EXPECT_FALSE(ShowsBitmap(exit, m_build, 178, (e.right - 23) / 2, (e.bottom - 26) / 2 - 8));
        const int pictures[6] = {207, 208, 209, 210, 211, 212};
        const int widths[6] = {16, 16, 16, 15, 17, 17};
        for (int i = 0; i < 6; ++i) {
            HWND b = GetDlgItem(d, kFunctions[i]);
            const RECT r = ClientOf(b);
            EXPECT_TRUE(ShowsBitmap(b, m_build, pictures[i], (r.right - widths[i]) / 2, 1 + 12)) << pictures[i];
        }
        const LOGFONTW list = ListFont(d, kGuestList);
        EXPECT_EQ(16, list.lfHeight);
        SaveScreenshot(d, "ce5_guest_" + ScreenName());
        Click(d, kGuestExit);
    }});
}

TEST_F(Ce5Build, ScreenChangeLeavesTheDialogOpen)
{
    EXPECT_EQ(3, Guest({[](HWND d) { SendMessageW(d, WM_SETTINGCHANGE, 0x3002, 0); },
                        [](HWND d) {
                            EXPECT_TRUE(IsWindowVisible(d));
                            Click(d, kFunctions[2]);
                        }}));
    EXPECT_EQ(1, m_dialogs);
}

TEST_F(Ce5Build, DisplayAndListFontsAndScreenshots)
{
    int code = kUnwritten;
    {
        DialogDriver driver({[&](HWND d) {
            const LOGFONTW f = ListFont(d, kDisplayList);
            EXPECT_EQ(16, f.lfHeight);
            EXPECT_EQ(std::wstring(L"Courier New"), f.lfFaceName);
            SaveScreenshot(d, "ce5_display_" + ScreenName());
            Click(d, kDisplayExit);
        }});
        m_exports.display("Room 0412", "Line 1\x1cLine 2\x1c", 1, &code);
    }
    {
        DialogDriver driver({[&](HWND d) {
            EXPECT_EQ(16, ListFont(d, kListItems).lfHeight);
            SaveScreenshot(d, "ce5_list_" + ScreenName());
            Click(d, kListAbort);
        }});
        m_exports.listInput("Select Tender", "Tender Media", "Cash\x1c" "Card\x1c", 0, "1", &code);
    }
}

// --------------------------------------------------------------- CE 3.0

// The guest grid per screen: the task-bar height the dialog rose by, the
// first row's top t1 = H' x 0.5 and the row height (B - t1) x 0.33.
struct Ce30Grid {
    int w, h, taskBar, t1, hb;
} const kGrids[] = {{240, 320, 26, 173, 48},   {640, 480, 26, 253, 74}, {479, 800, 26, 413, 127},
                    {480, 640, 52, 346, 97},   {480, 800, 52, 426, 123}};

const Ce30Grid* GridForScreen()
{
    for (const Ce30Grid& g : kGrids)
        if (g.w == ScreenW() && g.h == ScreenH())
            return &g;
    return nullptr;
}

class Ce30Build : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_exports.ok());
        ASSERT_NE(nullptr, GridForScreen()) << "no grid for this screen";
    }
    int Guest(std::vector<DialogDriver::Step> steps, int mode = 0)
    {
        DialogDriver driver(std::move(steps));
        int code = kUnwritten;
        m_exports.gstSelect("Guest", "Room  Name", "0412  SMITH", "ML", mode, &code);
        m_dialogs = static_cast<int>(driver.Dialogs().size());
        return code;
    }
    const Flavour& m_build = Build(GetParam());
    DialogExports m_exports{m_build};
    int m_dialogs = 0;
};

TEST_P(Ce30Build, RisesByTheDefaultTaskBarHeightKeepingTheBottom)
{
    const Ce30Grid& g = *GridForScreen();
    Guest({[&](HWND d) {
        RECT w;
        GetWindowRect(d, &w);
        EXPECT_EQ((RECT{0, -g.taskBar, ScreenW(), ScreenH()}), w);
        EXPECT_TRUE(GetWindowLongW(d, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_TRUE(GetWindowLongW(d, GWL_STYLE) & WS_CAPTION);
        EXPECT_EQ(L"Dialog", WindowTextOf(d));
        Click(d, kGuestExit);
    }});
}

TEST_P(Ce30Build, RisesByTheTaskBarWindowsHeight)
{
    TaskBar bar(40);
    Guest({[&](HWND d) {
        RECT w;
        GetWindowRect(d, &w);
        // The shell gave the dialog the screen below the bar; it rose by 40.
        EXPECT_EQ((RECT{0, 0, ScreenW(), ScreenH()}), w);
        EXPECT_FALSE(IsWindowVisible(bar.hwnd()));
        Click(d, kGuestExit);
    }});
}

TEST_P(Ce30Build, ShellCallsInOrderPerDialog)
{
    const std::vector<CeShellCall> order = {CeShellCall::InitDialog, CeShellCall::CommandBarShow,
                                            CeShellCall::FullScreen};
    auto check = [&](HWND d, DWORD fullScreen) {
        const CeShellRecord r = CeShellQuery(d);
        EXPECT_EQ(order, Calls(r));
        EXPECT_EQ(SHIDIF_FULLSCREENNOMENUBAR, r.initDialogFlags);
        EXPECT_TRUE(r.commandBarHidden);
        EXPECT_EQ(fullScreen, r.fullScreenState);
        EXPECT_FALSE(r.doneButton);
    };
    Guest({[&](HWND d) {
        check(d, 42);
        Click(d, kGuestExit);
    }});
    int code = kUnwritten;
    {
        DialogDriver driver({[&](HWND d) {
            check(d, 10);
            Click(d, kDisplayExit);
        }});
        m_exports.display("T", "a\x1c", 1, &code);
    }
    {
        DialogDriver driver({[&](HWND d) {
            check(d, 10);
            Click(d, kListAbort);
        }});
        m_exports.listInput("T", "H", "a\x1c", 0, "1", &code);
    }
}

TEST_P(Ce30Build, GuestGridFontsAndCaptionsBelowThePictures)
{
    const Ce30Grid& g = *GridForScreen();
    const bool large = LargeCe30Screen();
    Guest({[&](HWND d) {
        const int R = ScreenW(), u = R / 3;
        for (int i = 0; i < 6; ++i) {
            const int row = i / 3, column = i % 3;
            EXPECT_EQ((RECT{column * u + 2, g.t1 + row * g.hb, (column + 1) * u - 2, g.t1 + (row + 1) * g.hb}),
                      ControlRect(d, kFunctions[i]))
                << kFunctions[i];
        }
        EXPECT_EQ((RECT{2, g.t1 + 2 * g.hb, R - 2, g.t1 + 3 * g.hb}), ControlRect(d, kGuestExit));
        EXPECT_EQ((RECT{0, 30, R, large ? 124 : 85}), ControlRect(d, kGuestList));
        const LOGFONTW list = ListFont(d, kGuestList);
        EXPECT_EQ(large ? 24 : 16, list.lfHeight);
        EXPECT_EQ(std::wstring(L"Courier New"), list.lfFaceName);
        HWND listWindow = GetDlgItem(d, kGuestList);
        RECT client = ClientOf(listWindow);
        EXPECT_EQ(client.right + (large ? 675 : 450), SendMessageW(listWindow, LVM_GETCOLUMNWIDTH, 0, 0));

        // Exit: picture 195 centred and raised by 14; "\nExit" under it.
        HWND exit = GetDlgItem(d, kGuestExit);
        const RECT e = ClientOf(exit);
        const int px = (e.right - 14) / 2, py = (e.bottom - 14) / 2 - 14;
        EXPECT_TRUE(ShowsBitmap(exit, m_build, 195, px, py));
        PaintNow(d);
        HDC dc = GetDC(exit);
        int inkTop = -1;
        for (int y = 2; y < e.bottom - 2 && inkTop < 0; ++y)
            for (int x = 2; x < e.right - 2 && inkTop < 0; ++x) {
                const bool inPicture = x >= px && x < px + 14 && y >= py && y < py + 14;
                if (!inPicture && GetPixel(dc, x, y) == RGB(0, 0, 0))
                    inkTop = y;
            }
        ReleaseDC(exit, dc);
        EXPECT_GE(inkTop, py + 14) << "the caption's first line is empty";
        // Bevelled, not rounded: the corner is the white ring.
        EXPECT_EQ(RGB(255, 255, 255), PixelOf(exit, 0, 0));
        SaveScreenshot(d, std::string(GetParam()) + "_guest_" + ScreenName());
        Click(d, kGuestExit);
    }});
}

TEST_P(Ce30Build, OneModalRunEvenWhenTheScreenChanges)
{
    EXPECT_EQ(5, Guest({[](HWND d) { SendMessageW(d, WM_SETTINGCHANGE, 0x3002, 0); },
                        [](HWND d) {
                            EXPECT_TRUE(IsWindowVisible(d));
                            Click(d, kFunctions[4]);
                        }}));
    EXPECT_EQ(1, m_dialogs);
}

TEST_P(Ce30Build, DisplayAndListFontsAndScreenshots)
{
    const bool large = LargeCe30Screen();
    int code = kUnwritten;
    {
        DialogDriver driver({[&](HWND d) {
            const LOGFONTW f = ListFont(d, kDisplayList);
            EXPECT_EQ(large ? 24 : 16, f.lfHeight);
            EXPECT_EQ(std::wstring(L"Arial"), f.lfFaceName);
            EXPECT_EQ(L"Room 0412", WindowTextOf(GetDlgItem(d, kTitle)));
            EXPECT_EQ(L"Dialog", WindowTextOf(d));
            SaveScreenshot(d, std::string(GetParam()) + "_display_" + ScreenName());
            Click(d, kDisplayExit);
        }});
        m_exports.display("Room 0412", "Line 1\x1cLine 2\x1c", 1, &code);
    }
    EXPECT_EQ(0, code);
    {
        DialogDriver driver({[&](HWND d) {
            const LOGFONTW f = ListFont(d, kListItems);
            EXPECT_EQ(large ? 24 : 16, f.lfHeight);
            EXPECT_EQ(std::wstring(L"Courier New"), f.lfFaceName);
            SaveScreenshot(d, std::string(GetParam()) + "_list_" + ScreenName());
            Click(d, kListAbort);
        }});
        m_exports.listInput("Select Tender", "Tender Media", "Cash\x1c" "Card\x1c", 0, "1", &code);
    }
    EXPECT_EQ(0, code);
}

INSTANTIATE_TEST_SUITE_P(Builds, Ce30Build, testing::Values("riloCE", "riloHeron"));

} // namespace
