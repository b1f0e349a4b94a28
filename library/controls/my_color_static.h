// A label in colours of its own choosing: the static control paints itself
// and asks its parent for colours; the request comes back here.
#pragma once

#include <afxwin.h>

class CMyColorStatic : public CStatic {
public:
    CMyColorStatic();
    ~CMyColorStatic() override;

    // Each takes effect at the next paint, which it requests.
    void SetBkColor(COLORREF color);
    void SetTextColor(COLORREF color);

    // Answers the control's colour request: the colours on the context and
    // the brush that fills the background.
    HBRUSH CtlColor(CDC* dc, UINT kind);

protected:
    DECLARE_MESSAGE_MAP()

private:
    CBrush m_brush;
    COLORREF m_bkColor;
    COLORREF m_textColor = RGB(0, 0, 0);
};
