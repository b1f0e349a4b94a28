// A top-level window of the test's own class that holds standard controls,
// and pixel helpers for reading back what they painted.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Loads resources from the test program itself (it links the library's
// resource script), as the library does from its own module.
void InitResourcesFromProgram();

class ControlHost {
public:
    // A visible top-level window at (0, 0) with a plain background colour.
    explicit ControlHost(COLORREF background, int width = 400, int height = 300);
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    HWND hwnd() const { return m_hwnd; }
    COLORREF background() const { return m_background; }
    // A child control of a system class at a client rectangle.
    HWND AddChild(const wchar_t* className, DWORD style, int id, RECT rect, const wchar_t* text = L"");
    // Clicks (BN_CLICKED) the window has received from its children.
    int Clicks() const { return m_clicks; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hwnd = nullptr;
    HBRUSH m_brush = nullptr;
    COLORREF m_background;
    int m_clicks = 0;
};

// Erases and repaints a window and its children now, parent first.
void Repaint(HWND window);

// The client area of a window as painted, read back through its DC.
class Pixels {
public:
    explicit Pixels(HWND window);
    // A bitmap resource of the program, as a reference picture.
    static Pixels OfBitmap(int id);
    // Text drawn by the platform on a plain background: the reference for
    // where a control's text must land.
    static Pixels OfText(int width, int height, COLORREF background, COLORREF color, HFONT font,
                         const std::wstring& text, RECT rect, UINT format);

    int width() const { return m_width; }
    int height() const { return m_height; }
    COLORREF at(int x, int y) const;
    // Whether reference appears unchanged with its top-left corner at (x, y).
    bool Contains(const Pixels& reference, int x, int y) const;
    // Whether every pixel of the rectangle has the colour.
    bool AllOf(RECT rect, COLORREF color) const;
    // Bounding box of the pixels nearer to ink than to paper inside area;
    // empty (all zero) when there is none.
    RECT InkBox(COLORREF ink, COLORREF paper, RECT area) const;
    RECT InkBox(COLORREF ink, COLORREF paper) const { return InkBox(ink, paper, RECT{0, 0, m_width, m_height}); }

    bool Save(const std::string& name) const;

    // Rings 0 to rings - 1 from the edge: top and left in one colour,
    // bottom and right in the other, sampled at the middle of each edge.
    void ExpectRings(int rings, COLORREF topLeft, COLORREF bottomRight) const;

private:
    Pixels(int width, int height) : m_width(width), m_height(height), m_bits(static_cast<size_t>(width * height)) {}
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_bits;
};

#include <ostream>
inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const RECT& a, const RECT& b) { return !(a == b); }
