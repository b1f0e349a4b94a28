// How each device build dresses its dialogs, read back from the windows:
// every button's picture at the place its look gives it, caption colours,
// title borders and the list column.
#include "dialog_driver.h"
#include "dialog_exports.h"
#include "dialog_looks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kTitle = 1026;
constexpr int kDisplayButtons[5] = {1046, 1035, 1034, 1036, 1047}; // page down, Exit, Back, Print, page up
constexpr int kDisplayList = 1005;
constexpr int kListButtons[8] = {1038, 1039, 1040, 1006, 1007, 1008, 1041, 1005}; // arrows, OK, Abort
constexpr int kListItems = 1037;
constexpr int kGuestButtons[7] = {1015, 1016, 1017, 1018, 1019, 1020, 1035};
constexpr int kGuestList = 1045;

struct DeviceBuild {
    const char* name;
    Build build;
};
const DeviceBuild kBuilds[] = {{"riloEC7", Build::EmbeddedCompact7}, {"riloCE5", Build::Ce5}, {"riloCE", Build::Ce30}};

const Flavour& FlavourNamed(const char* name)
{
    for (const Flavour& f : AllFlavours())
        if (std::string(f.name) == name)
            return f;
    return AllFlavours()[0];
}

bool LargeCe30Screen() { return GetSystemMetrics(SM_CXSCREEN) >= 480 && GetSystemMetrics(SM_CYSCREEN) >= 640; }

// Whether the window shows the library's bitmap where the look puts it:
// centred across, and centred (with the offset) or at the top (bevel 1 plus
// the offset) down.
bool ShowsPicture(HWND button, HMODULE module, const ButtonLook& look)
{
    const SIZE size = BitmapSize(module, look.bitmap);
    RECT r;
    GetClientRect(button, &r);
    const int x = (r.right - size.cx) / 2;
    const int y = look.bitmapVAlign == 1 ? (r.bottom - size.cy) / 2 + look.bitmapYOffset : 1 + look.bitmapYOffset;
    return size.cx > 0 && ShowsBitmapAt(button, module, look.bitmap, x, y);
}

// Pixels near a colour outside the picture's rows: the caption's ink.
int CaptionPixelsNear(HWND button, COLORREF colour, int pictureTop, int pictureBottom)
{
    RECT r;
    GetClientRect(button, &r);
    HDC dc = GetDC(button);
    int n = 0;
    for (int y = 2; y < r.bottom - 2; ++y) {
        if (y >= pictureTop && y < pictureBottom)
            continue;
        for (int x = 2; x < r.right - 2; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            n += abs(GetRValue(c) - GetRValue(colour)) < 60 && abs(GetGValue(c) - GetGValue(colour)) < 60 &&
                 abs(GetBValue(c) - GetBValue(colour)) < 60;
        }
    }
    ReleaseDC(button, dc);
    return n;
}

class DeviceDressing : public testing::TestWithParam<DeviceBuild> {
protected:
    void SetUp() override { ASSERT_TRUE(m_exports.ok()); }
    HMODULE Module() const { return GetModuleHandleA(BesideProgram(FlavourNamed(GetParam().name).path).c_str()); }
    bool Large() const { return GetParam().build == Build::Ce30 ? LargeCe30Screen() : true; }

    // Each button shows its picture; coloured captions show their colour,
    // the others none of the three caption colours.
    void ExpectButtons(HWND d, const int* ids, const ButtonLook* looks, int count)
    {
        for (int i = 0; i < count; ++i) {
            HWND button = GetDlgItem(d, ids[i]);
            EXPECT_TRUE(ShowsPicture(button, Module(), looks[i])) << "button " << ids[i];
            if (!looks[i].caption)
                continue;
            RECT r;
            GetClientRect(button, &r);
            const int top = looks[i].bitmapVAlign == 1 ? r.bottom / 2 + looks[i].bitmapYOffset - 20 : 0;
            const int bottom = top + 40 + (looks[i].bitmapVAlign == 1 ? 0 : looks[i].bitmapYOffset);
            for (COLORREF colour : {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 127, 0)}) {
                const int n = CaptionPixelsNear(button, colour, top, bottom);
                if (looks[i].setColor && looks[i].captionColor == colour)
                    EXPECT_GT(n, 3) << "button " << ids[i] << " caption colour";
                else
                    EXPECT_EQ(0, n) << "button " << ids[i] << " has no caption in " << std::hex << colour;
            }
        }
    }

    DialogExports m_exports{FlavourNamed(GetParam().name)};
};

RECT GetParentRect(HWND d)
{
    RECT r;
    GetWindowRect(d, &r);
    return r;
}

// A pixel of the label's left or right edge, on the lowest row that is on
// the screen (the CE 3.0 dialogs rise partly above it, and their labels
// run under the frame): CLR_INVALID when none is.
COLORREF EdgePixel(HWND d, int id, bool right, int inset = 0)
{
    HWND label = GetDlgItem(d, id);
    RECT r;
    GetClientRect(label, &r);
    PaintNow(d);
    HDC dc = GetDC(label);
    COLORREF c = CLR_INVALID;
    for (int y = r.bottom - 3; y > 1 && c == CLR_INVALID; --y)
        c = GetPixel(dc, right ? r.right - 1 - inset : inset, y);
    ReleaseDC(label, dc);
    return c;
}

// Sunken by one ring: dark on the left, light on the right, where on screen.
void ExpectSunken(HWND d, int id)
{
    const COLORREF left = EdgePixel(d, id, false), right = EdgePixel(d, id, true);
    if (left != CLR_INVALID) {
        EXPECT_EQ(RGB(0, 0, 0), left) << "sunken: dark left";
    }
    if (right != CLR_INVALID) {
        EXPECT_EQ(RGB(255, 255, 255), right) << "sunken: light right";
    }
    EXPECT_FALSE(left == CLR_INVALID && right == CLR_INVALID && GetParentRect(d).top >= 0) << "nothing to see";
    // One ring only: the column inside it is the label's paper.
    const COLORREF inside = EdgePixel(d, id, false, 1);
    if (inside != CLR_INVALID) {
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), inside) << "sunken by one ring";
    }
}

// The first and last columns where the label's text has ink, within its
// border: {-1, -1} when it shows none.
std::pair<int, int> InkColumns(HWND d, int id)
{
    HWND label = GetDlgItem(d, id);
    RECT r;
    GetClientRect(label, &r);
    PaintNow(d);
    const COLORREF paper = GetSysColor(COLOR_BTNFACE);
    HDC dc = GetDC(label);
    int first = -1, last = -1;
    for (int y = 2; y < r.bottom - 2; ++y)
        for (int x = 2; x < r.right - 2; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (c == CLR_INVALID || c == paper)
                continue;
            if (first < 0 || x < first)
                first = x;
            last = std::max(last, x);
        }
    ReleaseDC(label, dc);
    return {first, last};
}

// The title's text stands in the middle of the label: as much room on its
// left as on its right. A dialog that rose above the screen (CE 3.0) shows
// too little of its title to tell.
void ExpectCentredTitle(HWND d)
{
    if (GetParentRect(d).top < 0)
        return;
    RECT r;
    GetClientRect(GetDlgItem(d, kTitle), &r);
    const std::pair<int, int> ink = InkColumns(d, kTitle);
    ASSERT_GE(ink.first, 0) << "the title shows its text";
    EXPECT_LE(abs(ink.first - (r.right - 1 - ink.second)), 2)
        << "title text from " << ink.first << " to " << ink.second << " of " << r.right;
}

void ExpectColumn(HWND list, int extra)
{
    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ(client.right + extra, SendMessageW(list, LVM_GETCOLUMNWIDTH, 0, 0));
    EXPECT_EQ(LVS_EX_FULLROWSELECT, SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
}

TEST_P(DeviceDressing, DisplayDialog)
{
    const DisplayLooks looks = DisplayLooksFor(GetParam().build, Large());
    const ButtonLook buttons[5] = {looks.pageDown, looks.exit, looks.back, looks.print, looks.pageUp};
    DialogDriver driver({[&](HWND d) {
        ExpectButtons(d, kDisplayButtons, buttons, 5);
        const COLORREF edge = EdgePixel(d, kTitle, false);
        if (edge != CLR_INVALID) {
            EXPECT_EQ(GetSysColor(COLOR_BTNFACE), edge) << "no border";
        }
        ExpectCentredTitle(d);
        ExpectColumn(GetDlgItem(d, kDisplayList), 450);
        Click(d, kDisplayButtons[2]);
    }});
    int code = kUnwritten;
    m_exports.display("Room 0412", "Line 1\x1cLine 2\x1c", 1, &code);
    EXPECT_EQ(1, code);
}

TEST_P(DeviceDressing, ListDialog)
{
    const ListInputLooks looks = ListInputLooksFor(GetParam().build, Large());
    ButtonLook buttons[8];
    for (int k = 0; k < 6; ++k)
        buttons[k] = looks.arrows[k];
    buttons[6] = looks.ok;
    buttons[7] = looks.abort;
    DialogDriver driver({[&](HWND d) {
        ExpectButtons(d, kListButtons, buttons, 8);
        ExpectSunken(d, kTitle);
        ExpectCentredTitle(d);
        ExpectColumn(GetDlgItem(d, kListItems), 450);
        Click(d, kListButtons[7]);
    }});
    int code = kUnwritten;
    m_exports.listInput("Select", "Tender", "Cash\x1c" "Card\x1c", 0, "1", &code);
    EXPECT_EQ(0, code);
}

TEST_P(DeviceDressing, GuestDialog)
{
    const GuestLooks looks = GuestLooksFor(GetParam().build, Large());
    ButtonLook buttons[7];
    for (int i = 0; i < 6; ++i)
        buttons[i] = looks.functions[i];
    buttons[6] = looks.exit;
    DialogDriver driver({[&](HWND d) {
        EXPECT_EQ(GetDlgItem(d, kGuestButtons[0]), GetFocus()) << "the first tab stop";
        ExpectButtons(d, kGuestButtons, buttons, 7);
        ExpectSunken(d, kTitle);
        ExpectCentredTitle(d);
        ExpectColumn(GetDlgItem(d, kGuestList), looks.columnExtra);
        SaveScreenshot(d, std::string(GetParam().name) + "_guest_dressed_" + ScreenName());
        Click(d, kGuestButtons[6]);
    }});
    int code = kUnwritten;
    m_exports.gstSelect("Guest", "Room  Name", "0412  SMITH", "ML", 0, &code);
    EXPECT_EQ(0, code);
}

// The face of a button by build, released and held down: Embedded Compact 7
// and CE 5 round it (a black outline with the corners outside it in the
// face colour, held down filled with the pressed colour); CE 3.0 bevels it
// with one ring that turns dark top-left while held, the face unchanged.
TEST_P(DeviceDressing, ButtonFaceReleasedAndHeld)
{
    constexpr COLORREF kFace = RGB(192, 192, 192), kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
    const COLORREF held = GetSysColor(COLOR_HIGHLIGHT);
    struct Face {
        COLORREF corner, top, left, right, bottom, inside;
    };
    struct Row {
        Build build;
        Face released, pressed;
    } const rows[] = {
        {Build::EmbeddedCompact7, {kFace, kBlack, kBlack, kBlack, kBlack, kFace},
         {kFace, kBlack, kBlack, kBlack, kBlack, held}},
        {Build::Ce5, {kFace, kBlack, kBlack, kBlack, kBlack, kFace}, {kFace, kBlack, kBlack, kBlack, kBlack, held}},
        {Build::Ce30, {kWhite, kWhite, kWhite, kBlack, kBlack, kFace}, {kBlack, kBlack, kBlack, kWhite, kWhite, kFace}},
    };
    const Row* row = nullptr;
    for (const Row& r : rows)
        if (r.build == GetParam().build)
            row = &r;
    ASSERT_NE(nullptr, row);
    DialogDriver driver({[&](HWND d) {
        HWND button = GetDlgItem(d, kListButtons[0]); // line down: a picture in the middle, no caption
        RECT r;
        GetClientRect(button, &r);
        const int W = r.right, H = r.bottom;
        auto read = [&]() {
            return Face{PixelOf(button, 0, 0),         PixelOf(button, W / 2, 0),     PixelOf(button, 0, H / 2),
                        PixelOf(button, W - 1, H / 2), PixelOf(button, W / 2, H - 1), PixelOf(button, 6, H / 2)};
        };
        auto expect = [](const Face& e, const Face& a, const char* state) {
            EXPECT_EQ(e.corner, a.corner) << state << " corner";
            EXPECT_EQ(e.top, a.top) << state << " top";
            EXPECT_EQ(e.left, a.left) << state << " left";
            EXPECT_EQ(e.right, a.right) << state << " right";
            EXPECT_EQ(e.bottom, a.bottom) << state << " bottom";
            EXPECT_EQ(e.inside, a.inside) << state << " inside";
        };
        expect(row->released, read(), "released");
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(W / 2, H / 2));
        expect(row->pressed, read(), "held");
        SaveScreenshot(d, std::string(GetParam().name) + "_list_held_" + ScreenName());
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(-50, -50)); // off the button: no click
        expect(row->released, read(), "released again");
        Click(d, kListButtons[7]);
    }});
    int code = kUnwritten;
    m_exports.listInput("Select", "Tender", "Cash\x1c" "Card\x1c", 0, "1", &code);
    EXPECT_EQ(0, code);
}

INSTANTIATE_TEST_SUITE_P(Builds, DeviceDressing, testing::ValuesIn(kBuilds),
                         [](const testing::TestParamInfo<DeviceBuild>& p) { return std::string(p.param.name); });

} // namespace
