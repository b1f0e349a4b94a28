#include "date_time.h"

namespace {

char LocaleCharacter(LCTYPE type, char fallback)
{
    char text[8] = "";
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) > 1 ? text[0] : fallback;
}

SYSTEMTIME SystemLocalTime()
{
    SYSTEMTIME time;
    GetLocalTime(&time);
    return time;
}

}  // namespace

SYSTEMTIME (*LocalClock)() = &SystemLocalTime;

SYSTEMTIME Now()
{
    return LocalClock();
}

AnsiString FormatDateTime(const AnsiString& format, const SYSTEMTIME& time)
{
    const TDateTimeParts parts{time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
    return FormatDateTimeParts(format, parts, LocaleCharacter(LOCALE_SDATE, '/'), LocaleCharacter(LOCALE_STIME, ':'));
}
