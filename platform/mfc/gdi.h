// GDI objects and device contexts. Each wrapper owns its handle and deletes
// it when destroyed, unless it only borrows it (FromHandle, SelectObject).
#pragma once

#include "cstring.h"
#include "geometry.h"

#include <windows.h>

#include <deque>

class CWnd;
class CDC;

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
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
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

    // A stock object (NULL_BRUSH, BLACK_PEN, ...) selected into the context;
    // the wrapper of the previous object.
    CGdiObject* SelectStockObject(int index);
    CBrush* SelectObject(CBrush* brush);
    CPen* SelectObject(CPen* pen);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);

    void FillRect(LPCRECT rect, CBrush* brush) { ::FillRect(m_hDC, rect, *brush); }
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FrameRect(LPCRECT rect, CBrush* brush) { ::FrameRect(m_hDC, rect, *brush); }
    BOOL Rectangle(LPCRECT rect) { return ::Rectangle(m_hDC, rect->left, rect->top, rect->right, rect->bottom); }
    void DrawFocusRect(LPCRECT rect) { ::DrawFocusRect(m_hDC, rect); }
    BOOL DrawIcon(POINT point, HICON icon) { return ::DrawIcon(m_hDC, point.x, point.y, icon); }
    // At the icon's own size when width and height are 0.
    BOOL DrawIconEx(POINT point, HICON icon, int width, int height, UINT flags)
    {
        return ::DrawIconEx(m_hDC, point.x, point.y, icon, width, height, 0, nullptr, flags);
    }
    BOOL DrawFrameControl(LPRECT rect, UINT type, UINT state) { return ::DrawFrameControl(m_hDC, rect, type, state); }
    // An icon or a text in a state (DSS_DISABLED, ...); brush for DSS_MONO.
    BOOL DrawState(POINT point, SIZE size, HICON icon, UINT flags, HBRUSH brush = nullptr);
    BOOL DrawState(POINT point, SIZE size, LPCWSTR text, UINT flags, BOOL prefixText = TRUE, int length = 0,
                   HBRUSH brush = nullptr);
    CPoint MoveTo(int x, int y);
    BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
    CSize GetTextExtent(LPCWSTR text, int length) const;
    CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
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

// Drawing on a window's client area outside WM_PAINT.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};

// A menu handle; a loaded menu is destroyed with its object.
class CMenu {
public:
    CMenu() = default;
    ~CMenu() { DestroyMenu(); }
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    // From the resources of the module that holds the class-library layer.
    BOOL LoadMenu(UINT resourceId);
    BOOL DestroyMenu();
    BOOL Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    // The popup at a position; the wrapper borrows the handle and lives as
    // long as this menu object.
    CMenu* GetSubMenu(int position);
    BOOL TrackPopupMenuEx(UINT flags, int x, int y, CWnd* owner, LPTPMPARAMS params = nullptr);

    HMENU m_hMenu = nullptr;

private:
    std::deque<CMenu> m_subMenus;
};
