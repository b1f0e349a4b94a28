#include "log_line.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

std::size_t FormatLogLine(char* message, std::size_t size, const char* format, ...)
{
    if (size == 0)
        return 0;
    std::size_t length = 0;
    if (size > 2) {
        // Keep the last two bytes free for the line feed and the terminator.
        va_list args;
        va_start(args, format);
        const int printed = std::vsnprintf(message, size - 1, format, args);
        va_end(args);
        length = printed < 0 ? 0 : std::strlen(message);
    }
    if (size > 1)
        message[length++] = '\n';
    message[length] = '\0';
    return length;
}
