#include "my_hover_button.h"

#include <shellapi.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kHoverTimerId = 1;
constexpr UINT kHoverTimerMs = 50;
constexpr UINT kTypeBits = 0x1F;

// The link opens maximised. CE numbers that show command 11; on the desktop
// 11 forces the window minimised, and maximised is SW_SHOWMAXIMIZED (3).
#if defined(_WIN32_WCE)
constexpr int kShowLinkMaximised = 11;
#else
constexpr int kShowLinkMaximised = SW_SHOWMAXIMIZED;
#endif

// The halving of a size difference, kept inside the item: an icon larger
// than the item starts at the item's edge instead of far outside it.
LONG Half(LONG itemSize, DWORD iconSize)
{
    const LONG spare = itemSize - static_cast<LONG>(iconSize);
    return spare > 0 ? spare / 2 : 0;
}

} // namespace

BEGIN_MESSAGE_MAP(CMyHoverButton, CButton)
    ON_WM_MOUSEMOVE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_ENABLE()
    ON_WM_GETDLGCODE()
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_WM_KILLFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_CANCELMODE()
    ON_WM_DRAWITEM()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CMyHoverButton::CMyHoverButton() { SetDefaultColors(FALSE); }

CMyHoverButton::~CMyHoverButton()
{
    FreeIcons();
    if (m_savedCursor)
        ::SetCursor(m_savedCursor);
    if (m_cursor)
        ::DestroyCursor(m_cursor);
    m_menu.DestroyMenu();
}

void CMyHoverButton::FreeIcons()
{
    for (IconRecord& record : m_icons) {
        if (record.icon)
            ::DestroyIcon(record.icon);
        record = IconRecord{};
    }
}

DWORD CMyHoverButton::SetIcon(int activeId, CSize activeSize, int idleId, CSize idleSize, int disabledId,
                              CSize disabledSize)
{
    auto load = [](int id) {
        return id ? static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, 0))
                  : nullptr;
    };
    HICON active = load(activeId), idle = load(idleId), disabled = load(disabledId);
    if (!active) {
        // Without the active icon none is kept: the others it loaded go.
        for (HICON icon : {idle, disabled})
            if (icon)
                ::DestroyIcon(icon);
        idle = disabled = nullptr;
    }
    return SetIconHandles(active, activeSize, idle, idleSize, disabled, disabledSize);
}

DWORD CMyHoverButton::SetIconHandles(HICON active, CSize activeSize, HICON idle, CSize idleSize, HICON disabled,
                                     CSize disabledSize)
{
    FreeIcons();
    if (active) {
        m_icons[0] = {active, static_cast<DWORD>(activeSize.cx), static_cast<DWORD>(activeSize.cy)};
        if (idle)
            m_icons[1] = {idle, static_cast<DWORD>(idleSize.cx), static_cast<DWORD>(idleSize.cy)};
        if (disabled)
            m_icons[2] = {disabled, static_cast<DWORD>(disabledSize.cx), static_cast<DWORD>(disabledSize.cy)};
    }
    Repaint(TRUE);
    return kDone;
}

DWORD CMyHoverButton::SetFlat(BOOL flat, BOOL repaint)
{
    m_flat = flat;
    Repaint(repaint);
    return kDone;
}

DWORD CMyHoverButton::SetAlign(BYTE align, BOOL repaint)
{
    if (align > kIconRight)
        return kBadAlign;
    m_align = align;
    Repaint(repaint);
    return kDone;
}

DWORD CMyHoverButton::SetCheck(int check, BOOL repaint)
{
    if (m_checkBox) {
        m_check = check != 0;
        Repaint(repaint);
    }
    return kDone;
}

DWORD CMyHoverButton::SetDefaultColors(BOOL repaint)
{
    for (int i = 0; i < kColorCount; ++i)
        m_colors[i] = ::GetSysColor(i % 2 == 0 ? COLOR_BTNFACE : COLOR_BTNTEXT);
    Repaint(repaint);
    return kDone;
}

DWORD CMyHoverButton::SetColor(BYTE index, COLORREF color, BOOL repaint)
{
    if (index >= kColorCount)
        return kBadColorIndex;
    m_colors[index] = color;
    Repaint(repaint);
    return kDone;
}

DWORD CMyHoverButton::GetColor(BYTE index, COLORREF* color) const
{
    if (index >= kColorCount)
        return kBadColorIndex;
    *color = m_colors[index];
    return kDone;
}

DWORD CMyHoverButton::SetAlwaysTrack(BOOL alwaysTrack)
{
    m_alwaysTrack = alwaysTrack;
    return kDone;
}

DWORD CMyHoverButton::SetButtonCursor(int cursorId, BOOL repaint)
{
    if (m_savedCursor)
        ::SetCursor(m_savedCursor);
    if (m_cursor)
        ::DestroyCursor(m_cursor);
    m_cursor = m_savedCursor = nullptr;
    if (cursorId) {
        m_cursor = static_cast<HCURSOR>(
            ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(cursorId), IMAGE_CURSOR, 0, 0, 0));
        if (!m_cursor)
            return kResourceFailed;
    }
    Repaint(repaint);
    return kDone;
}

DWORD CMyHoverButton::SetDrawBorder(BOOL drawBorder, BOOL repaint)
{
    m_drawBorder = drawBorder;
    Repaint(repaint);
    return kDone;
}

DWORD CMyHoverButton::SetDrawFlatFocus(BOOL drawFlatFocus, BOOL repaint)
{
    m_drawFlatFocus = drawFlatFocus;
    Repaint(repaint);
    return kDone;
}

DWORD CMyHoverButton::SetURL(LPCWSTR url)
{
    // A longer link is cut to what the member holds with its terminator.
    wmemset(m_link, 0, sizeof m_link / sizeof m_link[0]);
    if (url)
        wcsncpy(m_link, url, sizeof m_link / sizeof m_link[0] - 1);
    return kDone;
}

DWORD CMyHoverButton::SetMenu(UINT menuId, HWND owner, BOOL repaint)
{
    m_menu.DestroyMenu();
    m_menuOwner = nullptr;
    m_menuOpen = FALSE;
    if (menuId) {
        if (!m_menu.LoadMenu(menuId))
            return kResourceFailed;
        m_menuOwner = owner;
    }
    Repaint(repaint);
    return kDone;
}

void CMyHoverButton::PreSubclassWindow()
{
    const UINT style = GetButtonStyle();
    if (style & 2) // BS_CHECKBOX, BS_AUTOCHECKBOX and the other types with that bit
        m_checkBox = TRUE;
    if ((style & kTypeBits) == BS_DEFPUSHBUTTON)
        m_default = TRUE;
    ModifyStyle(kTypeBits, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

LRESULT CMyHoverButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // A double tap counts as two presses.
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

LRESULT CMyHoverButton::OnSetStyle(WPARAM style, LPARAM redraw)
{
    const UINT type = static_cast<UINT>(style) & kTypeBits;
    if (type == BS_DEFPUSHBUTTON)
        m_default = TRUE;
    else if (type == BS_PUSHBUTTON)
        m_default = FALSE;
    return DefWindowProc(BM_SETSTYLE, (style & ~static_cast<WPARAM>(kTypeBits)) | BS_OWNERDRAW, redraw);
}

UINT CMyHoverButton::OnGetDlgCode()
{
    return CButton::OnGetDlgCode() | (m_default ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

HBRUSH CMyHoverButton::OnCtlColor(CDC*, CWnd*, UINT) { return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH)); }

void CMyHoverButton::OnLButtonDown(UINT flags, CPoint point)
{
    SetState(TRUE);
    CButton::OnLButtonDown(flags, point);
}

void CMyHoverButton::OnMouseMove(UINT flags, CPoint point)
{
    CButton::OnMouseMove(flags, point);
    ClientToScreen(&point);
    CWnd* under = WindowFromPoint(point);
    if (((flags & MK_LBUTTON) && !m_hovering) || !m_flat)
        return;
    if (!m_alwaysTrack && !GetActiveWindow())
        return;
    if (under && under->m_hWnd == m_hWnd && !m_hovering) {
        m_hovering = TRUE;
        Invalidate();
        m_hoverTimer = SetTimer(kHoverTimerId, kHoverTimerMs, HoverTimerProc);
    }
}

void CALLBACK CMyHoverButton::HoverTimerProc(HWND hwnd, UINT, UINT_PTR, DWORD)
{
    POINT point;
    ::GetCursorPos(&point);
    ::ScreenToClient(hwnd, &point);
    RECT client;
    ::GetClientRect(hwnd, &client);
    if (!::PtInRect(&client, point))
        ::PostMessageW(hwnd, WM_MOUSELEAVE, 0, 0);
}

void CMyHoverButton::CancelHover()
{
    if (!m_flat)
        return;
    if (m_hoverTimer) {
        KillTimer(m_hoverTimer);
        m_hoverTimer = 0;
    }
    if (m_hovering) {
        if (m_savedCursor) {
            ::SetCursor(m_savedCursor);
            m_savedCursor = nullptr;
        }
        m_hovering = FALSE;
        Invalidate();
    }
}

LRESULT CMyHoverButton::OnMouseLeave(WPARAM, LPARAM)
{
    CancelHover();
    return 0;
}

void CMyHoverButton::OnKillFocus(CWnd* newWindow)
{
    CButton::OnKillFocus(newWindow);
    CancelHover();
}

void CMyHoverButton::OnCancelMode()
{
    CButton::OnCancelMode();
    CancelHover();
}

void CMyHoverButton::OnActivate(UINT state, CWnd* other, BOOL minimized)
{
    CButton::OnActivate(state, other, minimized);
    if (state == WA_INACTIVE)
        CancelHover();
}

void CMyHoverButton::OnEnable(BOOL enable)
{
    CButton::OnEnable(enable);
    if (enable)
        return;
    CWnd* parent = GetParent();
    if (parent) {
        CWnd* next = parent->GetNextDlgTabItem(this);
        (next && next->m_hWnd ? next : parent)->SetFocus();
    }
    CancelHover();
}

BOOL CMyHoverButton::OnSetCursor(CWnd* window, UINT hitTest, UINT message)
{
    if (!m_cursor)
        return CButton::OnSetCursor(window, hitTest, message);
    HCURSOR previous = ::SetCursor(m_cursor);
    if (!m_savedCursor)
        m_savedCursor = previous;
    return TRUE;
}

void CMyHoverButton::OnDestroy()
{
    if (m_hoverTimer) {
        KillTimer(m_hoverTimer);
        m_hoverTimer = 0;
    }
    CButton::OnDestroy();
}

BOOL CMyHoverButton::OnClicked()
{
    if (m_checkBox) {
        m_check = m_check ? 0 : 1;
        Invalidate();
    } else if (m_menu.GetSafeHmenu()) {
        CMenu* popup = m_menu.GetSubMenu(0);
        CRect window;
        GetWindowRect(window);
        m_menuOpen = TRUE;
        Invalidate();
        if (popup)
            popup->TrackPopupMenuEx(0, window.left, window.bottom, CWnd::FromHandle(m_menuOwner));
        m_menuOpen = FALSE;
        Invalidate();
    } else if (m_link[0]) {
        SHELLEXECUTEINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_FLAG_NO_UI;
        info.lpVerb = L"open";
        info.lpFile = m_link;
        info.nShow = kShowLinkMaximised;
        ::ShellExecuteExW(&info);
    }
    return FALSE; // the parent hears the click as well
}

DWORD CMyHoverButton::OnDrawBackground(CDC* dc, CRect* rect)
{
    const int index = m_hovering || m_pressedLook ? kHoverBack : m_focused ? kFocusBack : kBack;
    CBrush brush(m_colors[index]);
    dc->FillRect(rect, &brush);
    return 0;
}

DWORD CMyHoverButton::OnDrawBorder(CDC* dc, CRect* rect)
{
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (m_pressedLook)
        dc->Draw3dRect(rect, shadow, light);
    else if (!m_flat || m_hovering)
        dc->Draw3dRect(rect, light, shadow);
    return 0;
}

CRect CMyHoverButton::PrepareImageRect(bool hasCaption, const CRect& item, CRect& text, DWORD width,
                                       DWORD height) const
{
    CRect image = item;
    switch (m_align) {
    case kIconLeft:
    case kIconRight:
        if (!hasCaption)
            image.left += Half(image.Width(), width);
        else if (m_align == kIconLeft) {
            image.left += 3;
            text.left += static_cast<LONG>(width) + 3;
        } else {
            text.right = text.Width() - static_cast<LONG>(width) - 3;
            text.left = 3;
            const LONG left = item.right - static_cast<LONG>(width) - 3;
            image.left = left > item.left ? left : item.left;
        }
        image.top += Half(image.Height(), height);
        break;
    default: // above the caption
        image.left += Half(image.Width(), width);
        if (!hasCaption)
            image.top += Half(image.Height(), height);
        else {
            image.top = 6;
            text.top += static_cast<LONG>(height);
        }
        break;
    }
    if (m_pressedLook && !m_checkBox)
        image.OffsetRect(1, 1);
    return image;
}

void CMyHoverButton::DrawTheIcon(CDC& dc, bool hasCaption, const CRect& item, CRect& text)
{
    int which = 0;
    if (m_disabled)
        which = m_icons[2].icon ? 2 : 0;
    else if (m_checkBox)
        which = m_pressedLook ? 0 : (m_icons[1].icon ? 1 : 0);
    else
        which = m_pressedLook || m_hovering ? 0 : (m_icons[1].icon ? 1 : 0);
    const IconRecord& record = m_icons[which];
    const CRect image = PrepareImageRect(hasCaption, item, text, record.width, record.height);
    dc.DrawIconEx(CPoint(image.left, image.top), record.icon, 0, 0, DI_NORMAL);
}

void CMyHoverButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    // A wrapper of its own: a temporary one would not outlive the messages
    // this drawing sends (the window text) when called outside a dispatch.
    CDC context;
    context.Attach(item->hDC);
    CDC* dc = &context;
    const int saved = dc->SaveDC();
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    if (m_checkBox)
        m_pressedLook = selected || m_check;
    else
        m_pressedLook = selected || (m_menu.GetSafeHmenu() && m_menuOpen);
    m_focused = (item->itemState & ODS_FOCUS) != 0;
    m_disabled = (item->itemState & ODS_DISABLED) != 0;
    dc->SetBkMode(TRANSPARENT);

    CRect inner = item->rcItem;
    if (!m_flat && (m_focused || m_default)) {
        CBrush black(RGB(0, 0, 0));
        dc->FrameRect(inner, &black);
        inner.DeflateRect(1, 1);
    }
    OnDrawBackground(dc, &inner);
    if (!m_flat || m_drawBorder)
        OnDrawBorder(dc, &inner);

    wchar_t caption[256] = L"";
    ::GetWindowTextW(m_hWnd, caption, 256);
    const bool hasCaption = caption[0] != 0;
    CRect text = item->rcItem;
    if (m_icons[0].icon)
        DrawTheIcon(*dc, hasCaption, item->rcItem, text);

    if (hasCaption) {
        if (m_pressedLook && !m_checkBox)
            text.OffsetRect(1, 1);
        const CRect whole = text;
        dc->DrawText(caption, -1, text, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
        text.OffsetRect((whole.Width() - text.Width()) / 2, (whole.Height() - text.Height()) / 2);
        dc->SetBkMode(TRANSPARENT);
        if (m_disabled) {
            CRect raised = text;
            raised.OffsetRect(1, 1);
            dc->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
            dc->DrawText(caption, -1, raised, DT_WORDBREAK | DT_CENTER);
            dc->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
            dc->DrawText(caption, -1, text, DT_WORDBREAK | DT_CENTER);
        } else {
            const bool lit = m_hovering || m_pressedLook;
            dc->SetTextColor(m_colors[lit ? kHoverText : kText]);
            dc->SetBkColor(m_colors[lit ? kHoverBack : kBack]);
            dc->DrawText(caption, -1, text, DT_WORDBREAK | DT_CENTER);
        }
    }
    if (m_focused && (!m_flat || m_drawFlatFocus)) {
        CRect focus = inner;
        focus.DeflateRect(3, 3);
        dc->DrawFocusRect(focus);
    }
    dc->RestoreDC(saved);
}
