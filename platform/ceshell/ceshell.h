// Stand-in for the CE shell and command-bar calls that the CE builds of the
// library make, working on desktop windows. Every call also leaves a record
// on the window it was given (window properties), so that anything in the
// process can read afterwards what the shell was asked to do.
#pragma once

#include <windows.h>

#include "ceshell_api.h"

// Command bars: a child window of class "CommandBar" across the top of its
// parent. An empty one (no buttons, no menu) takes no height.
BOOL CommandBar_Show(HWND commandBar, BOOL show);

// What the shell was asked to do for one window, in order.
enum class CeShellCall : unsigned char {
    None = 0,
    InitDialog = 1,
    FullScreen = 2,
    DoneButton = 3,
    CommandBarShow = 4,
};

struct CeShellRecord {
    bool initDialog = false;
    DWORD initDialogFlags = 0;
    bool fullScreen = false;
    DWORD fullScreenState = 0; // of the last call
    bool doneButton = false;
    DWORD doneButtonState = 0; // of the last call
    bool commandBarHidden = false;
    int callCount = 0;         // the first eight are kept in calls
    CeShellCall calls[8] = {};
};

CeShellRecord CeShellQuery(HWND window);
