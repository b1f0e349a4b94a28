#include "amount_text.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <system_error>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// Decimal magnitude of a number whose digits from_chars found out of range:
// above 0 it overflowed, otherwise it underflowed.
bool Overflowed(const char* begin, const char* end)
{
    long long magnitude = 0;
    bool seenPoint = false;
    bool seenSignificant = false;
    const char* p = begin;
    for (; p != end && (IsDigit(*p) || *p == '.'); ++p) {
        if (*p == '.') {
            seenPoint = true;
        } else if (!seenPoint) {
            if (seenSignificant || *p != '0') {
                seenSignificant = true;
                ++magnitude;
            }
        } else if (!seenSignificant) {
            if (*p != '0')
                seenSignificant = true;
            else
                --magnitude;
        }
    }
    long long exponent = 0;
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        const bool negative = *p == '-';
        if (*p == '+' || *p == '-')
            ++p;
        for (; p != end && IsDigit(*p); ++p)
            if (exponent < 1000000000LL)
                exponent = exponent * 10 + (*p - '0');
        if (negative)
            exponent = -exponent;
    }
    return magnitude + exponent > 0;
}

} // namespace

double ParseAmount(const char* text)
{
    const char* p = text;
    while (IsBlank(*p))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    const char* begin = p;
    std::size_t digits = 0;
    for (; IsDigit(*p); ++p)
        ++digits;
    if (*p == '.')
        for (++p; IsDigit(*p); ++p)
            ++digits;
    if (digits == 0)
        return 0.0;
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-')
            ++q;
        if (IsDigit(*q)) {
            while (IsDigit(*q))
                ++q;
            p = q;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(begin, p, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range)
        value = Overflowed(begin, p) ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

double ProrateAmount(double total, double part, double amount)
{
    if (total == 0.0)
        return amount;
    return amount * (part / total);
}

int FormatAmount(double value, char (&out)[kAmountTextCapacity])
{
    const int needed = std::snprintf(out, kAmountTextCapacity, "%.2f", value);
    if (needed < 0) {
        out[0] = '\0';
        return 0;
    }
    const int limit = static_cast<int>(kAmountTextCapacity) - 1;
    return needed < limit ? needed : limit;
}
