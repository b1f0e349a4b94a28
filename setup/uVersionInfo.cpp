#include "uVersionInfo.h"

#include <windows.h>

#include <cstdio>
#include <vector>

AnsiString GetFileVersionString()
{
    char path[MAX_PATH + 1] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return AnsiString();
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return AnsiString();
    std::vector<char> info(size + 1);
    if (!GetFileVersionInfoA(path, 0, size, info.data()))
        return AnsiString();

    void* translation = nullptr;
    UINT translationSize = 0;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &translation, &translationSize) ||
        translationSize < 4)
        return AnsiString();
    const WORD* words = static_cast<const WORD*>(translation);
    char key[64];
    std::snprintf(key, sizeof key, "\\StringFileInfo\\%04X%04X\\FileVersion", words[0], words[1]);

    void* text = nullptr;
    UINT textSize = 0;
    if (!VerQueryValueA(info.data(), key, &text, &textSize) || !text)
        return AnsiString();
    // The value is zero-terminated within the block that holds it.
    const char* chars = static_cast<const char*>(text);
    size_t n = 0;
    while (n < textSize && chars[n])
        ++n;
    return AnsiString(chars, n);
}
