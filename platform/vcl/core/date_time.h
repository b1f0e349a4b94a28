// The system's clock, and date and time as text with the system's
// separators (see date_time_format.h for the format).
#pragma once

#include <windows.h>

#include "date_time_format.h"

SYSTEMTIME Now();
// The separators are the user's locale settings at the time of the call.
AnsiString FormatDateTime(const AnsiString& format, const SYSTEMTIME& time);
