// CE 3.0: the screen, in the shell's full-screen mode, then risen by the
// task bar's height so that the dialog covers the task bar's place too.
#include "placement.h"

#include "dialog_common.h"

#include <ceshell.h>

Placement PlaceDialog(CWnd& dialog, CWnd* commandBar, DialogKind kind)
{
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    Placement placement = {Ce30ScreenFor(w, h), 0};
    placement.taskBarHeight = placement.screen.taskBarHeight;
    dialog.SetWindowPos(&CWnd::wndTop, 0, 0, w, h, SWP_SHOWWINDOW);
    HoldPainting(dialog);

    if (CWnd* taskBar = CWnd::FindWindow(L"HHTaskBar", nullptr)) {
        CRect bar;
        taskBar->GetWindowRect(bar);
        placement.taskBarHeight = bar.bottom - bar.top;
    }
    SHINITDLGINFO info = {SHIDIM_FLAGS, dialog.m_hWnd, SHIDIF_FULLSCREENNOMENUBAR};
    SHInitDialog(&info);
    if (commandBar && commandBar->m_hWnd)
        CommandBar_Show(commandBar->m_hWnd, FALSE);
    dialog.SetForegroundWindow();
    // The guest dialog hides the start icon too; the others leave it.
    const DWORD hide = SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | (kind == DialogKind::Guest ? SHFS_HIDESTARTICON : 0);
    SHFullScreen(dialog.m_hWnd, hide);

    CRect window;
    dialog.GetWindowRect(window);
    const int top = window.top - placement.taskBarHeight;
    dialog.MoveWindow(window.left, top, window.right - window.left, window.bottom - top, TRUE);
    dialog.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
    return placement;
}
