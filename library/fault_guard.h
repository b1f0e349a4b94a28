// Turns an access fault in a piece of work into a result, so that no fault
// from caller memory ever reaches the caller of an export.
#pragma once

#include <cstddef>

// Runs work(context). Returns false when it faulted (access violation,
// in-page error, guard page or misalignment on this thread), in which case
// the work was abandoned at the faulting access; true otherwise.
bool RunGuarded(void (*work)(void*), void* context);

template <class Work>
bool RunGuarded(Work& work)
{
    return RunGuarded([](void* context) { (*static_cast<Work*>(context))(); }, &work);
}

// Whether the caller's count elements of size bytes at memory can be read
// and written, and whether a caller's text can be read to its terminator.
// Where the guard catches faults (the desktop builds) they answer yes and
// leave it to the guard; where it cannot (CE), they ask the system first,
// so a fault stops the work before the piece of memory that would fault.
bool CallerMemoryWritable(volatile void* memory, std::size_t count, std::size_t size);
bool CallerTextReadable(const char* text);
