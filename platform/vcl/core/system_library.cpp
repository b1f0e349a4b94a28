#include "system_library.h"

#include <stdexcept>
#include <string>

FARPROC SystemProcAddress(const char* library, const char* name)
{
    HMODULE module = LoadLibraryA(library);
    FARPROC proc = module ? GetProcAddress(module, name) : nullptr;
    if (!proc)
        throw std::runtime_error(std::string("The system function ") + name + " of " + library + " is missing");
    return proc;
}
