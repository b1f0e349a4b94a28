// CMyColorStatic on a real static control: the control paints, the label
// answers the colour request that the parent reflects to it.
#include "control_host.h"

#include "my_color_static.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kHostColor = RGB(0, 128, 128);
constexpr int kW = 200, kH = 30;

class ColorStatic : public testing::Test {
protected:
    void SetUp() override
    {
        InitResourcesFromProgram();
        // The parent's colour requests go through its object, which
        // reflects them to the label.
        ASSERT_TRUE(m_parent.SubclassWindow(m_host.hwnd()));
        m_control = m_host.AddChild(L"STATIC", SS_LEFT, 1026, RECT{10, 10, 10 + kW, 10 + kH}, L"MMMM MMMM");
        ASSERT_TRUE(m_label.SubclassWindow(m_control));
    }
    void TearDown() override
    {
        m_label.UnsubclassWindow();
        m_parent.UnsubclassWindow();
    }
    Pixels Painted()
    {
        Repaint(m_host.hwnd());
        return Pixels(m_control);
    }
    int Count(const Pixels& p, COLORREF color)
    {
        int n = 0;
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x)
                n += p.at(x, y) == color;
        return n;
    }

    ControlHost m_host{kHostColor};
    CWnd m_parent;
    HWND m_control = nullptr;
    CMyColorStatic m_label;
};

TEST_F(ColorStatic, UntouchedLabelIsButtonFaceWithBlackText)
{
    const Pixels p = Painted();
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), p.at(kW - 2, kH - 2));
    EXPECT_GT(Count(p, RGB(0, 0, 0)), 10);
}

TEST_F(ColorStatic, NewColoursAtTheNextPaint)
{
    m_label.SetBkColor(RGB(0, 0, 255));
    m_label.SetTextColor(RGB(255, 255, 0));
    const Pixels p = Painted();
    EXPECT_EQ(RGB(0, 0, 255), p.at(kW - 2, kH - 2)) << "the fill";
    EXPECT_GT(Count(p, RGB(255, 255, 0)), 10) << "the text";
    EXPECT_EQ(0, Count(p, RGB(0, 0, 0)));
    EXPECT_EQ(0, Count(p, GetSysColor(COLOR_BTNFACE))) << "the text background too";
    p.Save("color_static_blue_yellow");
}

TEST_F(ColorStatic, AnswersTheRequestWithItsBrushAndColours)
{
    m_label.SetBkColor(RGB(10, 20, 30));
    HDC dc = GetDC(m_control);
    const HBRUSH brush = m_label.CtlColor(CDC::FromHandle(dc), CTLCOLOR_STATIC);
    EXPECT_EQ(RGB(10, 20, 30), GetBkColor(dc));
    EXPECT_EQ(RGB(0, 0, 0), GetTextColor(dc));
    LOGBRUSH lb = {};
    GetObjectW(brush, sizeof lb, &lb);
    EXPECT_EQ(RGB(10, 20, 30), lb.lbColor);
    // What the control itself asks its parent for, through the reflection.
    EXPECT_EQ(reinterpret_cast<LRESULT>(brush),
              SendMessageW(m_host.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(m_control)));
    ReleaseDC(m_control, dc);
    AfxDeleteTempObjects();
}

} // namespace
