// The Win32 workstation build through its exports: over the POS front end's
// window or over the screen, its captions, layout, thresholds and
// the beep of OK without a chosen row.
#include "dialog_driver.h"
#include "dialog_exports.h"
#include "import_hook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Display (template 20000).
constexpr int kDList = 20005, kDExit = 20020, kDBack = 20026, kDPrint = 20028, kDPageDown = 20030,
              kDPageUp = 20035;
// List (template 20005).
constexpr int kLItems = 20006, kLTitle = 20007, kLLineDown = 20029, kLPageDown = 20030, kLEnd = 20031,
              kLOk = 20032, kLAbort = 20033, kLLineUp = 20034, kLPageUp = 20035, kLHome = 20036;
// Guest (template 20014).
constexpr int kGTitle = 20021, kGIcon = 20022, kGLine1 = 20023, kGLine2 = 20024, kGMessage = 20012,
              kGLocator = 20025, kGExit = 20020;
constexpr int kGFunctions[6] = {20030, 20031, 20032, 20033, 20034, 20035};

const Flavour& Win32Build() { return AllFlavours()[4]; }

int ScreenW() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenH() { return GetSystemMetrics(SM_CYSCREEN); }

// The POS front end's main window: at an odd place with an odd client size.
class HostWindow {
public:
    HostWindow(int x, int y, int clientWidth, int clientHeight)
    {
        WNDCLASSW cls = {};
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.lpszClassName = L"ZentaOPSAPP";
        RegisterClassW(&cls);
        RECT r = {0, 0, clientWidth, clientHeight};
        AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
        m_hwnd = CreateWindowExW(0, L"ZentaOPSAPP", L"Zenta POS Operations", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y,
                                 r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleW(nullptr),
                                 nullptr);
    }
    ~HostWindow() { DestroyWindow(m_hwnd); }
    RECT Window() const
    {
        RECT r;
        GetWindowRect(m_hwnd, &r);
        return r;
    }

private:
    HWND m_hwnd;
};

int g_beeps = 0;
UINT g_beepType = 0;
BOOL WINAPI CountBeep(UINT type)
{
    ++g_beeps;
    g_beepType = type;
    return TRUE;
}

// The library's beeps, counted from 0 instead of sounded.
struct BeepCounter {
    BeepCounter() { g_beeps = 0; }
    bool ok() const { return hook.ok(); }
    ImportHook hook{GetModuleHandleA(BesideProgram(Win32Build().path).c_str()), "user32.dll", "MessageBeep",
                    reinterpret_cast<void*>(&CountBeep)};
};

// The heading of a list's column.
std::wstring ColumnHeading(HWND list, int column)
{
    wchar_t text[64] = L"";
    LVCOLUMNW c = {};
    c.mask = LVCF_TEXT;
    c.pszText = text;
    c.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&c));
    return text;
}

RECT WindowRectOf(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    return r;
}

class Win32Dialogs : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_exports.ok()); }

    int Display(const char* caption, int mode, std::vector<DialogDriver::Step> steps)
    {
        DialogDriver driver(std::move(steps));
        int code = kUnwritten;
        m_exports.display(caption, "Line 1\x1cLine 2\x1cLine 3\x1c", mode, &code);
        return code;
    }
    int List(std::vector<DialogDriver::Step> steps, const char* version = "4.10")
    {
        DialogDriver driver(std::move(steps));
        int code = kUnwritten;
        m_exports.listInput("Select Tender", "Tender Media", "Cash\x1c" "Card\x1c" "Room\x1c", 0, version, &code);
        return code;
    }
    int Guest(int mode, const char* markers, std::vector<DialogDriver::Step> steps)
    {
        DialogDriver driver(std::move(steps));
        int code = kUnwritten;
        m_exports.gstSelect("Guest Functions", "Room  Name", "0412  SMITH JOHN", markers, mode, &code);
        return code;
    }

    DialogExports m_exports{Win32Build()};
};

TEST_F(Win32Dialogs, EachDialogCoversTheHostsClientSizeAtItsPosition)
{
    HostWindow host(37, 23, 701, 513);
    const RECT h = host.Window();
    const RECT expected = {h.left, h.top, h.left + 701, h.top + 513};
    auto check = [&](HWND d) {
        EXPECT_EQ(expected, WindowRectOf(d));
        EXPECT_TRUE(GetWindowLongW(d, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_TRUE(GetWindowLongW(d, GWL_STYLE) & WS_CAPTION);
    };
    EXPECT_EQ(0, Display("Room 0412", 1, {[&](HWND d) {
                             check(d);
                             SaveScreenshot(d, "win32_display_host701x513");
                             Click(d, kDExit);
                         }}));
    EXPECT_EQ(0, List({[&](HWND d) {
        check(d);
        SaveScreenshot(d, "win32_list_host701x513");
        Click(d, kLAbort);
    }}));
    EXPECT_EQ(0, Guest(0, "ML", {[&](HWND d) {
                           check(d);
                           SaveScreenshot(d, "win32_guest_host701x513");
                           Click(d, kGExit);
                       }}));
}

TEST_F(Win32Dialogs, WithoutHostTwentyFromTheScreenEdges)
{
    const RECT expected = {20, 20, ScreenW() - 20, ScreenH() - 20};
    EXPECT_EQ(2, Display("Room 0412", 1, {[&](HWND d) {
                             EXPECT_EQ(expected, WindowRectOf(d));
                             SaveScreenshot(d, "win32_display_" + ScreenName());
                             Click(d, kDPrint);
                         }}));
    EXPECT_EQ(0, List({[&](HWND d) {
        EXPECT_EQ(expected, WindowRectOf(d));
        SaveScreenshot(d, "win32_list_" + ScreenName());
        Click(d, kLAbort);
    }}));
    EXPECT_EQ(4, Guest(0, "ML", {[&](HWND d) {
                           EXPECT_EQ(expected, WindowRectOf(d));
                           SaveScreenshot(d, "win32_guest_" + ScreenName());
                           Click(d, kGFunctions[3]);
                       }}));
}

TEST_F(Win32Dialogs, ShownAgainTheDisplayReturnsOverTheHost)
{
    HostWindow host(37, 23, 701, 513);
    const RECT h = host.Window();
    Display("Room", 1, {[&](HWND d) {
        ShowWindow(d, SW_HIDE);
        SetWindowPos(d, nullptr, 300, 300, 100, 100, SWP_NOZORDER);
        ShowWindow(d, SW_SHOW);
        EXPECT_EQ((RECT{h.left, h.top, h.left + 701, h.top + 513}), WindowRectOf(d));
        Click(d, kDBack);
    }});
}

TEST_F(Win32Dialogs, Captions)
{
    Display("", 1, {[](HWND d) {
        EXPECT_EQ(L"Dialog", WindowTextOf(d));
        Click(d, kDExit);
    }});
    Display("Room 0412", 1, {[](HWND d) {
        EXPECT_EQ(L"Room 0412", WindowTextOf(d));
        Click(d, kDExit);
    }});
    List({[](HWND d) {
              EXPECT_EQ(L"Zenta Rilo V5.2.1", WindowTextOf(d));
              EXPECT_EQ(L"Select Tender", WindowTextOf(GetDlgItem(d, kLTitle)));
              Click(d, kLAbort);
          }},
         "5.2.1");
    Guest(0, "", {[](HWND d) {
        EXPECT_EQ(L"", WindowTextOf(d));
        EXPECT_EQ(L"Guest Functions", WindowTextOf(GetDlgItem(d, kGTitle)));
        Click(d, kGExit);
    }});
}

TEST_F(Win32Dialogs, ShortInquiryCaptionCarriesTheVersion)
{
    DialogDriver driver({[](HWND d) {
        EXPECT_EQ(L"Zenta Rilo V.4.10", WindowTextOf(d));
        EXPECT_FALSE(IsShown(d, kDExit));
        EXPECT_FALSE(IsShown(d, kDPrint));
        EXPECT_TRUE(IsShown(d, kDBack));
        Click(d, kDBack);
    }});
    m_exports.shortInq("a\x1c", "4.10");
    EXPECT_EQ(1, driver.StepsRun());
}

TEST_F(Win32Dialogs, RectanglesOverANarrowLowHost)
{
    HostWindow host(37, 23, 701, 513);
    Display("Room", 1, {[](HWND d) {
        // u = 701 / 28 = 25; the row from 423 to 473.
        EXPECT_EQ((RECT{0, 0, 701, 418}), ControlRect(d, kDList));
        EXPECT_EQ((RECT{125, 423, 250, 473}), ControlRect(d, kDExit));
        EXPECT_EQ((RECT{275, 423, 400, 473}), ControlRect(d, kDBack));
        EXPECT_EQ((RECT{425, 423, 575, 473}), ControlRect(d, kDPrint));
        EXPECT_EQ((RECT{5, 423, 85, 473}), ControlRect(d, kDPageDown));
        EXPECT_EQ((RECT{616, 423, 696, 473}), ControlRect(d, kDPageUp));
        HWND list = GetDlgItem(d, kDList);
        RECT client;
        GetClientRect(list, &client);
        EXPECT_EQ(client.right - 20, SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
        EXPECT_EQ(0, SelectedItem(list)) << "the first row is chosen";
        Click(d, kDExit);
    }});
    List({[](HWND d) {
        // u = 70.
        EXPECT_EQ((RECT{0, 0, 701, 30}), ControlRect(d, kLTitle));
        EXPECT_EQ((RECT{0, 35, 701, 418}), ControlRect(d, kLItems));
        const int ids[8] = {kLLineDown, kLPageDown, kLEnd, kLOk, kLAbort, kLLineUp, kLPageUp, kLHome};
        const int columns[8][2] = {{2, 68},    {72, 138},  {142, 208}, {212, 348},
                                   {352, 488}, {492, 558}, {562, 628}, {632, 695}};
        for (int k = 0; k < 8; ++k)
            EXPECT_EQ((RECT{columns[k][0], 423, columns[k][1], 473}), ControlRect(d, ids[k])) << ids[k];
        Click(d, kLAbort);
    }});
    Guest(0, "ML", {[](HWND d) {
        // q = 175; the host is lower than 750: short rows.
        EXPECT_EQ((RECT{0, 0, 701, 30}), ControlRect(d, kGTitle));
        EXPECT_EQ((RECT{0, 35, 701, 65}), ControlRect(d, kGLine1));
        EXPECT_EQ((RECT{0, 70, 701, 105}), ControlRect(d, kGLine2));
        EXPECT_EQ((RECT{50, 120, 66, 136}), ControlRect(d, kGIcon));
        EXPECT_EQ((RECT{70, 118, 270, 138}), ControlRect(d, kGMessage));
        EXPECT_EQ((RECT{360, 118, 560, 138}), ControlRect(d, kGLocator));
        const int row1[4][2] = {{10, 165}, {185, 340}, {360, 515}, {535, 690}};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ((RECT{row1[i][0], 170, row1[i][1], 240}), ControlRect(d, kGFunctions[i])) << i;
        EXPECT_EQ((RECT{360, 250, 515, 320}), ControlRect(d, kGFunctions[4]));
        EXPECT_EQ((RECT{535, 250, 690, 320}), ControlRect(d, kGFunctions[5]));
        EXPECT_EQ((RECT{10, 413, 691, 483}), ControlRect(d, kGExit));
        Click(d, kGExit);
    }});
}

// Where the caption's ink lies in a button: left, right or middle third.
int InkThird(HWND button)
{
    PaintNow(GetAncestor(button, GA_ROOT));
    RECT r;
    GetClientRect(button, &r);
    HDC dc = GetDC(button);
    int right = -1, left = r.right;
    for (int y = 4; y < r.bottom - 4; ++y)
        for (int x = 40; x < r.right - 4; ++x) // clear of the picture at the left
            if (GetPixel(dc, x, y) == RGB(0, 0, 0)) {
                left = x < left ? x : left;
                right = x > right ? x : right;
            }
    ReleaseDC(button, dc);
    if (right < 0)
        return -1;
    const int middle = (left + right) / 2;
    return middle * 3 / r.right;
}

TEST_F(Win32Dialogs, NarrowHostRightAlignsTheDisplayCaptions)
{
    {
        HostWindow narrow(0, 0, 701, 513);
        Display("Room", 1, {[](HWND d) {
            EXPECT_EQ(2, InkThird(GetDlgItem(d, kDBack))) << "right";
            Click(d, kDExit);
        }});
    }
    HostWindow wide(0, 0, 900, 513);
    Display("Room", 1, {[](HWND d) {
        EXPECT_EQ(1, InkThird(GetDlgItem(d, kDBack))) << "centred";
        Click(d, kDExit);
    }});
}

TEST_F(Win32Dialogs, ThresholdsOnTheScreenWithoutHost)
{
    // 1024 x 768 counts as 750 or more both ways; 800 x 600 is low.
    const bool low = ScreenH() < 750;
    const bool narrow = ScreenW() < 750;
    Guest(0, "ML", {[&](HWND d) {
        const int H = ScreenH() - 40;
        EXPECT_EQ(low ? (RECT{10, 170, ScreenW() / 4 - 10 - 10, 240}).bottom : 270,
                  ControlRect(d, kGFunctions[0]).bottom);
        EXPECT_EQ(low ? H - 100 : H - 130, ControlRect(d, kGExit).top);
        EXPECT_EQ(narrow ? L"Reserv. Details" : L"Reservation Details", WindowTextOf(GetDlgItem(d, kGFunctions[0])));
        Click(d, kGExit);
    }});
}

TEST_F(Win32Dialogs, GuestFirstFocusIsTheFirstFunction)
{
    Guest(0, "ML", {[](HWND d) {
        EXPECT_EQ(GetDlgItem(d, kGFunctions[0]), GetFocus());
        Click(d, kGExit);
    }});
}

TEST_F(Win32Dialogs, ReservDetailsBelow750AndTheTwoGuestLines)
{
    HostWindow host(10, 10, 701, 513);
    Guest(0, "ML", {[](HWND d) {
        EXPECT_EQ(L"Reserv. Details", WindowTextOf(GetDlgItem(d, kGFunctions[0])));
        EXPECT_EQ(L"Guest Details", WindowTextOf(GetDlgItem(d, kGFunctions[1])));
        EXPECT_EQ(L"Room  Name", WindowTextOf(GetDlgItem(d, kGLine1)));
        EXPECT_EQ(L"0412  SMITH JOHN", WindowTextOf(GetDlgItem(d, kGLine2)));
        EXPECT_EQ(RGB(255, 255, 0), PixelOf(GetDlgItem(d, kGLine1), 690, 15));
        EXPECT_EQ(RGB(0, 255, 0), PixelOf(GetDlgItem(d, kGLine2), 690, 17));
        EXPECT_EQ(nullptr, FindWindowExW(d, nullptr, L"SysListView32", nullptr)) << "no list";
        Click(d, kGExit);
    }});
}

TEST_F(Win32Dialogs, ListColumns)
{
    List({[](HWND d) {
        HWND list = GetDlgItem(d, kLItems);
        EXPECT_EQ(1, SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
        RECT client;
        GetClientRect(list, &client);
        EXPECT_EQ(client.right - 20, SendMessageW(list, LVM_GETCOLUMNWIDTH, 1, 0));
        wchar_t text[64] = L"";
        LVITEMW item = {};
        item.iSubItem = 1;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(list, LVM_GETITEMTEXTW, 1, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(std::wstring(L"Card"), text);
        EXPECT_EQ(L"", ItemText(list, 1)) << "column 0 stays empty";
        EXPECT_EQ(L"", ColumnHeading(list, 0));
        EXPECT_EQ(L"Tender Media", ColumnHeading(list, 1));
        Click(d, kLAbort);
    }});
    Display("Room", 1, {[](HWND d) {
        HWND list = GetDlgItem(d, kDList);
        EXPECT_EQ(L" ", ColumnHeading(list, 0)) << "one space";
        Click(d, kDBack);
    }});
}

TEST_F(Win32Dialogs, OkWithoutAChosenRowBeepsAndStays)
{
    BeepCounter beeps;
    ASSERT_TRUE(beeps.ok());
    EXPECT_EQ(0, List({[](HWND d) {
                           HWND list = GetDlgItem(d, kLItems);
                           LVITEMW none = {};
                           none.stateMask = LVIS_SELECTED;
                           SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(&none));
                           Click(d, kLOk);
                           EXPECT_EQ(1, g_beeps);
                           EXPECT_EQ(0xFFFFFFFFu, g_beepType);
                           EXPECT_TRUE(IsWindowVisible(d));
                       },
                       [](HWND d) { Click(d, kLAbort); }}));
    EXPECT_EQ(3, List({[](HWND d) {
        Click(d, kLEnd);
        Click(d, kLOk);
    }}));
    EXPECT_EQ(1, g_beeps) << "a chosen row ends without a beep";
}

TEST_F(Win32Dialogs, TapBelowTheRowsTakesTheLastOne)
{
    BeepCounter beeps;
    ASSERT_TRUE(beeps.ok());
    EXPECT_EQ(3, List({[](HWND d) {
        HWND list = GetDlgItem(d, kLItems);
        const RECT r = ControlRect(d, kLItems);
        Tap(d, POINT{r.left + 40, r.bottom - 20});
        EXPECT_EQ(2, SelectedItem(list));
        Click(d, kLOk);
    }}));
    EXPECT_EQ(0, g_beeps);
}

TEST_F(Win32Dialogs, ArrowsAndDisplayModes)
{
    EXPECT_EQ(2, List({[](HWND d) {
        Click(d, kLLineDown);
        Click(d, kLOk);
    }}));
    EXPECT_EQ(1, List({[](HWND d) {
        Click(d, kLEnd);
        Click(d, kLHome);
        Click(d, kLOk);
    }}));
    EXPECT_EQ(3, List({[](HWND d) {
        Click(d, kLPageDown);
        Click(d, kLOk);
    }}));
    EXPECT_EQ(2, List({[](HWND d) {
        Click(d, kLEnd);
        Click(d, kLLineUp);
        Click(d, kLOk);
    }}));
    for (int mode : {0, 2}) {
        Display("Room", mode, {[](HWND d) {
            EXPECT_FALSE(IsShown(d, kDExit));
            EXPECT_FALSE(IsShown(d, kDPrint));
            Click(d, kDBack);
        }});
    }
    Guest(2, "M", {[](HWND d) {
        EXPECT_FALSE(IsShown(d, kGFunctions[4]));
        EXPECT_FALSE(IsShown(d, kGFunctions[5]));
        EXPECT_TRUE(IsShown(d, kGFunctions[3]));
        EXPECT_TRUE(IsShown(d, kGMessage));
        EXPECT_TRUE(IsShown(d, kGIcon));
        EXPECT_FALSE(IsShown(d, kGLocator));
        Click(d, kGExit);
    }});
}

} // namespace
