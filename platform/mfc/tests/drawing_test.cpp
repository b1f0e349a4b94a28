// Device-context calls on a memory bitmap and on a window's client area,
// checked by the pixels they leave.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

class Canvas : public testing::Test {
protected:
    void SetUp() override
    {
        m_screen.Attach(GetDC(nullptr));
        ASSERT_TRUE(m_dc.CreateCompatibleDC(&m_screen));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&m_screen, 100, 60));
        m_old = m_dc.SelectObject(&m_bitmap);
        const CRect all(0, 0, 100, 60);
        m_dc.FillSolidRect(all, RGB(255, 255, 255));
    }
    void TearDown() override
    {
        m_dc.SelectObject(m_old);
        ReleaseDC(nullptr, m_screen.Detach());
    }
    COLORREF At(int x, int y) { return GetPixel(m_dc.m_hDC, x, y); }
    int CountOf(COLORREF color, const RECT& r)
    {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                n += At(x, y) == color;
        return n;
    }

    CDC m_screen;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_old = nullptr;
};

TEST_F(Canvas, CompatibleBitmapHasTheAskedSize)
{
    BITMAP info = {};
    m_bitmap.GetBitmap(&info);
    EXPECT_EQ(100, info.bmWidth);
    EXPECT_EQ(60, info.bmHeight);
}

TEST_F(Canvas, SolidFillKeepsTheBackgroundColour)
{
    m_dc.SetBkColor(RGB(1, 2, 3));
    const CRect r(10, 10, 20, 15);
    m_dc.FillSolidRect(r, RGB(255, 0, 0));
    EXPECT_EQ(RGB(255, 0, 0), At(10, 10));
    EXPECT_EQ(RGB(255, 0, 0), At(19, 14));
    EXPECT_EQ(RGB(255, 255, 255), At(20, 14));
    EXPECT_EQ(RGB(1, 2, 3), GetBkColor(m_dc.m_hDC));
}

TEST_F(Canvas, LinesFromTheCurrentPosition)
{
    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* old = m_dc.SelectObject(&pen);
    m_dc.MoveTo(5, 30);
    const CPoint previous = m_dc.MoveTo(5, 30);
    EXPECT_EQ(5, previous.x);
    m_dc.LineTo(50, 30);
    m_dc.SelectObject(old);
    EXPECT_EQ(RGB(0, 0, 255), At(5, 30));
    EXPECT_EQ(RGB(0, 0, 255), At(49, 30));
    EXPECT_EQ(RGB(255, 255, 255), At(50, 30)) << "the end point is not drawn";
}

TEST_F(Canvas, NullStockBrushDrawsOnlyTheOutline)
{
    m_dc.SelectStockObject(NULL_BRUSH);
    m_dc.SelectStockObject(BLACK_PEN);
    const CRect r(10, 10, 30, 30);
    m_dc.Rectangle(r);
    EXPECT_EQ(RGB(0, 0, 0), At(10, 10));
    EXPECT_EQ(RGB(255, 255, 255), At(20, 20));
}

TEST_F(Canvas, FrameAndFocusRectangles)
{
    CBrush black(RGB(0, 0, 0));
    const CRect r(10, 10, 40, 40);
    m_dc.FrameRect(r, &black);
    EXPECT_EQ(RGB(0, 0, 0), At(10, 25));
    EXPECT_EQ(RGB(255, 255, 255), At(11, 25));
    const CRect focus(50, 10, 90, 40);
    m_dc.DrawFocusRect(focus);
    EXPECT_GT(CountOf(RGB(0, 0, 0), RECT{50, 10, 90, 11}), 5) << "dotted top edge";
    EXPECT_EQ(RGB(255, 255, 255), At(70, 25));
}

TEST_F(Canvas, TextExtentGrowsWithTheText)
{
    CFont font;
    font.CreateFont(20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, L"Arial");
    m_dc.SelectObject(&font);
    const CSize one = m_dc.GetTextExtent(CString(L"W"));
    const CSize three = m_dc.GetTextExtent(L"WWW", 3);
    EXPECT_GT(one.cx, 0);
    EXPECT_EQ(3 * one.cx, three.cx);
    EXPECT_EQ(one.cy, three.cy);
    EXPECT_EQ(0, m_dc.GetTextExtent(CString(L"")).cx);
}

TEST_F(Canvas, IconsAndFrameControls)
{
    HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(32516)); // IDI_INFORMATION
    ASSERT_NE(nullptr, icon);
    EXPECT_TRUE(m_dc.DrawIconEx(CPoint(0, 0), icon, 0, 0, DI_NORMAL));
    EXPECT_GT(100 * 60 - CountOf(RGB(255, 255, 255), RECT{0, 0, 32, 32}) - (100 * 60 - 32 * 32), 50);

    const CRect all(0, 0, 100, 60);
    m_dc.FillSolidRect(all, RGB(255, 255, 255));
    CRect button(40, 10, 90, 50);
    EXPECT_TRUE(m_dc.DrawFrameControl(button, DFC_BUTTON, DFCS_BUTTONPUSH));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), At(65, 30));

    m_dc.FillSolidRect(all, RGB(255, 255, 255));
    EXPECT_TRUE(m_dc.DrawState(CPoint(0, 0), CSize(32, 32), icon, DSS_DISABLED));
    EXPECT_LT(CountOf(RGB(255, 255, 255), RECT{0, 0, 32, 32}), 32 * 32);
    m_dc.FillSolidRect(all, RGB(255, 255, 255));
    EXPECT_TRUE(m_dc.DrawState(CPoint(2, 2), CSize(90, 30), L"&Grey", DSS_DISABLED, TRUE, 5));
    EXPECT_LT(CountOf(RGB(255, 255, 255), RECT{0, 0, 100, 40}), 100 * 40);
    EXPECT_EQ(0, CountOf(RGB(0, 0, 0), RECT{0, 0, 100, 40})) << "disabled text is not black";
    DestroyIcon(icon);
}

TEST(ClientDC, DrawsOnTheWindowOutsidePainting)
{
    HWND window = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(window);
    CWnd wnd;
    wnd.Attach(window);
    {
        CClientDC dc(&wnd);
        ASSERT_NE(nullptr, dc.m_hDC);
        const CRect r(0, 0, 20, 20);
        dc.FillSolidRect(r, RGB(0, 128, 0));
        EXPECT_EQ(RGB(0, 128, 0), GetPixel(dc.m_hDC, 10, 10));
    }
    wnd.Detach();
    DestroyWindow(window);
}

} // namespace
