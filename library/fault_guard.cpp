// Faults are caught with a vectored exception handler (mingw has no
// compiler-supported structured exception handling). A guarded call marks
// the thread with a resume point taken by __builtin_setjmp; the handler,
// finding the mark, lets the dispatcher continue the thread in a landing
// function, which goes back to the resume point with __builtin_longjmp. So
// the exception dispatch itself always completes. The handler is
// registered on the first guarded call, not at load time, and removed when
// the library is unloaded. The no-fault path costs a TLS store and a setjmp.
#include "fault_guard.h"

#include <windows.h>

#include <cstddef>

namespace {

struct ResumePoint {
    void* jump[5];
    ResumePoint* outer;
#if defined(_M_IX86) || defined(__i386__)
    void* sehChain; // the x86 SEH chain the dispatcher may have extended
#endif
};

DWORD g_tlsSlot = TLS_OUT_OF_INDEXES;
PVOID g_handler = nullptr;
INIT_ONCE g_once = INIT_ONCE_STATIC_INIT;

bool IsAccessFault(DWORD code)
{
    return code == EXCEPTION_ACCESS_VIOLATION || code == EXCEPTION_IN_PAGE_ERROR ||
           code == EXCEPTION_GUARD_PAGE || code == EXCEPTION_DATATYPE_MISALIGNMENT;
}

// Entered in place of the faulting instruction, on the faulting stack.
[[noreturn]] void LandAfterFault()
{
    auto* point = static_cast<ResumePoint*>(TlsGetValue(g_tlsSlot));
    __builtin_longjmp(point->jump, 1);
}

LONG CALLBACK OnException(EXCEPTION_POINTERS* info)
{
    if (!IsAccessFault(info->ExceptionRecord->ExceptionCode))
        return EXCEPTION_CONTINUE_SEARCH;
    // Faults of the host's own code pass through untouched, last error too.
    const DWORD lastError = GetLastError();
    const bool guarded = TlsGetValue(g_tlsSlot) != nullptr;
    SetLastError(lastError);
    if (!guarded)
        return EXCEPTION_CONTINUE_SEARCH;
    CONTEXT* context = info->ContextRecord;
    // Continue as if the faulting instruction had called LandAfterFault.
#if defined(_M_IX86) || defined(__i386__)
    context->Esp = (context->Esp & ~static_cast<DWORD>(15)) - 4;
    context->Eip = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(&LandAfterFault));
#else
    context->Rsp = (context->Rsp & ~static_cast<DWORD64>(15)) - 8;
    context->Rip = reinterpret_cast<DWORD64>(&LandAfterFault);
#endif
    return EXCEPTION_CONTINUE_EXECUTION;
}

BOOL CALLBACK Register(PINIT_ONCE, PVOID, PVOID*)
{
    g_tlsSlot = TlsAlloc();
    if (g_tlsSlot != TLS_OUT_OF_INDEXES)
        g_handler = AddVectoredExceptionHandler(1, OnException);
    return TRUE;
}

// Removes the handler when the library is unloaded, so that no handler
// points into unmapped code.
struct Unregister {
    ~Unregister()
    {
        if (g_handler)
            RemoveVectoredExceptionHandler(g_handler);
        if (g_tlsSlot != TLS_OUT_OF_INDEXES)
            TlsFree(g_tlsSlot);
    }
} g_unregister;

__attribute__((noinline)) bool RunWithResumePoint(void (*work)(void*), void* context)
{
    ResumePoint point;
    point.outer = static_cast<ResumePoint*>(TlsGetValue(g_tlsSlot));
#if defined(_M_IX86) || defined(__i386__)
    asm volatile("movl %%fs:0, %0" : "=r"(point.sehChain));
#endif
    if (__builtin_setjmp(point.jump)) {
        // Back from a fault: the handler's frames are gone.
        ResumePoint* volatile self = &point;
#if defined(_M_IX86) || defined(__i386__)
        void* chain = self->sehChain;
        asm volatile("movl %0, %%fs:0" : : "r"(chain) : "memory");
#endif
        TlsSetValue(g_tlsSlot, self->outer);
        return false;
    }
    TlsSetValue(g_tlsSlot, &point);
    work(context);
    TlsSetValue(g_tlsSlot, point.outer);
    return true;
}

} // namespace

bool RunGuarded(void (*work)(void*), void* context)
{
    InitOnceExecuteOnce(&g_once, Register, nullptr, nullptr);
    if (!g_handler) {
        // Without a handler nothing can be caught; run the work all the same.
        work(context);
        return true;
    }
    return RunWithResumePoint(work, context);
}

bool CallerMemoryWritable(volatile void*, std::size_t, std::size_t) { return true; }

bool CallerTextReadable(const char*) { return true; }
