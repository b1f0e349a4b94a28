// Loads the library builds from the test's output folder, the way the POS
// script engine does: LoadLibrary and GetProcAddress.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct Flavour {
    const char* name;      // build name, e.g. "riloEC7"
    const char* path;      // relative to the folder of the test program
    bool convertsOperands; // CE rule of single precision
};

const std::vector<Flavour>& AllFlavours();

// Full path of a file relative to the running program's folder.
std::string BesideProgram(const char* relative);

class LoadedLibrary {
public:
    explicit LoadedLibrary(const Flavour& flavour);
    ~LoadedLibrary();
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool ok() const { return m_module != nullptr; }
    template <class Fn>
    Fn Export(const char* name) const
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
    }

private:
    HMODULE m_module;
};
