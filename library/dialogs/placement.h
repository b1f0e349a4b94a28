// How a dialog of this build takes its place on the screen when it
// initialises, after the class library's own initialisation.
#pragma once

#include "dialog_layout.h"

#include <afxwin.h>

enum class DialogKind { Display, ListInput, Guest };

struct Placement {
    Ce30Screen screen;  // CE 3.0: the screen class; elsewhere the large one
    int taskBarHeight;  // CE 3.0: what the dialog rose by
};

// commandBar: the dialog's empty command bar (null where it has none).
// The dialog's painting is held from its showing on (PaintWhole ends the
// hold): the placement steps after the showing each moved or restacked a
// visible window, and each had all of it erased again at once.
Placement PlaceDialog(CWnd& dialog, CWnd* commandBar, DialogKind kind);
