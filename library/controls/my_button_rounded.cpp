#include "my_button_rounded.h"

#include "button_paint.h"

IMPLEMENT_DYNAMIC(CMyButton, CMyButtonBase)

BEGIN_MESSAGE_MAP(CMyButton, CMyButtonBase)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CMyButton::CMyButton() : m_pressedColor(::GetSysColor(COLOR_HIGHLIGHT)) {}

CMyButton::~CMyButton() = default;

void CMyButton::OnPaint()
{
    CPaintDC dc(this);
    const int saved = dc.SaveDC();
    CRect client;
    GetClientRect(client);
    CRect inner = client;
    PaintFace(dc, client, inner);
    PaintPicture(dc, client);
    PaintButtonCaption(dc, client, inner,
                       {m_caption, m_textColor, m_font, m_textHAlign, m_textVAlign, m_bevelWidth, m_textYOffset});
    dc.RestoreDC(saved);
}

void CMyButton::PaintFace(CDC& dc, const CRect& client, CRect& inner)
{
    CBrush face(m_faceColor);
    CBrush pressed(m_pressedColor);
    CBrush faceAgain(m_faceColor);
    for (int i = 0; i < m_bevelWidth; ++i) {
        inner = CRect(client.left + i, client.top + i, client.right - i, client.bottom - i);
        if (!m_rounded) {
            if (m_pressed) {
                dc.InvertRect(inner);
                dc.Draw3dRect(inner, RGB(0, 0, 0), RGB(255, 255, 255));
            } else {
                // Each pass fills inside the rings already drawn, so that
                // all of them stay.
                dc.FillRect(inner, &face);
                dc.Draw3dRect(inner, RGB(255, 255, 255), RGB(0, 0, 0));
            }
        } else {
            // The corners outside the rounded rectangle keep the face colour.
            dc.FillRect(client, &faceAgain);
            CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
            CBrush* oldBrush = dc.SelectObject(m_pressed ? &pressed : &face);
            CPen* oldPen = dc.SelectObject(&pen);
            dc.RoundRect(client, CPoint(24, 24));
            dc.SelectObject(oldBrush);
            dc.SelectObject(oldPen);
            pen.DeleteObject();
        }
    }
}

