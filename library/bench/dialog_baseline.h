// A bare Win32 dialog with the same kind of controls as the library's
// dialogs and none of the project's code: full screen, one report list
// view filled row by row, and owner-drawn buttons with a small picture
// each. The dialog benchmark times it beside each export.
#pragma once

#include <string>
#include <vector>

// Shows the dialog modally until something ends it (EndDialog).
void RunBaselineDialog(const std::vector<std::string>& lines, int buttons);
