// The device's own shell and command-bar calls for the CE images, imported
// by their plain names (the desktop builds use the stand-in of
// platform/ceshell under the same names).
#pragma once

#include <windows.h>

extern "C" {
#include "../../ceshell/ceshell_api.h"
}

// On CE, showing or hiding a command bar is showing or hiding its window.
inline BOOL CommandBar_Show(HWND commandBar, BOOL show) { return ShowWindow(commandBar, show ? SW_SHOWNORMAL : SW_HIDE); }
