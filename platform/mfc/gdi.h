// GDI objects and device contexts. Each wrapper owns its handle and deletes
// it when destroyed, unless it only borrows it (FromHandle, SelectObject).
#pragma once

#include "cstring.h"
#include "geometry.h"

#include <windows.h>

#include <deque>

class CWnd;

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    int GetObject(int size, void* buffer) const { return ::GetObjectW(m_hObject, size, buffer); }

    HGDIOBJ m_hObject = nullptr;
};

class CFont : public CGdiObject {
public:
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCWSTR faceName);
    BOOL CreateFontIndirect(const LOGFONTW* logFont);
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    BOOL CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBitmap : public CGdiObject {
public:
    // From the resources of the module that holds the class-library layer.
    BOOL LoadBitmap(UINT resourceId);
    int GetBitmap(BITMAP* bitmap) const { return GetObject(sizeof(BITMAP), bitmap); }
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};

class CDC {
public:
    CDC() = default;
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A wrapper that borrows hdc for the current message only.
    static CDC* FromHandle(HDC hdc);

    HDC GetSafeHdc() const { return m_hDC; }
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();
    void Attach(HDC hdc) { m_hDC = hdc; }
    HDC Detach();

    int SaveDC() { return ::SaveDC(m_hDC); }
    BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }

    CBrush* SelectObject(CBrush* brush);
    CPen* SelectObject(CPen* pen);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);

    void FillRect(LPCRECT rect, CBrush* brush) { ::FillRect(m_hDC, rect, *brush); }
    void InvertRect(LPCRECT rect) { ::InvertRect(m_hDC, rect); }
    void Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight);
    BOOL RoundRect(LPCRECT rect, POINT corner);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    int DrawText(const CString& text, LPRECT rect, UINT format);
    int DrawText(LPCWSTR text, int count, LPRECT rect, UINT format);
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }

    HDC m_hDC = nullptr;

protected:
    bool m_owned = false; // created here, deleted here

private:
    template <class T>
    T* Borrowed(HGDIOBJ previous);
    std::deque<CGdiObject*> m_borrowed;
};

// Painting between BeginPaint and EndPaint of one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

private:
    HWND m_hWnd;
};
