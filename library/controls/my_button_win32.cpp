#include "my_button_win32.h"

#include "button_paint.h"

IMPLEMENT_DYNAMIC(CMyButton, CMyButtonBase)

BEGIN_MESSAGE_MAP(CMyButton, CMyButtonBase)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CMyButton::OnPaint()
{
    CPaintDC dc(this);
    const int saved = dc.SaveDC();
    CRect client;
    GetClientRect(client);
    PaintBevelledFace(dc, client, m_faceColor, m_bevelWidth, m_pressed != 0);
    PaintPicture(dc, client);
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
