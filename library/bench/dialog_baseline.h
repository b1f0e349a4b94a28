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
// and a column wider than the list by 450), still with no project code.
enum class BaselineSteps { Bare, Bound };

// Shows the dialog modally until something ends it (EndDialog).
void RunBaselineDialog(const std::vector<std::string>& lines, int buttons, BaselineSteps steps = BaselineSteps::Bare);
