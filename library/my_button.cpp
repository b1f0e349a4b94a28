#include "my_button.h"

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
    m_font.DeleteObject(); // a second call replaces the first font
    m_font.CreateFont(height, 0, 0, 0, bold == 1 ? FW_BOLD : FW_NORMAL, italic, underline, 0, ANSI_CHARSET, 0, 0, 0,
                      0, faceName);
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
        PaintBitmap(dc, client);
    PaintCaption(dc, client, inner);
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

void CMyButton::PaintBitmap(CDC& dc, const CRect& client)
{
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(static_cast<UINT>(m_bitmapId)))
        return; // no such picture: nothing to draw
    CBitmap* old = memory.SelectObject(&bitmap);
    BITMAP info = {};
    bitmap.GetBitmap(&info);
    const int w = client.Width(), h = client.Height(), bw = info.bmWidth, bh = info.bmHeight;
    int x = 0;
    switch (m_bitmapHAlign) {
    case 0: x = m_bevelWidth + m_bitmapXOffset; break;
    case 1: x = (w - bw) / 2 + m_bitmapXOffset; break;
    case 2: x = w - bw - m_bevelWidth - m_bitmapXOffset; break;
    default: x = 0; break;
    }
    int y = 0;
    switch (m_bitmapVAlign) {
    case 1: y = (h - bh) / 2 + m_bitmapYOffset; break;
    case 2: y = h - bh - m_bevelWidth - m_bitmapYOffset; break;
    default: y = m_bevelWidth + m_bitmapYOffset; break;
    }
    dc.BitBlt(x, y, bw, bh, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
    memory.DeleteDC();
    bitmap.DeleteObject();
}

void CMyButton::PaintCaption(CDC& dc, const CRect& client, const CRect& inner)
{
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_textColor);
    if (m_font.GetSafeHandle())
        dc.SelectObject(&m_font);
    CRect measure = inner;
    const int measureTop = measure.top, measureBottom = measure.bottom;
    dc.DrawText(m_caption, measure, DT_CALCRECT | DT_WORDBREAK);
    const int h = measure.Height();
    CRect block;
    switch (m_textVAlign) {
    case 1:
        block.top = client.Height() / 2 - h / 2;
        block.bottom = block.top + h;
        break;
    case 2:
        block.top = measureBottom - h;
        block.bottom = measureBottom;
        break;
    default:
        block.top = measureTop;
        block.bottom = measureTop + h;
        break;
    }
    block.left = m_bevelWidth;
    block.right = client.Width() - m_bevelWidth;
    block.top += m_textYOffset;
    block.bottom += m_textYOffset;
    UINT format = 0;
    switch (m_textHAlign) {
    case 0: format = DT_WORDBREAK | DT_LEFT; break;
    case 1: format = DT_WORDBREAK | DT_CENTER; break;
    case 2: format = DT_WORDBREAK | DT_RIGHT; break;
    default: return;
    }
    dc.DrawText(m_caption, block, format);
}
