// The platform-free part of sysutils.h.
#include "sysutils.h"

#include <cstdint>
#include <string>

AnsiString AnsiQuotedStr(const AnsiString& text, char quote)
{
    AnsiString out(1, quote);
    for (char c : text) {
        if (c == quote)
            out += quote;
        out += c;
    }
    out += quote;
    return out;
}

AnsiString QuotedStr(const AnsiString& text) { return AnsiQuotedStr(text, '\''); }

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

int StrToIntDef(const AnsiString& text, int def)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const bool hex = i < text.size() && text[i] == '$';
    if (hex)
        ++i;
    if (i == text.size())
        return def;

    // Collected as a magnitude wide enough to see every 32-bit overflow.
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        const int digit = hex ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0)
            return def;
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull)
            return def;
    }
    if (hex) {
        auto bits = static_cast<std::uint32_t>(value);
        if (negative)
            bits = 0u - bits;
        return static_cast<std::int32_t>(bits);
    }
    const auto magnitude = static_cast<std::int64_t>(value);
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return def;
    return static_cast<int>(signedValue);
}

AnsiString Trim(const AnsiString& text)
{
    size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

AnsiString IntToStr(int value) { return std::to_string(value); }

AnsiString UpperCase(const AnsiString& text)
{
    AnsiString out = text;
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

AnsiString LowerCase(const AnsiString& text)
{
    AnsiString out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}
