// How the Win32 workstation build dresses its dialogs, control by control:
// every button and label is read back from the screen and compared pixel
// for pixel with the same control drawn here from the tables below
// (background and bevel, which picture and where, caption, its font and
// alignment on one line, title borders, guest lines and indicators).
#include "dialog_driver.h"
#include "dialog_exports.h"
#include "locale_fonts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr COLORREF kButtonFace = RGB(212, 208, 200);
constexpr COLORREF kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);

const Flavour& Win32Build() { return AllFlavours()[4]; }

// Without a host the thresholds compare the whole screen with 750.
bool Narrow() { return GetSystemMetrics(SM_CXSCREEN) < 750; }
bool Low() { return GetSystemMetrics(SM_CYSCREEN) < 750; }

struct ButtonRow {
    int id;
    int picture;
    int pictureH, pictureV; // 0 near, 1 centre, 2 far
    int xOffset, yOffset;
    const wchar_t* caption; // null: no caption
    int captionH, captionV; // 0 near, 1 centre, 2 far
    int fontHeight;         // "Arial" bold
};

struct LabelRow {
    int id;
    const wchar_t* text;
    std::wstring face;
    int height;
    BYTE charSet;
    int sunkenRings;
    UINT align; // DT_LEFT, DT_CENTER
    COLORREF back, color;
};

std::vector<ButtonRow> DisplayButtons()
{
    const int h = Narrow() ? 2 : 1;
    return {{20020, 20023, 0, 1, 15, 0, L"Exit", h, 1, 24}, {20026, 20022, 0, 1, 0, 0, L"Back", h, 1, 24},
            {20028, 20024, 0, 1, 15, 0, L"Print", h, 1, 24}, {20030, 20026, 1, 1, 0, 0, nullptr, 0, 0, 0},
            {20035, 20031, 1, 1, 0, 0, nullptr, 0, 0, 0}};
}

std::vector<ButtonRow> ListButtons()
{
    return {{20029, 20025, 1, 1, 0, 0, nullptr, 0, 0, 0}, {20030, 20026, 1, 1, 0, 0, nullptr, 0, 0, 0},
            {20031, 20027, 1, 1, 0, 0, nullptr, 0, 0, 0}, {20032, 20028, 0, 1, 0, 0, L"OK", 1, 1, 24},
            {20033, 20029, 0, 1, 0, 0, L"Abort", 1, 1, 24}, {20034, 20030, 1, 1, 0, 0, nullptr, 0, 0, 0},
            {20035, 20031, 1, 1, 0, 0, nullptr, 0, 0, 0}, {20036, 20032, 1, 1, 0, 0, nullptr, 0, 0, 0}};
}

std::vector<ButtonRow> GuestButtons()
{
    const int v = Low() ? 2 : 1;
    return {{20030, 20033, 1, 0, 0, 5, Narrow() ? L"Reserv. Details" : L"Reservation Details", 1, v, 20},
            {20031, 20034, 1, 0, 0, 5, L"Guest Details", 1, v, 20},
            {20032, 20035, 1, 0, 0, 5, L"Guest Messages", 1, v, 20},
            {20033, 20036, 1, 0, 0, 5, L"Guest Locator", 1, v, 20},
            {20034, 20037, 1, 0, 0, 5, L"Enter Message", 1, v, 20},
            {20035, 20038, 1, 0, 0, 5, L"Enter Locator", 1, v, 20},
            {20020, 20023, 1, 0, 0, 5, L"EXIT", 1, v, 20}};
}

std::wstring LocaleFace()
{
    const char16_t* face = FaceNameByLocale(GetSystemDefaultLCID());
    return std::wstring(face, face + std::char_traits<char16_t>::length(face));
}

std::vector<LabelRow> GuestLabels()
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const BYTE charSet = static_cast<BYTE>(CharsetByLocale(GetSystemDefaultLCID()));
    return {{20021, L"Guest Functions", L"Arial", 24, ANSI_CHARSET, 2, DT_CENTER, face, kBlack},
            {20023, L"Room  Name", LocaleFace(), 20, charSet, 2, DT_LEFT, RGB(255, 255, 0), kBlack},
            {20024, L"0412  SMITH JOHN", LocaleFace(), 20, charSet, 2, DT_LEFT, RGB(0, 255, 0), kBlack},
            {20012, L"Guest has a Message", L"Arial", 18, ANSI_CHARSET, 0, DT_LEFT, face, RGB(0, 0, 255)},
            {20025, L"Guest has a Locator", L"Arial", 18, ANSI_CHARSET, 0, DT_LEFT, face, RGB(0, 100, 0)}};
}

// A 32-bit picture of a control's size: what the control shows, or what
// it must show, drawn here by the platform.
class Canvas {
public:
    Canvas(HWND like, int width, int height) : m_width(width), m_height(height)
    {
        HDC reference = GetDC(like);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_bitmap = CreateDIBSection(reference, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_dc = CreateCompatibleDC(reference);
        m_old = SelectObject(m_dc, m_bitmap);
        ReleaseDC(like, reference);
    }
    ~Canvas()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The control's client area as painted on the screen.
    static void Capture(HWND control, Canvas& into)
    {
        PaintNow(GetAncestor(control, GA_ROOT));
        HDC dc = GetDC(control);
        BitBlt(into.m_dc, 0, 0, into.m_width, into.m_height, dc, 0, 0, SRCCOPY);
        ReleaseDC(control, dc);
        GdiFlush();
    }

    HDC dc() const { return m_dc; }
    DWORD at(int x, int y) const { return m_bits[y * m_width + x] & 0xFFFFFF; }

    void Fill(RECT r, COLORREF color)
    {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(m_dc, &r, brush);
        DeleteObject(brush);
    }
    // A 1-pixel frame: top and left in one colour, bottom and right
    // (with the two corners they end in) in the other.
    void Frame(RECT r, COLORREF topLeft, COLORREF bottomRight)
    {
        Fill({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
        Fill({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
        Fill({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
        Fill({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    }
    void Rings(int rings, COLORREF topLeft, COLORREF bottomRight)
    {
        for (int i = 0; i < rings; ++i)
            Frame({i, i, m_width - i, m_height - i}, topLeft, bottomRight);
    }
    void Text(const wchar_t* text, RECT r, UINT format, const std::wstring& face, int height, BYTE charSet,
              COLORREF color)
    {
        HFONT font = CreateFontW(height, 0, 0, 0, FW_BOLD, 0, 0, 0, charSet, 0, 0, 0, 0, face.c_str());
        HGDIOBJ old = SelectObject(m_dc, font);
        SetBkMode(m_dc, TRANSPARENT);
        SetTextColor(m_dc, color);
        DrawTextW(m_dc, text, -1, &r, format);
        SelectObject(m_dc, old);
        DeleteObject(font);
    }

    // The first pixel of the top-left width x height that differs from
    // other, as text; empty when none.
    std::string FirstDifference(const Canvas& other, int width, int height) const
    {
        int count = 0;
        std::string first;
        for (int y = 0; y < height && y < m_height; ++y)
            for (int x = 0; x < width && x < m_width; ++x)
                if (at(x, y) != other.at(x, y) && count++ == 0) {
                    char text[96];
                    snprintf(text, sizeof text, "at (%d, %d) 0x%06lx instead of 0x%06lx", x, y,
                             static_cast<unsigned long>(other.at(x, y)), static_cast<unsigned long>(at(x, y)));
                    first = text;
                }
        return count ? first + ", " + std::to_string(count) + " pixels differ" : std::string();
    }

private:
    int m_width, m_height;
    HBITMAP m_bitmap;
    HDC m_dc;
    HGDIOBJ m_old;
    DWORD* m_bits = nullptr;
};

RECT ClientOf(HWND w)
{
    RECT r;
    GetClientRect(w, &r);
    return r;
}

HMODULE LibraryModule() { return GetModuleHandleA(BesideProgram(Win32Build().path).c_str()); }

// Compares the control on the screen with the expected drawing, as far as
// the dialog's client area shows it (the layout works on the window's size,
// so controls at the right edge run under the frame); on a difference saves
// what the control shows under the screenshot folder.
void ExpectShows(HWND dialog, int id, const Canvas& expected, const std::string& name)
{
    HWND control = GetDlgItem(dialog, id);
    const RECT r = ClientOf(control), at = ControlRect(dialog, id), client = ClientOf(dialog);
    Canvas actual(control, r.right, r.bottom);
    Canvas::Capture(control, actual);
    const std::string difference = expected.FirstDifference(actual, client.right - at.left, client.bottom - at.top);
    EXPECT_EQ("", difference) << name << " (control " << id << ")";
    if (!difference.empty())
        SaveScreenshot(control, "win32_dressing_" + name + "_" + std::to_string(id) + "_" + ScreenName());
}

// A button as the Win32 build must draw it: the face, two rings, the
// picture where its alignment and offsets put it, the caption on one line.
void DrawButton(Canvas& c, RECT r, const ButtonRow& row, const wchar_t* caption, bool pressed)
{
    const int bevel = 2, W = r.right, H = r.bottom;
    c.Fill(r, kButtonFace);
    c.Rings(bevel, pressed ? kBlack : kWhite, pressed ? kWhite : kBlack);
    HBITMAP picture = LoadBitmapW(LibraryModule(), MAKEINTRESOURCEW(row.picture));
    BITMAP info = {};
    GetObjectW(picture, sizeof info, &info);
    const int bw = info.bmWidth, bh = info.bmHeight;
    const int x[3] = {bevel + row.xOffset, (W - bw) / 2 + row.xOffset, W - bw - bevel - row.xOffset};
    const int y[3] = {bevel + row.yOffset, (H - bh) / 2 + row.yOffset, H - bh - bevel - row.yOffset};
    HDC memory = CreateCompatibleDC(c.dc());
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(c.dc(), x[row.pictureH], y[row.pictureV], bw, bh, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(picture);
    if (caption) {
        const UINT h[3] = {DT_LEFT, DT_CENTER, DT_RIGHT}, v[3] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
        c.Text(caption, r, DT_SINGLELINE | h[row.captionH] | v[row.captionV], L"Arial", row.fontHeight, ANSI_CHARSET,
               kBlack);
    }
}

void ExpectButtons(HWND dialog, const std::vector<ButtonRow>& rows, const std::string& name)
{
    for (const ButtonRow& row : rows) {
        HWND button = GetDlgItem(dialog, row.id);
        EXPECT_EQ(row.caption ? row.caption : L"", WindowTextOf(button)) << row.id;
        const RECT r = ClientOf(button);
        Canvas expected(button, r.right, r.bottom);
        DrawButton(expected, r, row, row.caption, false);
        ExpectShows(dialog, row.id, expected, name);
    }
}

// A label: its background, sunken rings, the text on one line inside them.
void ExpectLabel(HWND dialog, const LabelRow& row, const std::string& name)
{
    HWND label = GetDlgItem(dialog, row.id);
    EXPECT_EQ(row.text, WindowTextOf(label)) << row.id;
    const RECT r = ClientOf(label);
    Canvas expected(label, r.right, r.bottom);
    expected.Fill(r, row.back);
    expected.Rings(row.sunkenRings, kBlack, kWhite);
    const int inset = row.sunkenRings > 0 ? row.sunkenRings : 1;
    expected.Text(row.text, {inset, inset, r.right - inset, r.bottom - inset}, DT_SINGLELINE | DT_VCENTER | row.align,
                  row.face, row.height, row.charSet, row.color);
    ExpectShows(dialog, row.id, expected, name);
}

class Win32Dressing : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_exports.ok()); }
    DialogExports m_exports{Win32Build()};
};

TEST_F(Win32Dressing, DisplayButtons)
{
    DialogDriver driver({[](HWND d) {
        ExpectButtons(d, DisplayButtons(), "display");
        Click(d, 20026);
    }});
    int code = kUnwritten;
    m_exports.display("Room 0412", "Line 1\x1cLine 2\x1c", 1, &code);
    EXPECT_EQ(1, code);
    EXPECT_EQ(1, driver.StepsRun());
}

TEST_F(Win32Dressing, ListButtonsTitleAndAPressedArrow)
{
    DialogDriver driver({[](HWND d) {
        ExpectButtons(d, ListButtons(), "list");
        ExpectLabel(d, {20007, L"Select Tender", L"Arial", 24, ANSI_CHARSET, 2, DT_CENTER, GetSysColor(COLOR_BTNFACE),
                        kBlack},
                    "list");
        SaveScreenshot(d, "win32_dressing_list_" + ScreenName());

        // Held down, the rings swap; released off the button, nothing is sent.
        HWND pageUp = GetDlgItem(d, 20035);
        const RECT r = ClientOf(pageUp);
        SendMessageW(pageUp, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 2));
        Canvas pressed(pageUp, r.right, r.bottom);
        DrawButton(pressed, r, ListButtons()[6], nullptr, true);
        ExpectShows(d, 20035, pressed, "list_pressed");
        SendMessageW(pageUp, WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));

        // A caption longer than its button stays on one line.
        const wchar_t* longCaption = L"OK OK OK OK OK OK OK OK OK OK OK OK";
        HWND ok = GetDlgItem(d, 20032);
        SetWindowTextW(ok, longCaption);
        InvalidateRect(ok, nullptr, TRUE);
        const RECT o = ClientOf(ok);
        Canvas oneLine(ok, o.right, o.bottom);
        DrawButton(oneLine, o, ListButtons()[3], longCaption, false);
        ExpectShows(d, 20032, oneLine, "list_long_caption");
        Click(d, 20033);
    }});
    int code = kUnwritten;
    m_exports.listInput("Select Tender", "Tender Media", "Cash\x1c" "Card\x1c" "Room\x1c", 0, "4.10", &code);
    EXPECT_EQ(0, code);
    EXPECT_EQ(1, driver.StepsRun());
}

TEST_F(Win32Dressing, GuestButtonsLinesIndicatorsAndMessageIcon)
{
    DialogDriver driver({[](HWND d) {
        ExpectButtons(d, GuestButtons(), "guest");
        for (const LabelRow& row : GuestLabels())
            ExpectLabel(d, row, "guest");
        EXPECT_TRUE(ShowsBitmapAt(GetDlgItem(d, 20022), LibraryModule(), 20021, 0, 0)) << "the message icon";
        SaveScreenshot(d, "win32_dressing_guest_" + ScreenName());
        Click(d, 20020);
    }});
    int code = kUnwritten;
    m_exports.gstSelect("Guest Functions", "Room  Name", "0412  SMITH JOHN", "ML", 0, &code);
    EXPECT_EQ(0, code);
    EXPECT_EQ(1, driver.StepsRun());
}

} // namespace
