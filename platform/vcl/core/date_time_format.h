// Date and time as text in the class library's format language. Includes no
// platform header; date_time.h gives the system's clock and separators.
#pragma once

#include "ansi_string.h"

// A date and time by its parts, as SYSTEMTIME holds them (month 1-12, hour 0-23).
struct TDateTimeParts {
    int year, month, day, hour, minute, second;
};

// d dd day, m mm month (minutes right after an h or hh), n nn minutes,
// yy two-digit year, yyy and yyyy four digits, h hh hour 0-23, s ss seconds;
// "/" stands for the date separator, ":" for the time separator; text in
// single or double quotes is copied as it stands, as is any other character.
// Letters are read without regard to case.
AnsiString FormatDateTimeParts(const AnsiString& format, const TDateTimeParts& t, char dateSeparator,
                               char timeSeparator);
