// The label of the dialogs: background, optional raised or sunken rings
// and the window text on one line, vertically centred.
#pragma once

#include <afxwin.h>

class CMyStatic : public CStatic {
    DECLARE_DYNAMIC(CMyStatic)

public:
    CMyStatic();
    ~CMyStatic() override;

    void SetAlign(int align) { m_align = align; }
    void SetBorder(int style, int width)
    {
        m_borderStyle = style;
        m_borderWidth = width;
    }
    void SetBackColor(COLORREF color) { m_backColor = color; }
    void SetTextColor(COLORREF color) { m_textColor = color; }
    void SetFont(CString faceName, int height, BYTE bold, BYTE italic, BYTE underline, int width, BYTE charSet);

    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()

private:
    int m_align = 0;
    int m_borderStyle = 0;
    int m_borderWidth = 0;
    COLORREF m_backColor;
    COLORREF m_textColor = RGB(0, 0, 0);
    CFont m_font;
};

// The list heading: black text on yellow, through the header's custom draw.
class CMyHeaderCtrl : public CHeaderCtrl {
public:
    ~CMyHeaderCtrl() override;
    void OnCustomDraw(NMHDR* header, LRESULT* result);

protected:
    DECLARE_MESSAGE_MAP()
};
