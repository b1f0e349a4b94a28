// The CE shell calls the library makes (aygshell.dll on the devices), and
// the command bar's creation (commctrl.dll), with CE's declarations: the
// desktop stand-in (ceshell.h) implements them, the CE images import them.
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

// A command bar across the top of its parent window.
HWND CommandBar_Create(HINSTANCE instance, HWND parent, int id);
