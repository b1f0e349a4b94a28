// vsnprintf with the C library's result for the CE programs, over coredll's
// _vsnprintf: that one formats the CE way (2-byte wide texts for %S, which
// newlib, built for 4-byte ones, cannot), but gives -1 and no terminator
// when the text does not fit. Then the text is formatted again into a heap
// buffer that grows until it fits, for its length.
#include "coredll.h"

#include <cstdarg>
#include <cstddef>
#include <cstring>

extern "C" int _vsnprintf(char* buffer, std::size_t size, const char* format, va_list args);

extern "C" int vsnprintf(char* buffer, std::size_t size, const char* format, va_list args)
{
    if (size) {
        va_list copy;
        va_copy(copy, args);
        const int written = _vsnprintf(buffer, size, format, copy);
        va_end(copy);
        if (written >= 0 && static_cast<std::size_t>(written) < size)
            return written;
        buffer[size - 1] = '\0';
    }
    for (std::size_t room = size < 256 ? 256 : size * 2;; room *= 2) {
        char* scratch = static_cast<char*>(LocalAlloc(kLocalFixed, room));
        if (!scratch)
            return -1;
        va_list copy;
        va_copy(copy, args);
        const int written = _vsnprintf(scratch, room, format, copy);
        va_end(copy);
        LocalFree(scratch);
        if (written >= 0 && static_cast<std::size_t>(written) < room)
            return written;
        if (room > (1u << 24))
            return -1;
    }
}
