#include "cstring.h"

#include <cstdarg>
#include <cstdio>

namespace {

void AppendNarrow(std::wstring& out, const char* text)
{
    if (!text) {
        out += L"(null)";
        return;
    }
    const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (n <= 1)
        return;
    const size_t at = out.size();
    out.resize(at + static_cast<size_t>(n));
    MultiByteToWideChar(CP_ACP, 0, text, -1, &out[at], n);
    out.resize(at + static_cast<size_t>(n - 1));
}

#if defined(_WIN32_WCE)
// CE's wide formatting has no 64-bit conversions: the digits by hand, for
// the formats below ("%lld", "%llu", "%llx").
void AppendNumber(std::wstring& out, const wchar_t* format, unsigned long long value)
{
    const wchar_t kind = format[3];
    const unsigned base = kind == L'x' ? 16 : 10;
    const bool negative = kind == L'd' && static_cast<long long>(value) < 0;
    if (negative)
        value = 0 - value;
    wchar_t digits[24];
    wchar_t* first = digits + 24;
    do {
        *--first = L"0123456789abcdef"[value % base];
        value /= base;
    } while (value);
    if (negative)
        *--first = L'-';
    out.append(first, digits + 24);
}
#else
void AppendNumber(std::wstring& out, const wchar_t* format, unsigned long long value)
{
    wchar_t digits[32];
    swprintf(digits, 32, format, value);
    out += digits;
}
#endif

} // namespace

void CString::Format(const wchar_t* format, ...)
{
    std::wstring out;
    va_list args;
    va_start(args, format);
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%' || !p[1]) {
            out += *p;
            continue;
        }
        switch (*++p) {
        case L's': {
            const wchar_t* text = va_arg(args, const wchar_t*);
            out += text ? text : L"(null)";
            break;
        }
        case L'S':
            AppendNarrow(out, va_arg(args, const char*));
            break;
        case L'd':
            AppendNumber(out, L"%lld", static_cast<unsigned long long>(static_cast<long long>(va_arg(args, int))));
            break;
        case L'u':
            AppendNumber(out, L"%llu", va_arg(args, unsigned int));
            break;
        case L'x':
            AppendNumber(out, L"%llx", va_arg(args, unsigned int));
            break;
        default:
            out += *p;
            break;
        }
    }
    va_end(args);
    m_text.swap(out);
}
