// The locale-dependent part of sysutils.h.
#include <windows.h>

#include "sysutils.h"

int AnsiCompareText(const AnsiString& a, const AnsiString& b)
{
    // CompareStringA answers 1, 2 or 3 for less, equal and greater.
    const int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                      static_cast<int>(a.size()), b.data(),
                                      static_cast<int>(b.size()));
    return result - CSTR_EQUAL;
}

bool SameText(const AnsiString& a, const AnsiString& b) { return AnsiCompareText(a, b) == 0; }
