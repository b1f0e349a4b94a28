// CMyStatic on a real static control and CMyHeaderCtrl on a real list
// header, as read back from the windows.
#include "control_host.h"

#include "my_static.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr COLORREF kHostColor = RGB(0, 128, 128);
constexpr COLORREF kPaper = RGB(255, 255, 0);
constexpr COLORREF kInk = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kW = 200, kH = 30;

class MyStaticPaint : public testing::Test {
protected:
    void SetUp() override
    {
        InitResourcesFromProgram();
        m_control = m_host.AddChild(L"STATIC", SS_LEFT, 1026, RECT{10, 10, 10 + kW, 10 + kH});
        ASSERT_TRUE(m_label.SubclassWindow(m_control));
        m_label.SetBackColor(kPaper);
        m_label.SetTextColor(kInk);
        m_label.SetFont(L"Arial", 18, 1, 0, 0, 0, 0);
        m_font = CreateFontW(18, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    }
    void TearDown() override { DeleteObject(m_font); }

    Pixels Paint(const wchar_t* text)
    {
        SetWindowTextW(m_control, text);
        Repaint(m_host.hwnd());
        return Pixels(m_control);
    }
    // Where the text must land: drawn by the platform in the text rectangle.
    RECT ExpectedInk(const std::wstring& text, int inset, UINT align, RECT area) const
    {
        const RECT r = {inset, inset, kW - inset, kH - inset};
        return Pixels::OfText(kW, kH, kPaper, kInk, m_font, text, r, DT_SINGLELINE | DT_VCENTER | align)
            .InkBox(kInk, kPaper, area);
    }

    ControlHost m_host{kHostColor};
    HWND m_control = nullptr;
    CMyStatic m_label;
    HFONT m_font = nullptr;
};


TEST_F(MyStaticPaint, BorderRingsAndTextInset)
{
    struct Case {
        int style, width, align;
        int rings;     // frames drawn
        int inset;     // of the text rectangle
        UINT format;   // alignment as DrawText takes it
        bool raised;
    } cases[] = {
        {2, 1, 0, 1, 1, DT_LEFT, false},  // the titles of the list and guest dialogs
        {1, 3, 0, 3, 3, DT_LEFT, true},
        {0, 3, 0, 0, 3, DT_LEFT, false},  // no frame, yet the text moves in
        {5, 2, 0, 0, 2, DT_LEFT, false},
        {0, 0, 0, 0, 1, DT_LEFT, false},
        {1, 0, 2, 0, 1, DT_RIGHT, false},
        {1, 2, 2, 2, 2, DT_RIGHT, true},
        {2, 2, 1, 2, 2, DT_CENTER, false},
        {0, 4, 9, 0, 4, DT_LEFT, false},  // other alignments: left
    };
    const std::wstring text = L"Room 0412";
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style " << c.style << ", width " << c.width << ", align " << c.align);
        m_label.SetBorder(c.style, c.width);
        m_label.SetAlign(c.align);
        Pixels p = Paint(text.c_str());
        if (c.style == 1 && c.width == 3)
            p.Save("my_static_raised3");
        if (c.style == 2 && c.width == 1)
            p.Save("my_static_sunken1");
        p.ExpectRings(c.rings, c.raised ? kWhite : kBlack, c.raised ? kBlack : kWhite);
        EXPECT_EQ(kPaper, p.at(c.rings, kH - 1 - c.rings)) << "inside the rings: background";
        EXPECT_EQ(kPaper, p.at(kW - 1 - c.rings, c.rings));
        const RECT inside = {c.rings, c.rings, kW - c.rings, kH - c.rings};
        const RECT expected = ExpectedInk(text, c.inset, c.format, inside);
        if (c.format != DT_CENTER) {
            ASSERT_NE(expected, ExpectedInk(text, c.inset - 1, c.format, inside)) << "the inset shows in the ink";
        }
        EXPECT_EQ(expected, p.InkBox(kInk, kPaper, inside));
    }
}

TEST_F(MyStaticPaint, TextStaysOnOneLineCentredVertically)
{
    m_label.SetBorder(2, 1);
    const std::wstring text = L"Guest has\r\na Message";
    Pixels p = Paint(text.c_str());
    p.Save("my_static_single_line");
    const RECT inside = {1, 1, kW - 1, kH - 1};
    const RECT ink = p.InkBox(kInk, kPaper, inside);
    EXPECT_EQ(ExpectedInk(text, 1, DT_LEFT, inside), ink);
    TEXTMETRICW tm = {};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, m_font);
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    EXPECT_LE(ink.bottom - ink.top, tm.tmHeight) << "one line, not two";
    EXPECT_GT(ink.right - ink.left, 100) << "both halves side by side";
    EXPECT_LE(std::abs((ink.top + ink.bottom) - kH), 6) << "about the middle of the label";
}

// Bold is the flag 1 alone: any other value gives the normal weight.
TEST_F(MyStaticPaint, BoldOnlyForTheFlagOne)
{
    const std::wstring text = L"Room 0412";
    const RECT all = {0, 0, kW, kH};
    for (const BYTE bold : {0, 1, 2, 255}) {
        SCOPED_TRACE(testing::Message() << "bold flag " << int(bold));
        m_label.SetFont(L"Arial", 18, bold, 0, 0, 0, 0);
        HFONT font = CreateFontW(18, 0, 0, 0, bold == 1 ? FW_BOLD : FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
        const RECT expected = Pixels::OfText(kW, kH, kPaper, kInk, font, text, RECT{1, 1, kW - 1, kH - 1},
                                             DT_SINGLELINE | DT_VCENTER | DT_LEFT)
                                  .InkBox(kInk, kPaper, all);
        DeleteObject(font);
        EXPECT_EQ(expected, Paint(text.c_str()).InkBox(kInk, kPaper, all));
    }
}

TEST_F(MyStaticPaint, EmptyTextPaintsBackgroundAndBorderOnly)
{
    m_label.SetBorder(1, 2);
    Pixels p = Paint(L"");
    p.ExpectRings(2, kWhite, kBlack);
    EXPECT_TRUE(p.AllOf(RECT{2, 2, kW - 2, kH - 2}, kPaper));

    m_label.SetBorder(0, 0);
    EXPECT_TRUE(Paint(L"").AllOf(RECT{0, 0, kW, kH}, kPaper));
}

TEST_F(MyStaticPaint, WithoutAFontTheDefaultFontDraws)
{
    CMyStatic plain;
    HWND control = m_host.AddChild(L"STATIC", SS_LEFT, 1027, RECT{10, 60, 10 + kW, 60 + kH});
    ASSERT_TRUE(plain.SubclassWindow(control));
    plain.SetBackColor(kPaper);
    plain.SetTextColor(kInk);
    SetWindowTextW(control, L"Room 0412");
    Repaint(m_host.hwnd());
    const RECT all = {0, 0, kW, kH};
    const RECT expected = Pixels::OfText(kW, kH, kPaper, kInk, nullptr, L"Room 0412", RECT{1, 1, kW - 1, kH - 1},
                                         DT_SINGLELINE | DT_VCENTER | DT_LEFT)
                              .InkBox(kInk, kPaper, all);
    EXPECT_EQ(expected, Pixels(control).InkBox(kInk, kPaper, all));
}

// The window that holds the list: attached to an object of the class
// library, as a dialog is.
class ListHost : public CWnd {
public:
    int paints = 0;
    void OnPaint()
    {
        ++paints;
        Default();
    }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListHost, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class HeaderColours : public testing::Test {
protected:
    void SetUp() override
    {
        InitResourcesFromProgram();
        ASSERT_TRUE(m_parent.SubclassWindow(m_host.hwnd()));
    }
    void TearDown() override { m_parent.UnsubclassWindow(); }

    HWND AddList(int id, int top, CListCtrl& list)
    {
        HWND hwnd = m_host.AddChild(WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | WS_BORDER, id,
                                    RECT{10, top, 390, top + 100});
        EXPECT_TRUE(list.SubclassWindow(hwnd));
        list.InsertColumn(0, L"Room  Name", LVCFMT_LEFT, 300, -1);
        list.InsertItem(0, L"0412 SMITH");
        return list.GetHeaderCtrlHandle();
    }

    ControlHost m_host{kHostColor};
    ListHost m_parent;
};

TEST_F(HeaderColours, AttachedHeaderDrawsBlackOnYellow)
{
    CListCtrl coloured, plain;
    CMyHeaderCtrl header;
    HWND colouredHeader = AddList(1045, 10, coloured);
    HWND plainHeader = AddList(1046, 150, plain);
    Repaint(m_host.hwnd());
    const Pixels before(colouredHeader);
    ASSERT_TRUE(header.SubclassWindow(colouredHeader));
    Repaint(m_host.hwnd());
    EXPECT_GT(m_parent.paints, 0) << "the parent's messages go through its object";
    Pixels(m_host.hwnd()).Save("my_header");

    RECT item = {};
    ASSERT_TRUE(SendMessageW(colouredHeader, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)));
    const Pixels yellow(colouredHeader);
    const Pixels plainPixels(plainHeader);
    // Right part of the item, past the heading's text, inside its edges.
    const RECT background = {item.right - 60, item.top + 4, item.right - 10, item.bottom - 4};
    EXPECT_TRUE(yellow.AllOf(background, RGB(255, 255, 0))) << "at " << yellow.at(item.right - 30, item.bottom / 2);
    const RECT text = {item.left, item.top, item.left + 120, item.bottom};
    EXPECT_NE((RECT{0, 0, 0, 0}), yellow.InkBox(kBlack, RGB(255, 255, 0), text)) << "black heading text";

    // The header left alone keeps the control's own colours.
    const COLORREF own = before.at(item.right - 30, item.bottom / 2);
    EXPECT_NE(RGB(255, 255, 0), own);
    EXPECT_TRUE(plainPixels.AllOf(background, own));
}

} // namespace
