#include "icon_button.h"

#include <memory>

BEGIN_MESSAGE_MAP(CIconButton, CButton)
    ON_WM_NCHITTEST()
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

CIconButton::CIconButton()
    : m_iconWidth(::GetSystemMetrics(SM_CXICON)), m_iconHeight(::GetSystemMetrics(SM_CYICON)),
      m_textColor(::GetSysColor(COLOR_BTNTEXT))
{
}

CIconButton::~CIconButton()
{
    HideTip();
    m_font.DeleteObject();
}

void CIconButton::RebuildFont()
{
    m_font.DeleteObject();
    m_font.CreateFont(m_fontHeight, m_fontWidth, 0, 0, m_fontWeight, m_italic, m_underline, m_strikeOut, m_charSet, 0,
                      0, 0, m_pitchAndFamily, m_faceName);
}

void CIconButton::Disable()
{
    EnableWindow(FALSE);
    Invalidate();
    UpdateWindow();
}

void CIconButton::Enable()
{
    EnableWindow(TRUE);
    Invalidate();
    UpdateWindow();
}

int CIconButton::StripMnemonic(CString& text)
{
    const wchar_t* begin = text;
    const wchar_t* amp = wcschr(begin, L'&');
    if (!amp)
        return -1;
    const int at = static_cast<int>(amp - begin);
    CString stripped(begin, at);
    stripped += CString(amp + 1);
    text = stripped;
    return at;
}

void CIconButton::MeasureTip()
{
    CWnd* owner = GetParent();
    CClientDC dc(owner);
    const CSize size = dc.GetTextExtent(m_tipText);
    m_tipWidth = size.cx + 4;
    m_tipHeight = size.cy + 4;
}

void CIconButton::DrawTip()
{
    if (m_tipShown)
        return;
    CWnd* owner = GetParent();
    if (!owner)
        return;
    m_tipRect = CRect(0, 0, m_tipWidth, m_tipHeight);
    m_tipRect.OffsetRect(m_mouse.x, m_mouse.y);
    CRect ownerRect;
    owner->GetWindowRect(ownerRect);
    if (ownerRect.right < m_tipRect.right)
        m_tipRect.OffsetRect(-(m_tipRect.right - ownerRect.right + 5), 0);
    owner->ScreenToClient(m_tipRect);

    // Keep the owner's pixels under the tip, to put them back.
    m_ownerDC = new CClientDC(owner);
    m_memoryDC.CreateCompatibleDC(m_ownerDC);
    m_savedBitmap.CreateCompatibleBitmap(m_ownerDC, m_tipWidth, m_tipHeight);
    m_oldBitmap = m_memoryDC.SelectObject(&m_savedBitmap);
    m_memoryDC.BitBlt(0, 0, m_tipWidth, m_tipHeight, m_ownerDC, m_tipRect.left, m_tipRect.top, SRCCOPY);

    CBrush yellow(RGB(255, 255, 0));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush* oldBrush = m_ownerDC->SelectObject(&yellow);
    CPen* oldPen = m_ownerDC->SelectObject(&black);
    m_ownerDC->Rectangle(m_tipRect);
    m_ownerDC->SetBkMode(TRANSPARENT);
    m_ownerDC->DrawText(m_tipText, m_tipRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    m_ownerDC->SelectObject(oldBrush);
    m_ownerDC->SelectObject(oldPen);
    m_tipShown = 1;
}

void CIconButton::ShowTip()
{
    if (!m_tipEnabled)
        return;
    SetCapture();
    MeasureTip();
    DrawTip();
}

void CIconButton::HideTip()
{
    if (!m_tipShown)
        return;
    m_ownerDC->BitBlt(m_tipRect.left, m_tipRect.top, m_tipWidth, m_tipHeight, &m_memoryDC, 0, 0, SRCCOPY);
    // A bitmap still selected into a context cannot be deleted.
    m_memoryDC.SelectObject(m_oldBitmap);
    m_oldBitmap = nullptr;
    m_savedBitmap.DeleteObject();
    m_memoryDC.DeleteDC();
    delete m_ownerDC;
    m_ownerDC = nullptr;
    m_tipShown = 0;
}

LRESULT CIconButton::OnNcHitTest(CPoint point)
{
    if (m_tipEnabled && !m_tipShown) {
        m_mouse = point;
        ShowTip();
    }
    return CButton::OnNcHitTest(point);
}

void CIconButton::OnMouseMove(UINT flags, CPoint point)
{
    CRect client;
    GetClientRect(client);
    if (!::PtInRect(client, point)) {
        HideTip();
        ::ReleaseCapture();
    }
    CButton::OnMouseMove(flags, point);
}

void CIconButton::DrawItem(LPDRAWITEMSTRUCT item)
{
    // A wrapper of its own: a temporary one would not outlive the messages
    // this drawing sends (the window text) when called outside a dispatch.
    CDC context;
    context.Attach(item->hDC);
    CDC* dc = &context;
    const int saved = dc->SaveDC();
    CRect rect = item->rcItem;
    const int W = rect.Width(), H = rect.Height();
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    CPen light(PS_SOLID, 1, ::GetSysColor(COLOR_HIGHLIGHT));
    CPen dark(PS_SOLID, 1, ::GetSysColor(COLOR_3DDKSHADOW));

    if (selected && m_tipEnabled && m_tipShown)
        HideTip();
    dc->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
    dc->DrawFrameControl(rect, DFC_BUTTON, DFCS_BUTTONPUSH | (selected ? DFCS_PUSHED : 0));

    CString caption;
    GetWindowText(caption);
    int mnemonic = -1;
    CPoint textAt, iconAt;
    CSize extent;
    if (caption.IsEmpty()) {
        iconAt = CPoint((W - m_iconWidth) / 2, (H - m_iconHeight) / 2);
    } else {
        mnemonic = StripMnemonic(caption);
        if (m_font.GetSafeHandle())
            dc->SelectObject(&m_font);
        extent = dc->GetTextExtent(caption);
        dc->SetBkMode(TRANSPARENT);
        dc->SetTextColor(m_textColor);
        const int y = H / 2 - extent.cy / 2;
        if (!m_iconId)
            textAt = CPoint(W / 2 - extent.cx / 2, y);
        else if (m_iconOnRight)
            textAt = CPoint((W - m_iconWidth) / 2 - extent.cx / 2, y);
        else
            textAt = CPoint((W - m_iconWidth) / 2 + m_iconWidth - extent.cx / 2, y);
        const int iconY = (H - m_iconHeight + 1) / 2;
        iconAt = m_iconOnRight ? CPoint(W - m_iconWidth - 6, iconY) : CPoint(6, iconY);
    }
    HICON icon = nullptr;
    if (m_iconId)
        icon = static_cast<HICON>(::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_iconId), IMAGE_ICON, 0, 0, 0));
    if (selected) {
        textAt.x += 1;
        textAt.y += 1;
        iconAt.x += 1;
        iconAt.y += 1;
    }
    const int iconW = m_iconWidth ? m_iconWidth : 32, iconH = m_iconHeight ? m_iconHeight : 32;
    if (disabled) {
        if (!caption.IsEmpty())
            dc->DrawState(textAt, extent, caption, DSS_DISABLED, FALSE, caption.GetLength());
        if (icon) {
            HICON copy = static_cast<HICON>(::CopyImage(icon, IMAGE_ICON, iconW, iconH, 0));
            dc->DrawState(CPoint(rect.left + iconAt.x, rect.top + iconAt.y), CSize(iconW, iconH), copy,
                          DSS_DISABLED);
            if (copy)
                ::DestroyIcon(copy);
        }
    } else {
        if (!caption.IsEmpty()) {
            CRect at(textAt.x, textAt.y, textAt.x + extent.cx, textAt.y + extent.cy);
            dc->DrawText(caption, at, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
        }
        if (icon)
            dc->DrawIconEx(CPoint(rect.left + iconAt.x, rect.top + iconAt.y), icon, iconW, iconH, DI_NORMAL);
    }
    if (icon)
        ::DestroyIcon(icon);
    if (item->itemState & ODS_FOCUS) {
        CBrush frame(::GetSysColor(COLOR_3DDKSHADOW));
        dc->FrameRect(rect, &frame);
        CRect focus = rect;
        focus.DeflateRect(4, 4);
        dc->DrawFocusRect(focus);
    }
    if (selected) {
        CPen* old = dc->SelectObject(&dark);
        dc->MoveTo(rect.left, rect.bottom - 1);
        dc->LineTo(rect.left, rect.top);
        dc->LineTo(rect.right - 1, rect.top);
        dc->SelectObject(&light);
        dc->LineTo(rect.right - 1, rect.bottom - 1);
        dc->LineTo(rect.left, rect.bottom - 1);
        dc->SelectObject(old);
    }
    if (mnemonic >= 0 && !caption.IsEmpty() && !disabled) {
        const CSize before = dc->GetTextExtent(caption, mnemonic);
        const CSize letter = dc->GetTextExtent(static_cast<const wchar_t*>(caption) + mnemonic, 1);
        CPen underline(PS_SOLID, 1, m_textColor);
        CPen* old = dc->SelectObject(&underline);
        const int baseline = textAt.y + extent.cy;
        dc->MoveTo(textAt.x + before.cx, baseline);
        dc->LineTo(textAt.x + before.cx + letter.cx, baseline);
        dc->SelectObject(old);
    }
    dc->RestoreDC(saved);
}
