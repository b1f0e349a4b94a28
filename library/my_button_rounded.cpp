#include "my_button_rounded.h"

#include "button_paint.h"

IMPLEMENT_DYNAMIC(CMyButton, CWnd)

BEGIN_MESSAGE_MAP(CMyButton, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CMyButton::CMyButton()
    : m_faceColor(::GetSysColor(COLOR_BTNFACE)), m_pressedColor(::GetSysColor(COLOR_HIGHLIGHT))
{
}

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
    CRect inner = client;
    PaintFace(dc, client, inner);
    if (m_bitmapId > 0)
        PaintButtonPicture(dc, client, {m_bitmapId, m_bitmapHAlign, m_bitmapVAlign, m_bevelWidth, m_bitmapXOffset,
                                        m_bitmapYOffset});
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

