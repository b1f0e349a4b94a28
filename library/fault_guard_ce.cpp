// The fault guard of the ARM Windows CE images. CE has no vectored
// exception handler, and the GNU compiler cannot describe CE's table-based
// structured exception handling, so a fault cannot be caught here. Instead
// the exports ask the system whether the caller's memory is there before
// they touch it (IsBadReadPtr / IsBadWritePtr), piece by piece, and the work
// runs unguarded. A piece is a whole array, value, text or buffer: where the
// desktop builds stop inside an array at the faulting element, CE stops
// before the array.
#include "fault_guard.h"

#include "coredll.h"

#include <cstdint>

namespace {

constexpr std::uintptr_t kPage = 4096;

} // namespace

bool RunGuarded(void (*work)(void*), void* context)
{
    work(context);
    return true;
}

bool CallerMemoryWritable(volatile void* memory, std::size_t count, std::size_t size)
{
    if (count == 0)
        return true;
    if (!memory || count > SIZE_MAX / size)
        return false;
    return !IsBadWritePtr(const_cast<void*>(memory), static_cast<unsigned>(count * size));
}

bool CallerTextReadable(const char* text)
{
    if (!text)
        return false;
    // Page by page up to the terminator.
    for (const char* p = text;;) {
        const char* pageEnd = reinterpret_cast<const char*>((reinterpret_cast<std::uintptr_t>(p) | (kPage - 1)) + 1);
        if (IsBadReadPtr(p, static_cast<unsigned>(pageEnd - p)))
            return false;
        for (; p != pageEnd; ++p)
            if (!*p)
                return true;
    }
}
