// Points, sizes and rectangles in pixels.
#pragma once

#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    explicit CPoint(LPARAM lParam)
        : POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}
    {
    }
};

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int cx0, int cy0) : SIZE{cx0, cy0} {}
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& r) : RECT(r) {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void SetRect(int l, int t, int r, int b) { *this = CRect(l, t, r, b); }
    void DeflateRect(int x, int y)
    {
        left += x;
        top += y;
        right -= x;
        bottom -= y;
    }
    void OffsetRect(int x, int y)
    {
        left += x;
        right += x;
        top += y;
        bottom += y;
    }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const RECT& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
