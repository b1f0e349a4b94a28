#include "control_host.h"

#include <gtest/gtest.h>

#include "winapp.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>

void InitResourcesFromProgram()
{
    static bool done = false;
    if (done)
        return;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    AfxWinInit(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOW);
    done = true;
}

namespace {
const wchar_t kHostClass[] = L"RiloControlHost";

void RegisterHostClass(WNDPROC proc)
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kHostClass;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    RegisterClassW(&wc);
    registered = true;
}

// 32-bit top-down DIB section the size of the capture.
HBITMAP TopDownSection(HDC reference, int width, int height, void** bits)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    return CreateDIBSection(reference, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

COLORREF FromBgra(DWORD bgra) { return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF); }

int Distance(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
           std::abs(GetBValue(a) - GetBValue(b));
}
} // namespace

ControlHost::ControlHost(COLORREF background, int width, int height) : m_background(background)
{
    RegisterHostClass(&ControlHost::Proc);
    m_brush = CreateSolidBrush(background);
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST, kHostClass, L"control host", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Repaint(m_hwnd);
}

ControlHost::~ControlHost()
{
    DestroyWindow(m_hwnd);
    DeleteObject(m_brush);
}

HWND ControlHost::AddChild(const wchar_t* className, DWORD style, int id, RECT rect, const wchar_t* text)
{
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, m_hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

LRESULT CALLBACK ControlHost::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<ControlHost*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self) {
        if (message == WM_ERASEBKGND) {
            RECT r;
            GetClientRect(hwnd, &r);
            FillRect(reinterpret_cast<HDC>(wParam), &r, self->m_brush);
            return 1;
        }
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            ++self->m_clicks;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Repaint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

Pixels::Pixels(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    m_width = client.right;
    m_height = client.bottom;
    m_bits.resize(static_cast<size_t>(m_width * m_height));
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    void* bits = nullptr;
    HBITMAP section = TopDownSection(dc, m_width, m_height, &bits);
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, m_width, m_height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < m_bits.size(); ++i)
        m_bits[i] = FromBgra(p[i]);
    SelectObject(memory, old);
    DeleteObject(section);
    DeleteDC(memory);
    ReleaseDC(window, dc);
}

Pixels Pixels::OfBitmap(int id)
{
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    Pixels result(info.bmWidth, info.bmHeight);
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP section = TopDownSection(screen, info.bmWidth, info.bmHeight, &bits);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < result.m_bits.size(); ++i)
        result.m_bits[i] = FromBgra(p[i]);
    SelectObject(memory, old);
    SelectObject(source, oldSource);
    DeleteObject(section);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DeleteDC(source);
    ReleaseDC(nullptr, screen);
    return result;
}

Pixels Pixels::OfText(int width, int height, COLORREF background, COLORREF color, HFONT font,
                      const std::wstring& text, RECT rect, UINT format)
{
    Pixels result(width, height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP section = TopDownSection(screen, width, height, &bits);
    HGDIOBJ old = SelectObject(memory, section);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, color);
    HGDIOBJ oldFont = font ? SelectObject(memory, font) : nullptr;
    DrawTextW(memory, text.c_str(), static_cast<int>(text.size()), &rect, format);
    if (oldFont)
        SelectObject(memory, oldFont);
    GdiFlush();
    const DWORD* p = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < result.m_bits.size(); ++i)
        result.m_bits[i] = FromBgra(p[i]);
    SelectObject(memory, old);
    DeleteObject(section);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return result;
}

COLORREF Pixels::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return CLR_INVALID;
    return m_bits[static_cast<size_t>(y * m_width + x)];
}

bool Pixels::Contains(const Pixels& reference, int x, int y) const
{
    for (int j = 0; j < reference.height(); ++j)
        for (int i = 0; i < reference.width(); ++i)
            if (at(x + i, y + j) != reference.at(i, j))
                return false;
    return true;
}

bool Pixels::AllOf(RECT rect, COLORREF color) const
{
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (at(x, y) != color)
                return false;
    return true;
}

RECT Pixels::InkBox(COLORREF ink, COLORREF paper, RECT area) const
{
    RECT box = {m_width, m_height, -1, -1};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const COLORREF c = at(x, y);
            if (c != CLR_INVALID && Distance(c, ink) < Distance(c, paper)) {
                box.left = x < box.left ? x : box.left;
                box.top = y < box.top ? y : box.top;
                box.right = x + 1 > box.right ? x + 1 : box.right;
                box.bottom = y + 1 > box.bottom ? y + 1 : box.bottom;
            }
        }
    if (box.right < 0)
        return RECT{0, 0, 0, 0};
    return box;
}

bool Pixels::Save(const std::string& name) const
{
    const DWORD stride = static_cast<DWORD>(m_width * 3 + 3) & ~3u;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = m_width;
    info.biHeight = m_height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(m_height);
    CreateDirectoryA("screenshots", nullptr);
    const std::string path = "screenshots\\" + name + ".bmp";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fwrite(&file, sizeof file, 1, f);
    std::fwrite(&info, sizeof info, 1, f);
    std::vector<unsigned char> row(stride);
    for (int y = m_height - 1; y >= 0; --y) {
        for (int x = 0; x < m_width; ++x) {
            const COLORREF c = at(x, y);
            row[static_cast<size_t>(x * 3)] = GetBValue(c);
            row[static_cast<size_t>(x * 3 + 1)] = GetGValue(c);
            row[static_cast<size_t>(x * 3 + 2)] = GetRValue(c);
        }
        std::fwrite(row.data(), stride, 1, f);
    }
    std::fclose(f);
    return true;
}

void Pixels::ExpectRings(int rings, COLORREF topLeft, COLORREF bottomRight) const
{
    for (int i = 0; i < rings; ++i) {
        EXPECT_EQ(topLeft, at(i, m_height / 2)) << "left edge of ring " << i;
        EXPECT_EQ(topLeft, at(m_width / 2, i)) << "top edge of ring " << i;
        EXPECT_EQ(bottomRight, at(m_width - 1 - i, m_height / 2)) << "right edge of ring " << i;
        EXPECT_EQ(bottomRight, at(m_width / 2, m_height - 1 - i)) << "bottom edge of ring " << i;
    }
}
