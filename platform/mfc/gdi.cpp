#include "gdi.h"

#include "winapp.h"
#include "wnd.h"

#include <map>
#include <memory>

#if defined(_WIN32_WCE)
#include "thread_value.h"
#endif

namespace {
// Wrappers handed out by CDC::FromHandle, dropped when the outermost message
// dispatch of the thread returns.
#if defined(_WIN32_WCE)
AfxThreadValue<std::map<HDC, std::unique_ptr<CDC>>*> t_tempDCs;
#else
thread_local std::map<HDC, std::unique_ptr<CDC>>* t_tempDCs = nullptr;
#endif
} // namespace

void AfxDeleteTempDCs()
{
    if (t_tempDCs) {
        for (auto& entry : *t_tempDCs)
            entry.second->Detach();
        delete t_tempDCs;
        t_tempDCs = nullptr;
    }
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    const BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object)
        return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CFont::CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                       BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                       BYTE quality, BYTE pitchAndFamily, LPCWSTR faceName)
{
#if defined(_WIN32_WCE)
    // CE creates fonts only from a LOGFONT.
    LOGFONTW logFont = {height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                        outPrecision, clipPrecision, quality, pitchAndFamily, {}};
    if (faceName)
        wcsncpy(logFont.lfFaceName, faceName, LF_FACESIZE - 1);
    return CreateFontIndirect(&logFont);
#else
    return Attach(::CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                                outPrecision, clipPrecision, quality, pitchAndFamily, faceName));
#endif
}

BOOL CFont::CreateFontIndirect(const LOGFONTW* logFont) { return Attach(::CreateFontIndirectW(logFont)); }

BOOL CBrush::CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }

BOOL CPen::CreatePen(int style, int width, COLORREF color) { return Attach(::CreatePen(style, width, color)); }

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

CDC::~CDC()
{
    for (CGdiObject* object : m_borrowed) {
        object->Detach();
        delete object;
    }
    if (m_owned)
        DeleteDC();
}

CDC* CDC::FromHandle(HDC hdc)
{
    if (!t_tempDCs)
        t_tempDCs = new std::map<HDC, std::unique_ptr<CDC>>;
    std::unique_ptr<CDC>& dc = (*t_tempDCs)[hdc];
    if (!dc) {
        dc.reset(new CDC);
        dc->Attach(hdc);
    }
    return dc.get();
}

BOOL CDC::CreateCompatibleDC(CDC* dc)
{
    m_hDC = ::CreateCompatibleDC(dc ? dc->m_hDC : nullptr);
    m_owned = m_hDC != nullptr;
    return m_owned;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC)
        return FALSE;
    const BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_owned = false;
    return ok;
}

HDC CDC::Detach()
{
    HDC hdc = m_hDC;
    m_hDC = nullptr;
    m_owned = false;
    return hdc;
}

template <class T>
T* CDC::Borrowed(HGDIOBJ previous)
{
    if (!previous)
        return nullptr;
    T* wrapper = new T;
    wrapper->Attach(previous);
    m_borrowed.push_back(wrapper);
    return wrapper;
}

CGdiObject* CDC::SelectStockObject(int index)
{
    return Borrowed<CGdiObject>(::SelectObject(m_hDC, ::GetStockObject(index)));
}

// A null object (for instance the previous one of a failed selection)
// selects nothing.
CBrush* CDC::SelectObject(CBrush* brush)
{
    return brush ? Borrowed<CBrush>(::SelectObject(m_hDC, brush->m_hObject)) : nullptr;
}
CPen* CDC::SelectObject(CPen* pen) { return pen ? Borrowed<CPen>(::SelectObject(m_hDC, pen->m_hObject)) : nullptr; }
CFont* CDC::SelectObject(CFont* font)
{
    return font ? Borrowed<CFont>(::SelectObject(m_hDC, font->m_hObject)) : nullptr;
}
CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return bitmap ? Borrowed<CBitmap>(::SelectObject(m_hDC, bitmap->m_hObject)) : nullptr;
}

void CDC::Draw3dRect(LPCRECT rect, COLORREF topLeft, COLORREF bottomRight)
{
    // One-pixel lines: top and left in one colour, bottom and right in the other.
    const int x = rect->left, y = rect->top, cx = rect->right - rect->left, cy = rect->bottom - rect->top;
    auto fill = [this](int l, int t, int w, int h, COLORREF color) {
        ::SetBkColor(m_hDC, color);
        const RECT r = {w < 0 ? l + w : l, h < 0 ? t + h : t, w < 0 ? l : l + w, h < 0 ? t : t + h};
        ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    };
    const COLORREF saved = ::GetBkColor(m_hDC);
    fill(x, y, cx - 1, 1, topLeft);
    fill(x, y, 1, cy - 1, topLeft);
    fill(x + cx, y, -1, cy, bottomRight);
    fill(x, y + cy, cx, -1, bottomRight);
    ::SetBkColor(m_hDC, saved);
}

BOOL CDC::RoundRect(LPCRECT rect, POINT corner)
{
    return ::RoundRect(m_hDC, rect->left, rect->top, rect->right, rect->bottom, corner.x, corner.y);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, xSrc, ySrc, rop);
}

int CDC::DrawText(const CString& text, LPRECT rect, UINT format)
{
    return ::DrawTextW(m_hDC, text, text.GetLength(), rect, format);
}

int CDC::DrawText(LPCWSTR text, int count, LPRECT rect, UINT format)
{
    return ::DrawTextW(m_hDC, text, count, rect, format);
}

CPaintDC::CPaintDC(CWnd* wnd) : m_hWnd(wnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    m_hDC = nullptr;
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    const COLORREF saved = ::SetBkColor(m_hDC, color);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, saved);
}

BOOL CDC::DrawState(POINT point, SIZE size, HICON icon, UINT flags, HBRUSH brush)
{
    return ::DrawStateW(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(icon), 0, point.x, point.y, size.cx, size.cy,
                        flags | DST_ICON);
}

BOOL CDC::DrawState(POINT point, SIZE size, LPCWSTR text, UINT flags, BOOL prefixText, int length, HBRUSH brush)
{
    return ::DrawStateW(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(text), static_cast<WPARAM>(length), point.x,
                        point.y, size.cx, size.cy, flags | (prefixText ? DST_PREFIXTEXT : DST_TEXT));
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT previous = {0, 0};
    ::MoveToEx(m_hDC, x, y, &previous);
    return CPoint(previous.x, previous.y);
}

CSize CDC::GetTextExtent(LPCWSTR text, int length) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(m_hDC, text, length, &size);
    return CSize(size.cx, size.cy);
}

CClientDC::CClientDC(CWnd* wnd) : m_hWnd(wnd ? wnd->m_hWnd : nullptr) { m_hDC = ::GetDC(m_hWnd); }

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, m_hDC);
    m_hDC = nullptr;
}

BOOL CMenu::LoadMenu(UINT resourceId)
{
    DestroyMenu();
    return Attach(::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(resourceId)));
}

BOOL CMenu::DestroyMenu()
{
    // The popups go with the menu that holds them.
    for (CMenu& sub : m_subMenus)
        sub.Detach();
    m_subMenus.clear();
    if (!m_hMenu)
        return FALSE;
    const BOOL ok = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return ok;
}

BOOL CMenu::Attach(HMENU menu)
{
    if (!menu || m_hMenu)
        return FALSE;
    m_hMenu = menu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

CMenu* CMenu::GetSubMenu(int position)
{
    HMENU sub = ::GetSubMenu(m_hMenu, position);
    if (!sub)
        return nullptr;
    m_subMenus.emplace_back();
    m_subMenus.back().m_hMenu = sub;
    return &m_subMenus.back();
}

BOOL CMenu::TrackPopupMenuEx(UINT flags, int x, int y, CWnd* owner, LPTPMPARAMS params)
{
    return ::TrackPopupMenuEx(m_hMenu, flags, x, y, owner ? owner->m_hWnd : nullptr, params);
}
