// Functions of system libraries that only some actions of the program need
// (shell file operations, opening a document, network names, see-through
// pictures), looked up at their first call. The library is loaded then and
// not at the program's start, as a delay-loaded import would be.
#pragma once

#include <windows.h>

// The function's address; raises std::runtime_error when the library or the
// function is missing.
FARPROC SystemProcAddress(const char* library, const char* name);

// The function as its declared type, e.g.
//     static const auto call = SystemProc<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
template <class F>
F SystemProc(const char* library, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(SystemProcAddress(library, name)));
}
