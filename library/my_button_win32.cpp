#include "my_button_win32.h"

#include "button_paint.h"

IMPLEMENT_DYNAMIC(CMyButton, CWnd)

BEGIN_MESSAGE_MAP(CMyButton, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CMyButton::CMyButton() : m_faceColor(::GetSysColor(COLOR_BTNFACE)) {}

CMyButton::~CMyButton() = default;

void CMyButton::SetFont(CString faceName, int height, BYTE bold, BYTE italic, BYTE underline)
{
    CreateButtonFont(m_font, faceName, height, bold, italic, underline);
}

void CMyButton::OnLButtonDown(UINT flags, CPoint point)
{
    m_pressed = 1;
    Invalidate(TRUE);
    CWnd::OnLButtonDown(flags, point);
}

void CMyButton::OnLButtonUp(UINT flags, CPoint point)
{
    m_pressed = 0;
    Invalidate(TRUE);
    CWnd::OnLButtonUp(flags, point);
}

void CMyButton::OnPaint()
{
    CPaintDC dc(this);
    const int saved = dc.SaveDC();
    CRect client;
    GetClientRect(client);
    PaintBevelledFace(dc, client, m_faceColor, m_bevelWidth, m_pressed != 0);
    if (m_bitmapId > 0)
        PaintButtonPicture(dc, client, {m_bitmapId, m_bitmapHAlign, m_bitmapVAlign, m_bevelWidth, m_bitmapXOffset,
                                        m_bitmapYOffset});
    CString text;
    GetWindowText(text);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_textColor);
    if (m_font.GetSafeHandle())
        dc.SelectObject(&m_font);
    static const UINT kVertical[3] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    static const UINT kHorizontal[3] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    const UINT vertical = m_textVAlign >= 0 && m_textVAlign < 3 ? kVertical[m_textVAlign] : DT_TOP;
    const UINT horizontal = m_textHAlign >= 0 && m_textHAlign < 3 ? kHorizontal[m_textHAlign] : DT_LEFT;
    dc.DrawText(text, client, DT_SINGLELINE | vertical | horizontal);
    dc.RestoreDC(saved);
}
