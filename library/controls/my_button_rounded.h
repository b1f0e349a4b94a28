// The touch button of the Embedded Compact 7 and CE 5 dialogs: attached to
// a push-button control, it paints a rounded or bevelled face, a bitmap and
// a word-wrapped caption.
// Clicking stays with the push button's own processing.
#pragma once

#include "my_button_base.h"

class CMyButton : public CMyButtonBase {
    DECLARE_DYNAMIC(CMyButton)

public:
    CMyButton();
    ~CMyButton() override;

    void SetPressedColor(COLORREF color) { m_pressedColor = color; }
    void SetTextYOffset(int offset) { m_textYOffset = offset; }
    void SetRounded(BYTE rounded) { m_rounded = rounded; }
    void SetExtraFlag(BYTE flag) { m_extraFlag = flag; }

    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()

private:
    void PaintFace(CDC& dc, const CRect& client, CRect& inner);

    BYTE m_rounded = 0;
    COLORREF m_pressedColor;
    int m_textYOffset = 0;
    BYTE m_extraFlag = 1; // nothing reads it
};
