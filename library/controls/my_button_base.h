// What the touch buttons of all builds share: the fields every build's
// button has, their setters (which only store), and the pressed flag that
// mouse down sets and mouse up clears, each followed by a full repaint.
// Each build's CMyButton adds its own fields and paints.
#pragma once

#include <afxwin.h>

class CMyButtonBase : public CWnd {
    DECLARE_DYNAMIC(CMyButtonBase)

public:
    CMyButtonBase();
    ~CMyButtonBase() override;

    void SetText(CString text) { m_caption = text; }
    void SetBitmapID(int id) { m_bitmapId = id; }
    void SetBackColor(COLORREF color) { m_faceColor = color; }
    void SetTextColor(COLORREF color) { m_textColor = color; }
    void SetBitmapHAlign(int align) { m_bitmapHAlign = align; }
    void SetBitmapVAlign(int align) { m_bitmapVAlign = align; }
    void SetTextHAlign(int align) { m_textHAlign = align; }
    void SetTextVAlign(int align) { m_textVAlign = align; }
    void SetBevelWidth(int width) { m_bevelWidth = width; }
    void SetBitmapXOffset(int offset) { m_bitmapXOffset = offset; }
    void SetBitmapYOffset(int offset) { m_bitmapYOffset = offset; }
    void SetFont(CString faceName, int height, BYTE bold, BYTE italic, BYTE underline);

    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);

protected:
    // The picture as the fields place it.
    void PaintPicture(CDC& dc, const CRect& client);

    DECLARE_MESSAGE_MAP()

    BYTE m_pressed = 0;
    int m_bitmapId = 0;
    CString m_caption;
    COLORREF m_faceColor;
    COLORREF m_textColor = RGB(0, 0, 0);
    int m_bitmapHAlign = 0;
    int m_bitmapVAlign = 0;
    int m_textHAlign = 0;
    int m_textVAlign = 0;
    int m_bevelWidth = 1;
    int m_bitmapXOffset = 0;
    int m_bitmapYOffset = 0;
    CFont m_font;
};
