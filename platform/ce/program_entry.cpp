// Start-up of the CE programs: CE starts a program at its entry with the
// instance, the (unused) previous instance, the command line, which CE
// passes wide, and the show state. The entry runs the static constructors,
// calls WinMain and ends the process with its result.
#include "coredll.h"

#include <windows.h>

extern "C" {
extern void (*__init_array_start[])();
extern void (*__init_array_end[])();
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);

extern "C" __attribute__((section(".text.rilo_entry"))) void WinMainCRTStartup(HINSTANCE instance,
                                                                               HINSTANCE previous,
                                                                               wchar_t* commandLine, int show)
{
    for (void (**constructor)() = __init_array_start; constructor != __init_array_end; ++constructor)
        (*constructor)();
    const int code = WinMain(instance, previous, reinterpret_cast<LPSTR>(commandLine), show);
    TerminateProcess(CurrentProcess(), static_cast<unsigned>(code));
    for (;;) {
    }
}
