// The running program's own version resource.
#pragma once

#include "ansi_string.h"

// The FileVersion text of the program's first translation; empty when the
// program carries no version information.
AnsiString GetFileVersionString();
