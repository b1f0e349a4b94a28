// A bare Win32 dialog with the same kind of controls as the library's
// dialogs and none of the project's code: full screen, one report list
// view filled row by row, and owner-drawn buttons with a small picture
// each. The dialog benchmark times it beside each export.
#pragma once

#include <string>
#include <vector>

// Bare: the platform's floor for these controls (its rows put in with the
// dialog's painting held, the fastest way on this platform). Bound: the same controls
// with what the library's dialogs must do besides (a template font, a first
// placement before the one on top, a bold title line, the list's own font
// and a column wider than the list by 450), still with no project code,
// plus what the build and the dialog demand below.
enum class BaselineSteps { Bare, Bound };

// What one build's dialog must do beyond the common steps, each done the
// fastest way the platform offers.
struct BoundDemands {
    // CE 3.0: a template with caption bar and modal frame, the empty command
    // bar, the shell's full-screen dialog, the bar hidden, the shell's full
    // screen, and the rise by the task bar's height with a repaint.
    bool ceShell = false;
    // CE 5: the shell's done button hidden and its full screen.
    bool ce5Shell = false;
    // Win32: a captioned window over the host, placed twice, its caption
    // set; a list dialog puts each row's text in a second column.
    bool win32 = false;
    bool textInSecondColumn = false;
    // Buttons as the touch button paints them: the face rounded (or
    // bevelled by the width), its picture loaded from resources at each
    // paint, the caption in the button's own font.
    bool roundedButtons = false;
    int bevel = 1;
    // The guest dialog: the title framed, two coloured indicator labels in
    // their own font, the message icon, the row's text on green, and no
    // separate list font or keyboard selection of a row.
    bool guest = false;
    // The Win32 guest dialog shows the guest on two labels instead of a list.
    bool guestLinesInLabels = false;
};

// Shows the dialog modally until something ends it (EndDialog).
void RunBaselineDialog(const std::vector<std::string>& lines, int buttons, BaselineSteps steps = BaselineSteps::Bare,
                       const BoundDemands& demands = {});
