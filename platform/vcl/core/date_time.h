// The system's clock, and date and time as text with the system's
// separators (see date_time_format.h for the format).
#pragma once

#include <windows.h>

#include "date_time_format.h"

// The local date and time now, as LocalClock tells it.
SYSTEMTIME Now();
// The clock Now() reads: the system's local time; a test may set its own.
extern SYSTEMTIME (*LocalClock)();
// Format as in date_time_format.h, with the date and time separators the
// user's locale has at the time of the call.
AnsiString FormatDateTime(const AnsiString& format, const SYSTEMTIME& time);
