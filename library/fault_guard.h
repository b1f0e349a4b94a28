// Turns an access fault in a piece of work into a result, so that no fault
// from caller memory ever reaches the caller of an export.
#pragma once

// Runs work(context). Returns false when it faulted (access violation,
// in-page error, guard page or misalignment on this thread), in which case
// the work was abandoned at the faulting access; true otherwise.
bool RunGuarded(void (*work)(void*), void* context);

template <class Work>
bool RunGuarded(Work& work)
{
    return RunGuarded([](void* context) { (*static_cast<Work*>(context))(); }, &work);
}
