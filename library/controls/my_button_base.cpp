#include "my_button_base.h"

#include "button_paint.h"

IMPLEMENT_DYNAMIC(CMyButtonBase, CWnd)

BEGIN_MESSAGE_MAP(CMyButtonBase, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CMyButtonBase::CMyButtonBase() : m_faceColor(::GetSysColor(COLOR_BTNFACE)) {}

CMyButtonBase::~CMyButtonBase() = default;

void CMyButtonBase::SetFont(CString faceName, int height, BYTE bold, BYTE italic, BYTE underline)
{
    CreateButtonFont(m_font, faceName, height, bold, italic, underline);
}

void CMyButtonBase::OnLButtonDown(UINT flags, CPoint point)
{
    m_pressed = 1;
    Invalidate(TRUE);
    CWnd::OnLButtonDown(flags, point);
}

void CMyButtonBase::OnLButtonUp(UINT flags, CPoint point)
{
    m_pressed = 0;
    Invalidate(TRUE);
    CWnd::OnLButtonUp(flags, point);
}

void CMyButtonBase::PaintPicture(CDC& dc, const CRect& client)
{
    if (m_bitmapId > 0)
        PaintButtonPicture(dc, client, {m_bitmapId, m_bitmapHAlign, m_bitmapVAlign, m_bevelWidth, m_bitmapXOffset,
                                        m_bitmapYOffset});
}
