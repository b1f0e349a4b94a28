// Where the Win32 workstation build's dialogs put their controls: on the
// POS front end's client size (or the screen less 40 without it), in the
// dialog's client coordinates. No platform header.
#pragma once

#include "dialog_layout.h"

// The host window's client size and window position; all 0 without host.
struct HostGeometry {
    int clientWidth, clientHeight, left, top;
    bool found() const { return clientWidth > 0 && clientHeight > 0; }
};

// W, H: the sizes the layout works on; Wr, Hr: what the thresholds compare.
struct Win32Sizes {
    int W, H, Wr, Hr;
};
Win32Sizes Win32SizesFor(const HostGeometry& host, int screenWidth, int screenHeight);

// Below this host (or screen) size the dialogs switch to their compact look.
constexpr int kWin32Threshold = 750;

struct Win32DisplayLayout {
    LayoutRect list;
    LayoutRect exit, back, print, pageDown, pageUp;
};
Win32DisplayLayout LayOutDisplayWin32(int W, int H);

struct Win32ListLayout {
    LayoutRect title, list;
    LayoutRect arrows[6]; // line down, page down, end, line up, page up, home
    LayoutRect ok, abort;
};
Win32ListLayout LayOutListWin32(int W, int H);

struct Win32GuestLayout {
    LayoutRect title, line1, line2, icon, messageIndicator, locatorIndicator;
    LayoutRect functions[6]; // Reservation Details .. Enter Locator
    LayoutRect exit;
};
Win32GuestLayout LayOutGuestWin32(int W, int H, int Hr);
