// Reading the host's command-line arguments.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cerrno>
#include <climits>

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
