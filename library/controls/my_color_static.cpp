#include "my_color_static.h"

BEGIN_MESSAGE_MAP(CMyColorStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CMyColorStatic::CMyColorStatic() : m_bkColor(::GetSysColor(COLOR_BTNFACE)) { m_brush.CreateSolidBrush(m_bkColor); }

CMyColorStatic::~CMyColorStatic() = default;

void CMyColorStatic::SetBkColor(COLORREF color)
{
    m_bkColor = color;
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(color);
    Invalidate(FALSE);
}

void CMyColorStatic::SetTextColor(COLORREF color)
{
    m_textColor = color;
    Invalidate(FALSE);
}

HBRUSH CMyColorStatic::CtlColor(CDC* dc, UINT)
{
    dc->SetBkColor(m_bkColor);
    dc->SetTextColor(m_textColor);
    return m_brush;
}
