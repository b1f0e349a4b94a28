// The touch button of the CE 3.0 dialogs: a bevelled face in one colour (no
// rounded style, no pressed colour), a bitmap and a word-wrapped caption.
#pragma once

#include "my_button_base.h"

class CMyButton : public CMyButtonBase {
    DECLARE_DYNAMIC(CMyButton)

public:
    void SetTextYOffset(int offset) { m_textYOffset = offset; }
    void SetExtraFlag(BYTE flag) { m_extraFlag = flag; }

    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()

private:
    int m_textYOffset = 0;
    BYTE m_extraFlag = 1; // nothing reads it
};
