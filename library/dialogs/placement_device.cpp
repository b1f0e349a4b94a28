// Embedded Compact 7 and CE 5: the whole screen, on top; CE 5 also hides
// the shell's done button and switches the shell to full screen.
#include "placement.h"

#include "build_flavour.h"
#include "dialog_common.h"

#if defined(RILO_FLAVOUR_CE5)
#include <ceshell.h>
#endif

Placement PlaceDialog(CWnd& dialog, CWnd*, DialogKind)
{
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    dialog.SetWindowPos(&CWnd::wndTop, 0, 0, w, h, SWP_SHOWWINDOW);
    HoldPainting(dialog);
    dialog.SetForegroundWindow();
#if defined(RILO_FLAVOUR_CE5)
    SHDoneButton(dialog.m_hWnd, SHDB_HIDE);
    SHFullScreen(dialog.m_hWnd, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
#endif
    dialog.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    return {Ce30ScreenFor(w, h), 0};
}
