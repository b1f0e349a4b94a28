// Stand-in for the CE shell and command-bar calls that the CE builds of the
// library make, working on desktop windows. Every call also leaves a record
// on the window it was given (window properties), so that anything in the
// process can read afterwards what the shell was asked to do.
#pragma once

#include <windows.h>

// SHInitDialog
struct SHINITDLGINFO {
    DWORD dwMask;
    HWND hDlg;
    DWORD dwFlags;
};
using PSHINITDLGINFO = SHINITDLGINFO*;
constexpr DWORD SHIDIM_FLAGS = 0x0001;
constexpr DWORD SHIDIF_DONEBUTTON = 0x0001;
constexpr DWORD SHIDIF_SIZEDLG = 0x0002;
constexpr DWORD SHIDIF_SIZEDLGFULLSCREEN = 0x0004;
constexpr DWORD SHIDIF_SIPDOWN = 0x0008;
constexpr DWORD SHIDIF_FULLSCREENNOMENUBAR = 0x0010;

// Full screen: the dialog takes the screen below the task bar (all of it
// when there is no visible task bar).
BOOL SHInitDialog(PSHINITDLGINFO info);

// SHFullScreen
constexpr DWORD SHFS_SHOWTASKBAR = 0x0001;
constexpr DWORD SHFS_HIDETASKBAR = 0x0002;
constexpr DWORD SHFS_SHOWSIPBUTTON = 0x0004;
constexpr DWORD SHFS_HIDESIPBUTTON = 0x0008;
constexpr DWORD SHFS_SHOWSTARTICON = 0x0010;
constexpr DWORD SHFS_HIDESTARTICON = 0x0020;

// Hides or shows the window of class "HHTaskBar" when one exists; the
// input-panel button and the start icon have no desktop counterpart.
BOOL SHFullScreen(HWND window, DWORD state);

// The shell's done button of a window: recorded only (a desktop window has
// no done button).
constexpr DWORD SHDB_SHOW = 0x0001;
constexpr DWORD SHDB_HIDE = 0x0002;
BOOL SHDoneButton(HWND window, DWORD state);

// Command bars: a child window of class "CommandBar" across the top of its
// parent. An empty one (no buttons, no menu) takes no height.
HWND CommandBar_Create(HINSTANCE instance, HWND parent, int id);
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
