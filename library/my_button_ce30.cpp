#include "my_button_ce30.h"

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
    // The caption wraps inside the rings.
    const int ring = m_bevelWidth > 0 ? m_bevelWidth - 1 : 0;
    const CRect inner(client.left + ring, client.top + ring, client.right - ring, client.bottom - ring);
    if (m_bitmapId > 0)
        PaintButtonPicture(dc, client, {m_bitmapId, m_bitmapHAlign, m_bitmapVAlign, m_bevelWidth, m_bitmapXOffset,
                                        m_bitmapYOffset});
    PaintButtonCaption(dc, client, inner,
                       {m_caption, m_textColor, m_font, m_textHAlign, m_textVAlign, m_bevelWidth, m_textYOffset});
    dc.RestoreDC(saved);
}
