#include "my_button_ce30.h"

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
    // The caption wraps inside the rings.
    const int ring = m_bevelWidth > 0 ? m_bevelWidth - 1 : 0;
    const CRect inner(client.left + ring, client.top + ring, client.right - ring, client.bottom - ring);
    PaintPicture(dc, client);
    PaintButtonCaption(dc, client, inner,
                       {m_caption, m_textColor, m_font, m_textHAlign, m_textVAlign, m_bevelWidth, m_textYOffset});
    dc.RestoreDC(saved);
}
