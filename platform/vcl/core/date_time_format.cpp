#include "date_time_format.h"

#include <cctype>
#include <cstdio>

namespace {

AnsiString Number(int value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", digits, value);
    return text;
}

}  // namespace

AnsiString FormatDateTimeParts(const AnsiString& format, const TDateTimeParts& t, char dateSeparator,
                               char timeSeparator)
{
    AnsiString out;
    char lastLetter = 0;
    size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (c == '\'' || c == '"') {
            const size_t end = format.find(c, i + 1);
            out += format.substr(i + 1, (end == AnsiString::npos ? format.size() : end) - i - 1);
            i = end == AnsiString::npos ? format.size() : end + 1;
            continue;
        }
        if (upper != 'D' && upper != 'M' && upper != 'N' && upper != 'Y' && upper != 'H' && upper != 'S') {
            out += c == '/' ? dateSeparator : c == ':' ? timeSeparator : c;
            ++i;
            continue;
        }
        size_t count = 1;
        while (i + count < format.size() &&
               std::toupper(static_cast<unsigned char>(format[i + count])) == static_cast<unsigned char>(upper))
            ++count;
        i += count;
        const int digits = count >= 2 ? 2 : 1;
        char token = upper;
        if (token == 'M' && lastLetter == 'H')
            token = 'N';
        switch (token) {
        case 'D': out += Number(t.day, digits); break;
        case 'M': out += Number(t.month, digits); break;
        case 'N': out += Number(t.minute, digits); break;
        case 'H': out += Number(t.hour, digits); break;
        case 'S': out += Number(t.second, digits); break;
        case 'Y': out += count <= 2 ? Number(t.year % 100, 2) : Number(t.year, 4); break;
        default: break;
        }
        lastLetter = upper;
    }
    return out;
}
