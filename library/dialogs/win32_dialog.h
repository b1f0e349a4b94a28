// What the Win32 workstation build's three dialogs do alike: lie over the
// POS front end's main window, and dress their buttons and lists.
#pragma once

#include "dialog_common.h"
#include "win32_layout.h"

// The POS front end's main window: its client size and window position.
HostGeometry FindHostWindow();

// Topmost over the host's client size at its position, or at (20, 20)
// with the screen less 40 without a host; shown.
void PlaceOverHost(CWnd& dialog, const HostGeometry& host);

// W, H, Wr, Hr for this host on this screen.
Win32Sizes SizesOnScreen(const HostGeometry& host);

struct Win32ButtonLook {
    int bitmap;
    int bitmapHAlign, bitmapVAlign;
    int bitmapXOffset, bitmapYOffset;
    int captionHAlign, captionVAlign; // -1: no caption font
    int fontHeight;                   // "Arial" bold
};

// Background RGB(212, 208, 200), bevel 2, black caption from the template.
void DressWin32Button(CMyButton& button, const Win32ButtonLook& look);

// Width 9, height 25, weight 700 in the registry's or the locale's face and
// the locale's character set.
void CreateWin32ListFont(CFont& font);

// One column the list's client width less 20 wide, full-row selection,
// the heading black on yellow.
void SetUpWin32ListColumn(CListCtrl& list, CMyHeaderCtrl& header, const CString& heading);
