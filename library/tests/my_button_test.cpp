// CMyButton on a real push button: faces, frames, pictures and captions as
// read back from the window.
#include "control_host.h"

#include "my_button.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr COLORREF kHostColor = RGB(0, 128, 128);
constexpr COLORREF kFace = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr int kW = 120, kH = 76;
constexpr int kMissingPicture = 201; // the picture sets skip this id

class MyButtonPaint : public testing::Test {
protected:
    void SetUp() override
    {
        InitResourcesFromProgram();
        m_control = m_host.AddChild(L"BUTTON", BS_PUSHBUTTON, 1001, RECT{10, 10, 10 + kW, 10 + kH});
        ASSERT_TRUE(m_button.SubclassWindow(m_control));
        m_button.SetBackColor(kFace);
    }

    Pixels Paint()
    {
        Repaint(m_host.hwnd());
        return Pixels(m_control);
    }
    // The press as the pointer gives it, painted at once.
    Pixels Press()
    {
        SendMessageW(m_control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kW / 2, kH / 2));
        UpdateWindow(m_control);
        return Pixels(m_control);
    }
    Pixels Release(int x, int y)
    {
        SendMessageW(m_control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        UpdateWindow(m_control);
        return Pixels(m_control);
    }

    ControlHost m_host{kHostColor};
    HWND m_control = nullptr;
    CMyButton m_button;
};


TEST_F(MyButtonPaint, BevelZeroDrawsNoFaceAndPlacesPictureWithoutInset)
{
    const Pixels exitPicture = Pixels::OfBitmap(IDB_EXIT);
    ASSERT_EQ(23, exitPicture.width());
    ASSERT_EQ(26, exitPicture.height());
    m_button.SetBackColor(RGB(255, 0, 255));
    m_button.SetBitmapID(IDB_EXIT);

    for (BYTE rounded : {0, 1}) {
        m_button.SetRounded(rounded);
        m_button.SetBevelWidth(3);
        Pixels framed = Paint();
        EXPECT_EQ(RGB(255, 0, 255), framed.at(kW / 2, kH / 2)) << "rounded " << int(rounded);
        EXPECT_TRUE(framed.Contains(exitPicture, 3, 3)) << "inset by the bevel, rounded " << int(rounded);

        m_button.SetBevelWidth(0);
        Pixels bare = Paint();
        bare.Save(rounded ? "my_button_bevel0_rounded" : "my_button_bevel0");
        // What the erasing left: the host's background shows through.
        EXPECT_TRUE(bare.AllOf(RECT{30, 0, kW, kH}, kHostColor)) << "rounded " << int(rounded);
        EXPECT_TRUE(bare.AllOf(RECT{0, 30, kW, kH}, kHostColor)) << "rounded " << int(rounded);
        EXPECT_TRUE(bare.Contains(exitPicture, 0, 0)) << "rounded " << int(rounded);
    }
}

TEST_F(MyButtonPaint, BevelledFaceDrawsNestedFramesThatSwapWhilePressed)
{
    m_button.SetBevelWidth(2);
    Pixels released = Paint();
    released.Save("my_button_bevel2_released");
    released.ExpectRings(2, kWhite, kBlack);
    EXPECT_EQ(kFace, released.at(2, kH / 2));
    EXPECT_EQ(kFace, released.at(kW / 2, kH - 3));
    EXPECT_TRUE(released.AllOf(RECT{2, 2, kW - 2, kH - 2}, kFace));

    Pixels pressed = Press();
    pressed.Save("my_button_bevel2_pressed");
    pressed.ExpectRings(2, kBlack, kWhite);

    // Released off the button: the face comes back, and no click is sent.
    Pixels after = Release(kW + 30, kH + 30);
    after.ExpectRings(2, kWhite, kBlack);
    EXPECT_EQ(0, m_host.Clicks());

    Press();
    Release(kW / 2, kH / 2);
    EXPECT_EQ(1, m_host.Clicks()) << "released on the button, the control clicks";
}

TEST_F(MyButtonPaint, RoundedFaceKeepsItsCornersInTheFaceColour)
{
    constexpr COLORREF kPressed = RGB(255, 0, 0);
    m_button.SetRounded(1);
    m_button.SetPressedColor(kPressed);
    m_button.SetBevelWidth(3); // drawn once on the whole client area all the same

    Pixels released = Paint();
    released.Save("my_button_rounded");
    const POINT corners[] = {{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}};
    for (POINT c : corners)
        EXPECT_EQ(kFace, released.at(c.x, c.y)) << c.x << "," << c.y;
    EXPECT_EQ(kBlack, released.at(kW / 2, 0)) << "the outline runs along the edge";
    EXPECT_EQ(kBlack, released.at(0, kH / 2));
    EXPECT_EQ(kFace, released.at(kW / 2, 1)) << "no inner rings on a rounded face";
    EXPECT_EQ(kFace, released.at(2, kH / 2));
    EXPECT_TRUE(released.AllOf(RECT{12, 12, kW - 12, kH - 12}, kFace));

    Pixels pressed = Press();
    pressed.Save("my_button_rounded_pressed");
    for (POINT c : corners)
        EXPECT_EQ(kFace, pressed.at(c.x, c.y)) << c.x << "," << c.y;
    EXPECT_EQ(kBlack, pressed.at(kW / 2, kH - 1));
    EXPECT_TRUE(pressed.AllOf(RECT{12, 1, kW - 12, kH - 1}, kPressed));
    EXPECT_TRUE(pressed.AllOf(RECT{1, 12, kW - 1, kH - 12}, kPressed));

    Pixels after = Release(-20, -20);
    EXPECT_TRUE(after.AllOf(RECT{12, 12, kW - 12, kH - 12}, kFace));
}

// The caption as the platform draws it into the block the button must use.
class ButtonCaption : public MyButtonPaint {
protected:
    void SetUp() override
    {
        MyButtonPaint::SetUp();
        m_button.SetTextColor(kBlue);
        // A height whose line is an odd number of pixels, so that halving
        // the block's height on its own shows.
        for (int height : {18, 19, 17, 20, 21, 22}) {
            m_font.reset(new FontFixture(height));
            if (m_font->LineHeight(L"Exit", kW) % 2 == 1) {
                m_height = height;
                break;
            }
        }
        ASSERT_NE(0, m_height) << "no Arial height with an odd line";
        m_button.SetFont(L"Arial", m_height, 1, 0, 0);
    }

    struct FontFixture {
        explicit FontFixture(int height)
            : font(CreateFontW(height, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, L"Arial"))
        {
        }
        ~FontFixture() { DeleteObject(font); }
        int LineHeight(const std::wstring& text, int width) const
        {
            HDC dc = GetDC(nullptr);
            HGDIOBJ old = SelectObject(dc, font);
            RECT r = {0, 0, width, 0};
            DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK);
            SelectObject(dc, old);
            ReleaseDC(nullptr, dc);
            return r.bottom - r.top;
        }
        HFONT font;
    };

    RECT Expected(const std::wstring& text, RECT block, UINT format) const
    {
        return Pixels::OfText(kW, kH, kFace, kBlue, m_font->font, text, block, format).InkBox(kBlue, kFace, kInside);
    }
    static constexpr RECT kInside = {1, 1, kW - 1, kH - 1}; // inside the one ring

    std::unique_ptr<FontFixture> m_font;
    int m_height = 0;
};

TEST_F(ButtonCaption, CentredBlockStartsAtHalfHeightLessHalfItsHeight)
{
    m_button.SetText(L"Exit");
    m_button.SetTextHAlign(1);
    m_button.SetTextVAlign(1);
    const int h = m_font->LineHeight(L"Exit", kW);
    const int top = kH / 2 - h / 2; // 38 - 9 = 29 for a 19-pixel line
    ASSERT_NE(top, (kH - h) / 2);
    const RECT expected = Expected(L"Exit", RECT{1, top, kW - 1, top + h}, DT_WORDBREAK | DT_CENTER);
    ASSERT_NE(expected, Expected(L"Exit", RECT{1, top - 1, kW - 1, top - 1 + h}, DT_WORDBREAK | DT_CENTER));

    Pixels p = Paint();
    p.Save("my_button_caption_centred");
    EXPECT_EQ(expected, p.InkBox(kBlue, kFace, kInside)) << "h = " << h << ", top " << top;

    m_button.SetTextYOffset(20);
    EXPECT_EQ(Expected(L"Exit", RECT{1, top + 20, kW - 1, top + 20 + h}, DT_WORDBREAK | DT_CENTER),
              Paint().InkBox(kBlue, kFace, kInside));
}

TEST_F(ButtonCaption, BlockIsMeasuredAsAWholeAndPlacedByAlignment)
{
    const std::wstring text = L"Guest Messages Today";
    m_button.SetText(text.c_str());
    const int h = m_font->LineHeight(text, kW);
    ASSERT_GT(h, m_font->LineHeight(L"Exit", kW)) << "the caption wraps";

    struct Case {
        int vAlign, hAlign;
        RECT block;
        UINT format;
    } cases[] = {
        {0, 0, {1, 0, kW - 1, h}, DT_WORDBREAK | DT_LEFT},
        {2, 2, {1, kH - h, kW - 1, kH}, DT_WORDBREAK | DT_RIGHT},
        {1, 1, {1, kH / 2 - h / 2, kW - 1, kH / 2 - h / 2 + h}, DT_WORDBREAK | DT_CENTER},
        {7, 1, {1, 0, kW - 1, h}, DT_WORDBREAK | DT_CENTER}, // other values: as 0
    };
    for (const Case& c : cases) {
        m_button.SetTextVAlign(c.vAlign);
        m_button.SetTextHAlign(c.hAlign);
        EXPECT_EQ(Expected(text, c.block, c.format), Paint().InkBox(kBlue, kFace, kInside))
            << "vertical " << c.vAlign << ", horizontal " << c.hAlign;
    }
}

// Bold is the flag 1 alone: any other value gives the normal weight.
TEST_F(ButtonCaption, BoldOnlyForTheFlagOne)
{
    m_button.SetText(L"Exit");
    for (const BYTE bold : {0, 1, 2, 255}) {
        SCOPED_TRACE(testing::Message() << "bold flag " << int(bold));
        m_button.SetFont(L"Arial", m_height, bold, 0, 0);
        HFONT font = CreateFontW(m_height, 0, 0, 0, bold == 1 ? FW_BOLD : FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                                 0, L"Arial");
        const RECT expected = Pixels::OfText(kW, kH, kFace, kBlue, font, L"Exit", RECT{1, 0, kW - 1, kH},
                                             DT_WORDBREAK | DT_LEFT)
                                  .InkBox(kBlue, kFace, kInside);
        DeleteObject(font);
        EXPECT_EQ(expected, Paint().InkBox(kBlue, kFace, kInside));
    }
}

TEST_F(ButtonCaption, HorizontalAlignmentOutsideTheTableDrawsNoCaption)
{
    m_button.SetText(L"Exit");
    m_button.SetBitmapID(IDB_EXIT);
    m_button.SetBitmapHAlign(1);
    m_button.SetBitmapVAlign(1);
    m_button.SetTextVAlign(1);
    m_button.SetTextYOffset(20);
    m_button.SetTextHAlign(1);
    const RECT captionArea = {1, kH / 2 + 14, kW - 1, kH - 1}; // below the picture
    EXPECT_NE((RECT{0, 0, 0, 0}), Paint().InkBox(kBlue, kFace, captionArea));

    m_button.SetTextHAlign(3);
    Pixels p = Paint();
    p.Save("my_button_caption_align3");
    EXPECT_EQ((RECT{0, 0, 0, 0}), p.InkBox(kBlue, kFace, captionArea));
    EXPECT_TRUE(p.Contains(Pixels::OfBitmap(IDB_EXIT), (kW - 23) / 2, (kH - 26) / 2)) << "the picture stays";
}

TEST_F(MyButtonPaint, PicturePlacedByAlignmentBevelAndOffsets)
{
    const Pixels back = Pixels::OfBitmap(IDB_BACK);
    ASSERT_EQ(32, back.width());
    ASSERT_EQ(31, back.height());
    m_button.SetBitmapID(IDB_BACK);
    m_button.SetBevelWidth(2);
    m_button.SetBitmapXOffset(5);
    m_button.SetBitmapYOffset(4);

    struct Case {
        int hAlign, vAlign;
        POINT at;
    } cases[] = {
        {0, 0, {2 + 5, 2 + 4}},
        {1, 1, {(kW - 32) / 2 + 5, (kH - 31) / 2 + 4}},
        {2, 2, {kW - 32 - 2 - 5, kH - 31 - 2 - 4}},
        {3, 0, {0, 2 + 4}},  // other horizontal values: the left edge, no offset
        {1, 3, {(kW - 32) / 2 + 5, 2 + 4}}, // other vertical values: as 0
        {-1, 1, {0, (kH - 31) / 2 + 4}},
    };
    for (const Case& c : cases) {
        m_button.SetBitmapHAlign(c.hAlign);
        m_button.SetBitmapVAlign(c.vAlign);
        Pixels p = Paint();
        EXPECT_TRUE(p.Contains(back, c.at.x, c.at.y))
            << "alignment " << c.hAlign << "/" << c.vAlign << " at " << c.at.x << "," << c.at.y;
    }

    // A centred picture larger than the button starts above and left of it.
    m_button.SetBitmapXOffset(0);
    m_button.SetBitmapYOffset(0);
    m_button.SetBitmapHAlign(1);
    m_button.SetBitmapVAlign(1);
    m_host.AddChild(L"BUTTON", BS_PUSHBUTTON, 1002, RECT{200, 10, 220, 30});
    CMyButton small;
    ASSERT_TRUE(small.SubclassWindow(GetDlgItem(m_host.hwnd(), 1002)));
    small.SetBitmapID(IDB_BACK);
    small.SetBitmapHAlign(1);
    small.SetBitmapVAlign(1);
    Repaint(m_host.hwnd());
    const Pixels clipped(GetDlgItem(m_host.hwnd(), 1002));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(back.at(x + 6, y + 5), clipped.at(x, y)) << x << "," << y;
}

TEST_F(MyButtonPaint, PictureIdWithoutResourceDrawsNothing)
{
    m_button.SetBitmapHAlign(1);
    m_button.SetBitmapVAlign(1);
    m_button.SetBitmapID(IDB_PRINT);
    EXPECT_FALSE(Paint().AllOf(RECT{2, 2, kW - 2, kH - 2}, kFace)) << "a real picture shows";
    for (int id : {kMissingPicture, 0, -5, 60000}) {
        m_button.SetBitmapID(id);
        EXPECT_TRUE(Paint().AllOf(RECT{2, 2, kW - 2, kH - 2}, kFace)) << "picture id " << id;
    }
}

} // namespace
