// The touch button of the Win32 workstation dialogs: a bevelled face, a
// bitmap, and the window text on one line (it never wraps). The caption
// that SetText stores is not painted.
#pragma once

#include "my_button_base.h"

class CMyButton : public CMyButtonBase {
    DECLARE_DYNAMIC(CMyButton)

public:
    void OnPaint();

protected:
    DECLARE_MESSAGE_MAP()
};
