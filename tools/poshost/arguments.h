// Reading the host's command-line arguments.
#pragma once

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cerrno>
#include <climits>
#include <string>

// Prints "poshost: <message>" and gives the exit code of a bad argument.
inline int Fail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::fputs("poshost: ", stderr);
    std::vfprintf(stderr, format, args);
    std::fputc('\n', stderr);
    va_end(args);
    return 2;
}

// A whole decimal 32-bit integer, nothing else.
inline bool ParseInt(const char* text, int* value)
{
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    *value = static_cast<int>(v);
    return true;
}

// Resolves \xHH (one byte) and \\ in a text argument.
inline bool Unescape(const char* text, std::string* out)
{
    out->clear();
    for (const char* p = text; *p; ++p) {
        if (*p != '\\') {
            *out += *p;
            continue;
        }
        if (p[1] == '\\') {
            *out += '\\';
            ++p;
            continue;
        }
        if (p[1] != 'x' || !std::isxdigit(static_cast<unsigned char>(p[2])) ||
            !std::isxdigit(static_cast<unsigned char>(p[3])))
            return false;
        const char hex[3] = {p[2], p[3], '\0'};
        *out += static_cast<char>(std::strtol(hex, nullptr, 16));
        p += 3;
    }
    return true;
}
