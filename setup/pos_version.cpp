#include "pos_version.h"

#include <cstdint>

int VersionToNumber(const AnsiString& text)
{
    std::int64_t number = 0;
    bool anyDigit = false;
    for (char c : text) {
        if (c < '0' || c > '9')
            continue;
        anyDigit = true;
        number = number * 10 + (c - '0');
        if (number > INT32_MAX)
            return 0;
    }
    return anyDigit ? static_cast<int>(number) : 0;
}

int PosVersionOf(const AnsiString& versionText)
{
    const int number = VersionToNumber(versionText);
    return number < 99 ? number * 10 : number;
}
