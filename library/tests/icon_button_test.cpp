// CIconButton's drawing, read back from a memory bitmap: the mnemonic, its
// underline, the disabled look and the pressed offset.
#include "control_host.h"
#include "import_hook.h"

#include "icon_button.h"

#include <gtest/gtest.h>

namespace {

constexpr int kW = 160, kH = 40;
constexpr COLORREF kRed = RGB(255, 0, 0);

// DeleteObject as Windows answers it: a bitmap still selected into a device
// context is refused and stays.
int g_refusedDeletes = 0, g_bitmapsDeleted = 0;
BOOL WINAPI DeleteLikeWindows(HGDIOBJ object)
{
    static auto real = reinterpret_cast<decltype(&DeleteObject)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"gdi32.dll"), "DeleteObject")));
    if (GetObjectType(object) == OBJ_BITMAP) {
        HDC probe = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(probe, object); // fails while another context holds it
        if (previous)
            SelectObject(probe, previous);
        DeleteDC(probe);
        if (!previous) {
            ++g_refusedDeletes;
            return FALSE;
        }
        ++g_bitmapsDeleted;
    }
    return real(object);
}

// Text may be smoothed: a pixel counts as the caption's when it is mostly red.
bool Reddish(COLORREF c) { return GetRValue(c) > 160 && GetGValue(c) < 110 && GetBValue(c) < 110; }

class IconButton : public testing::Test {
protected:
    void SetUp() override
    {
        InitResourcesFromProgram();
        m_control = m_host.AddChild(L"BUTTON", BS_OWNERDRAW, 1001, RECT{10, 10, 10 + kW, 10 + kH});
        ASSERT_TRUE(m_button.SubclassWindow(m_control));
        m_button.m_textColor = kRed;
        HDC screen = GetDC(nullptr);
        m_dc = CreateCompatibleDC(screen);
        m_bitmap = CreateCompatibleBitmap(screen, kW, kH);
        ReleaseDC(nullptr, screen);
        m_old = SelectObject(m_dc, m_bitmap);
    }
    void TearDown() override
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
        m_button.UnsubclassWindow();
    }
    // Draws the button with the caption in the state; the red ink's box.
    RECT Draw(const wchar_t* caption, UINT state)
    {
        SetWindowTextW(m_control, caption);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = m_control;
        item.hDC = m_dc;
        item.rcItem = RECT{0, 0, kW, kH};
        item.itemState = state;
        item.itemAction = ODA_DRAWENTIRE;
        m_button.DrawItem(&item);
        AfxDeleteTempObjects();
        RECT ink = {kW, kH, -1, -1};
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                if (Reddish(GetPixel(m_dc, x, y))) {
                    ink.left = x < ink.left ? x : ink.left;
                    ink.top = y < ink.top ? y : ink.top;
                    ink.right = x > ink.right ? x : ink.right;
                    ink.bottom = y > ink.bottom ? y : ink.bottom;
                }
        return ink;
    }
    // Red pixels on one row between two columns.
    int RedOnRow(int y, int from, int to)
    {
        int n = 0;
        for (int x = from; x < to; ++x)
            n += Reddish(GetPixel(m_dc, x, y));
        return n;
    }

    ControlHost m_host{RGB(0, 128, 128)};
    HWND m_control = nullptr;
    CIconButton m_button;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

TEST(IconButtonMnemonic, FirstAmpersandIsRemoved)
{
    CString text(L"E&xit");
    EXPECT_EQ(1, CIconButton::StripMnemonic(text));
    EXPECT_EQ(CString(L"Exit"), text);
    CString none(L"Exit");
    EXPECT_EQ(-1, CIconButton::StripMnemonic(none));
    EXPECT_EQ(CString(L"Exit"), none);
    CString twice(L"&&A&b");
    EXPECT_EQ(0, CIconButton::StripMnemonic(twice));
    EXPECT_EQ(CString(L"&A&b"), twice);
}

TEST_F(IconButton, MnemonicLetterIsUnderlinedAtTheBaseline)
{
    const RECT plain = Draw(L"Exit", 0);
    ASSERT_GE(plain.right, 0);
    const RECT marked = Draw(L"E&xit", 0);
    // Where the platform puts the text: the same measure the button uses.
    SIZE whole, before, letter;
    GetTextExtentPoint32W(m_dc, L"Exit", 4, &whole);
    GetTextExtentPoint32W(m_dc, L"E", 1, &before);
    GetTextExtentPoint32W(m_dc, L"x", 1, &letter);
    const int x0 = kW / 2 - whole.cx / 2, baseline = kH / 2 - whole.cy / 2 + whole.cy;
    EXPECT_EQ(letter.cx, RedOnRow(baseline, x0 + before.cx, x0 + before.cx + letter.cx));
    EXPECT_EQ(0, RedOnRow(baseline, 0, x0 + before.cx)) << "only under the letter";
    EXPECT_EQ(baseline, marked.bottom);
    EXPECT_LT(plain.bottom, baseline) << "no underline without a mnemonic";
}

TEST_F(IconButton, DisabledCaptionIsGreyWithoutUnderline)
{
    const RECT ink = Draw(L"E&xit", ODS_DISABLED);
    EXPECT_EQ(-1, ink.right) << "no caption colour at all";
    int drawn = 0;
    for (int y = 0; y < kH; ++y)
        drawn += RedOnRow(y, 0, kW) == 0 && GetPixel(m_dc, kW / 2, y) != GetSysColor(COLOR_BTNFACE);
    EXPECT_GT(drawn, 0) << "the caption is there, greyed";
}

TEST_F(IconButton, PressedMovesTheCaptionOneRightOneDown)
{
    const RECT up = Draw(L"Print", 0);
    const RECT down = Draw(L"Print", ODS_SELECTED);
    ASSERT_GE(up.right, 0);
    EXPECT_EQ(up.left + 1, down.left);
    EXPECT_EQ(up.top + 1, down.top);
    EXPECT_EQ(up.right + 1, down.right);
}

TEST_F(IconButton, IconWithoutCaptionIsCentred)
{
    m_button.m_iconId = 170;
    m_button.m_iconWidth = 32;
    m_button.m_iconHeight = 32;
    Draw(L"", 0);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int left = kW, right = -1;
    for (int y = 4; y < kH - 4; ++y)
        for (int x = 4; x < kW - 4; ++x)
            if (GetPixel(m_dc, x, y) != face) {
                left = x < left ? x : left;
                right = x > right ? x : right;
            }
    ASSERT_GE(right, 0);
    EXPECT_GE(left, (kW - 32) / 2);
    EXPECT_LT(right, (kW + 32) / 2);
}

// Beside a caption the icon stands 6 pixels from its edge of the button,
// halfway down with the odd pixel above it.
TEST_F(IconButton, IconBesideACaptionSixFromItsEdge)
{
    m_button.m_iconId = 170;
    m_button.m_iconWidth = 32;
    m_button.m_iconHeight = 31; // (40 - 31 + 1) / 2 = 5, not 4
    HICON icon = static_cast<HICON>(LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(170), IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(nullptr, icon);
    HDC expected = CreateCompatibleDC(m_dc);
    HBITMAP bitmap = CreateCompatibleBitmap(m_dc, kW, kH);
    HGDIOBJ old = SelectObject(expected, bitmap);
    for (const BYTE right : {0, 1}) {
        SCOPED_TRACE(right ? "icon on the right" : "icon on the left");
        m_button.m_iconOnRight = right;
        Draw(L" ", 0); // a caption without ink
        const int x = right ? kW - 32 - 6 : 6, y = (kH - 31 + 1) / 2;
        const RECT band = {x - 2, 2, x + 34, kH - 2};
        HBRUSH face = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
        FillRect(expected, &band, face);
        DeleteObject(face);
        DrawIconEx(expected, x, y, icon, 32, 31, 0, nullptr, DI_NORMAL);
        int differing = 0;
        for (int row = band.top; row < band.bottom; ++row)
            for (int column = band.left; column < band.right; ++column)
                differing += GetPixel(m_dc, column, row) != GetPixel(expected, column, row);
        EXPECT_EQ(0, differing) << "the icon at (" << x << ", " << y << ")";
    }
    SelectObject(expected, old);
    DeleteObject(bitmap);
    DeleteDC(expected);
    DestroyIcon(icon);
}

} // namespace

namespace {

COLORREF OwnerPixel(HWND owner, int x, int y)
{
    HDC dc = GetDC(owner);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(owner, dc);
    return c;
}

TEST_F(IconButton, TipStandsAtThePointerInsideTheOwnerAndGoesWithoutTrace)
{
    m_button.m_tipEnabled = 1;
    m_button.m_tipText = L"Exit";
    Repaint(m_host.hwnd());
    HWND owner = m_host.hwnd();
    const COLORREF paper = m_host.background();
    SIZE text;
    HDC dc = GetDC(owner);
    GetTextExtentPoint32W(dc, L"Exit", 4, &text);
    ReleaseDC(owner, dc);
    const int tipW = text.cx + 4;
    RECT owned;
    GetWindowRect(owner, &owned);

    struct Row {
        POINT pointer;  // screen; the owner's client starts at the screen's corner
        int left;       // the tip's left edge on the owner
    } const rows[] = {
        {{200, 150}, 200},
        {{static_cast<LONG>(owned.right) - 10, 150}, static_cast<int>(owned.right) - 5 - tipW}, // moved in
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pointer.x);
        SendMessageW(m_control, WM_NCHITTEST, 0, MAKELPARAM(row.pointer.x, row.pointer.y));
        EXPECT_EQ(m_control, GetCapture());
        EXPECT_EQ(RGB(0, 0, 0), OwnerPixel(owner, row.left, 150)) << "black frame";
        EXPECT_EQ(RGB(0, 0, 0), OwnerPixel(owner, row.left + tipW - 1, 151));
        EXPECT_EQ(paper, OwnerPixel(owner, row.left + tipW, 151));
        EXPECT_EQ(paper, OwnerPixel(owner, row.left - 1, 151));
        EXPECT_EQ(RGB(255, 255, 0), OwnerPixel(owner, row.left + 1, 151)) << "yellow inside";
        SendMessageW(m_control, WM_MOUSEMOVE, 0, MAKELPARAM(kW + 20, kH + 20));
        EXPECT_EQ(nullptr, GetCapture());
        EXPECT_EQ(paper, OwnerPixel(owner, row.left, 150)) << "the owner's pixels are back";
        EXPECT_EQ(paper, OwnerPixel(owner, row.left + 1, 151));
    }
}

TEST_F(IconButton, EveryTipDeletesItsSavedBitmap)
{
    m_button.m_tipEnabled = 1;
    m_button.m_tipText = L"Print";
    ImportHook hook(GetModuleHandleW(nullptr), "gdi32.dll", "DeleteObject",
                    reinterpret_cast<void*>(&DeleteLikeWindows));
    ASSERT_TRUE(hook.ok());
    g_refusedDeletes = g_bitmapsDeleted = 0;
    for (int i = 0; i < 25; ++i) {
        SendMessageW(m_control, WM_NCHITTEST, 0, MAKELPARAM(200, 150));
        SendMessageW(m_control, WM_MOUSEMOVE, 0, MAKELPARAM(kW + 20, kH + 20));
    }
    EXPECT_EQ(0, g_refusedDeletes) << "deleted while still selected";
    EXPECT_EQ(25, g_bitmapsDeleted);
}

// The frame by state: a click sinks it (dark top-left, light bottom-right),
// the focus frames it dark and dots a rectangle 4 inside.
TEST_F(IconButton, SunkenWhenSelectedFramedWhenFocused)
{
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW), light = GetSysColor(COLOR_HIGHLIGHT);
    struct Row {
        UINT state;
        COLORREF left, top, right, bottom;
        bool focusDots;
    } const rows[] = {
        {ODS_SELECTED, dark, dark, light, light, false},
        {ODS_FOCUS, dark, dark, dark, dark, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.state);
        Draw(L"Print", row.state);
        EXPECT_EQ(row.left, GetPixel(m_dc, 0, kH / 2));
        EXPECT_EQ(row.top, GetPixel(m_dc, kW / 2, 0));
        EXPECT_EQ(row.right, GetPixel(m_dc, kW - 1, kH / 2));
        EXPECT_EQ(row.bottom, GetPixel(m_dc, kW / 2, kH - 1));
        int dots = 0;
        for (int x = 10; x < kW - 10; ++x)
            dots += GetPixel(m_dc, x, 4) != GetSysColor(COLOR_BTNFACE);
        EXPECT_EQ(row.focusDots, dots > 0);
    }
    Draw(L"Print", 0);
    EXPECT_NE(light, GetPixel(m_dc, kW - 1, kH / 2)) << "released: the platform's push-button frame";
}

} // namespace
