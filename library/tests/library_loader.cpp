#include "library_loader.h"

const std::vector<Flavour>& AllFlavours()
{
    static const std::vector<Flavour> flavours = {
        {"riloEC7", "desktop_ce\\Osprey\\riloEC7.dll", true},
        {"riloCE5", "desktop_ce\\Shrike\\riloCE5.dll", true},
        {"riloCE", "desktop_ce\\Siskin\\riloCE.dll", true},
        {"riloHeron", "desktop_ce\\Heron\\riloHeron.dll", true},
        {"rilo_lib", "RILO_CACHE\\WIN32\\rilo_lib.dll", false},
    };
    return flavours;
}

std::string BesideProgram(const char* relative)
{
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + relative;
}

LoadedLibrary::LoadedLibrary(const Flavour& flavour)
    : m_module(LoadLibraryA(BesideProgram(flavour.path).c_str()))
{
}

LoadedLibrary::~LoadedLibrary()
{
    if (m_module)
        FreeLibrary(m_module);
}
