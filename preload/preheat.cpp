// Handheld preloader: on a PPT2846 device it loads the CE 3.0 build of the
// interface library once at start-up and keeps it in memory, so that the POS
// script engine's later loads find it already there.
//
// The found id file's name is logged in the ANSI code page: every character
// the code page holds is written as it stands, any other is replaced by the
// code page's default character (a question mark in the Western code pages).
#include <windows.h>

#include "append_log.h"
#include "log_line.h"

namespace {

// The name in the ANSI code page; two bytes a character leave room for a
// double-byte code page.
struct NarrowName {
    char text[2 * MAX_PATH];
    explicit NarrowName(const wchar_t* name)
    {
        if (!WideCharToMultiByte(CP_ACP, 0, name, -1, text, sizeof(text), nullptr, nullptr))
            text[0] = '\0';
    }
};

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    char message[kMessageBytes];
    WIN32_FIND_DATAW found;
    ZeroMemory(&found, sizeof(found));

    // The model is known by its platform id file.
    HANDLE search = FindFirstFileW(L"\\Platform\\PPT2846*.id", &found);
    if (search == INVALID_HANDLE_VALUE) {
        FormatLogLine(message, sizeof(message), "NO PPT2846 ID found, program will exit now");
        AppendLog(message);
        return 0;
    }
    FormatLogLine(message, sizeof(message), "Found PPT2846 ID: %s", NarrowName(found.cFileName).text);
    AppendLog(message);
    FindClose(search);

    // The handle is kept for good: the library must stay mapped.
    if (LoadLibraryW(L"\\corvane\\etc\\riloCE.dll"))
        FormatLogLine(message, sizeof(message), "PreLoaded DLL successfully!!");
    else
        FormatLogLine(message, sizeof(message), "FAILED to load DLL!!");
    AppendLog(message);

    for (;;)
        Sleep(60000);
}
