// Replaces, in one loaded module, the address through which it calls an
// imported function: the test observes calls the module makes to the
// platform (a beep, for instance) without the platform doing them.
#pragma once

#include <windows.h>

class ImportHook {
public:
    // module: the caller; dll and function: the import, e.g. "user32.dll",
    // "MessageBeep". ok() is false when the module does not import it.
    ImportHook(HMODULE module, const char* dll, const char* function, void* replacement);
    ~ImportHook();
    ImportHook(const ImportHook&) = delete;
    ImportHook& operator=(const ImportHook&) = delete;

    bool ok() const { return m_slot != nullptr; }

private:
    void** m_slot = nullptr;
    void* m_original = nullptr;
};
