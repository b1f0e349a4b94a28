// The wide-character functions the images use, for CE's 2-byte wchar_t:
// newlib's own are built for 4 bytes. (The headers' inline versions of the
// wmem functions are not seen here: this file includes no C library header.)
#include <cstddef>

extern "C" {

std::size_t wcslen(const wchar_t* text)
{
    const wchar_t* end = text;
    while (*end)
        ++end;
    return static_cast<std::size_t>(end - text);
}

int wcscmp(const wchar_t* a, const wchar_t* b)
{
    for (; *a && *a == *b; ++a, ++b) {
    }
    return *a == *b ? 0 : *a < *b ? -1 : 1;
}

wchar_t* wcschr(const wchar_t* text, wchar_t value)
{
    for (;; ++text) {
        if (*text == value)
            return const_cast<wchar_t*>(text);
        if (!*text)
            return nullptr;
    }
}

wchar_t* wcsncpy(wchar_t* to, const wchar_t* from, std::size_t count)
{
    std::size_t i = 0;
    for (; i < count && from[i]; ++i)
        to[i] = from[i];
    for (; i < count; ++i)
        to[i] = 0;
    return to;
}

wchar_t* wmemcpy(wchar_t* to, const wchar_t* from, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        to[i] = from[i];
    return to;
}

wchar_t* wmemmove(wchar_t* to, const wchar_t* from, std::size_t count)
{
    if (to < from)
        return wmemcpy(to, from, count);
    for (std::size_t i = count; i > 0; --i)
        to[i - 1] = from[i - 1];
    return to;
}

wchar_t* wmemset(wchar_t* to, wchar_t value, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        to[i] = value;
    return to;
}

int wmemcmp(const wchar_t* a, const wchar_t* b, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    return 0;
}

wchar_t* wmemchr(const wchar_t* text, wchar_t value, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i)
        if (text[i] == value)
            return const_cast<wchar_t*>(text + i);
    return nullptr;
}
}
