// The few CE system functions the runtime layer calls, as coredll.dll
// exports them. Calls reach them through the import thunks of the build's
// imports list.
#pragma once

#include <cstddef>

extern "C" {
void* LocalAlloc(unsigned flags, std::size_t bytes);
void* LocalFree(void* memory);
void* LocalReAlloc(void* memory, std::size_t bytes, unsigned flags);
int IsBadReadPtr(const void* memory, unsigned bytes);
int IsBadWritePtr(void* memory, unsigned bytes);
int TerminateProcess(void* process, unsigned code);
}

constexpr unsigned kLocalFixed = 0x0000;
constexpr unsigned kLocalMoveable = 0x0002;
constexpr unsigned kLocalZeroInit = 0x0040;
// CE's pseudo handle of the calling process.
inline void* CurrentProcess() { return reinterpret_cast<void*>(0x42); }
