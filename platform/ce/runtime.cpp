// The C and C++ run-time layer of the CE images, in place of the desktop
// start-up code: the library entry runs the static constructors on attach
// and the registered destructors on detach; the heap is the process heap
// of coredll; what would throw or abort ends the process (the images are
// built without exceptions).
#include "coredll.h"

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <new>

extern "C" {
extern void (*__init_array_start[])();
extern void (*__init_array_end[])();
void* __dso_handle = nullptr;
}

namespace {

struct Destructor {
    void (*function)(void*);
    void* object;
};

Destructor* g_destructors = nullptr;
std::size_t g_destructorCount = 0;

[[noreturn]] void Fatal()
{
    TerminateProcess(CurrentProcess(), 3);
    for (;;) {
    }
}

} // namespace

extern "C" {

int __cxa_atexit(void (*function)(void*), void* object, void*)
{
    void* grown = g_destructors ? LocalReAlloc(g_destructors, (g_destructorCount + 1) * sizeof(Destructor), kLocalMoveable)
                                : LocalAlloc(kLocalFixed, sizeof(Destructor));
    if (!grown)
        return -1;
    g_destructors = static_cast<Destructor*>(grown);
    g_destructors[g_destructorCount++] = {function, object};
    return 0;
}

int __aeabi_atexit(void* object, void (*function)(void*), void* dso) { return __cxa_atexit(function, object, dso); }

// The library's own entry, run after the static constructors on attach and
// before the destructors on detach.
int DllMain(void* instance, unsigned reason, void* reserved);

// Library entry: attach (1) and detach (0) of the process; threads pass.
__attribute__((section(".text.rilo_entry"))) int _DllMainCRTStartup(void* instance, unsigned reason, void* reserved)
{
    if (reason == 1) {
        for (void (**constructor)() = __init_array_start; constructor != __init_array_end; ++constructor)
            (*constructor)();
        return DllMain(instance, reason, reserved);
    } else if (reason == 0) {
        DllMain(instance, reason, reserved);
        while (g_destructorCount) {
            const Destructor last = g_destructors[--g_destructorCount];
            last.function(last.object);
        }
        LocalFree(g_destructors);
        g_destructors = nullptr;
    }
    return 1;
}

// newlib's allocation entry points (its stdio and number conversion use
// them), on the process heap.
void* _malloc_r(void*, std::size_t bytes) { return LocalAlloc(kLocalFixed, bytes ? bytes : 1); }
void _free_r(void*, void* memory)
{
    if (memory)
        LocalFree(memory);
}
void* _calloc_r(void*, std::size_t count, std::size_t size)
{
    if (size && count > SIZE_MAX / size)
        return nullptr;
    const std::size_t bytes = count * size;
    return LocalAlloc(kLocalZeroInit, bytes ? bytes : 1);
}
void* _realloc_r(void* reent, void* memory, std::size_t bytes)
{
    if (!memory)
        return _malloc_r(reent, bytes);
    return LocalReAlloc(memory, bytes ? bytes : 1, kLocalMoveable);
}
void* malloc(std::size_t bytes) { return _malloc_r(nullptr, bytes); }
void free(void* memory) { _free_r(nullptr, memory); }
void* calloc(std::size_t count, std::size_t size) { return _calloc_r(nullptr, count, size); }
void* realloc(void* memory, std::size_t bytes) { return _realloc_r(nullptr, memory, bytes); }

// The formatting entry that the desktop headers' snprintf calls, as newlib's
// (the C99 results the desktop builds' formatting gives).
int __ms_vsnprintf(char* buffer, std::size_t size, const char* format, va_list arguments)
{
    return vsnprintf(buffer, size, format, arguments);
}

void abort() { Fatal(); }
void __assert_func(const char*, int, const char*, const char*) { Fatal(); }
void __cxa_pure_virtual() { Fatal(); }
}

void* operator new(std::size_t bytes)
{
    if (void* memory = malloc(bytes))
        return memory;
    Fatal();
}
void* operator new[](std::size_t bytes) { return operator new(bytes); }
void operator delete(void* memory) noexcept { free(memory); }
void operator delete[](void* memory) noexcept { free(memory); }
void operator delete(void* memory, std::size_t) noexcept { free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { free(memory); }

// The library's throwing entry points, reached only on a broken invariant
// (the images are built without exceptions).
namespace std {
void __throw_length_error(const char*) { Fatal(); }
void __throw_bad_alloc() { Fatal(); }
void __throw_logic_error(const char*) { Fatal(); }
void __throw_out_of_range_fmt(const char*, ...) { Fatal(); }
void __throw_bad_array_new_length() { Fatal(); }
void __throw_invalid_argument(const char*) { Fatal(); }
void __throw_out_of_range(const char*) { Fatal(); }
} // namespace std
