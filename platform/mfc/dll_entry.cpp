// Entry point of a library built on the class-library layer: initialise the
// layer for the module and run the application object's start-up on attach,
// its clean-up on detach. The run-time constructs the application object
// before this runs and destroys it afterwards.
#include "winapp.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
        if (!AfxWinInit(instance, nullptr, nullptr, SW_SHOWNORMAL))
            return FALSE;
        CWinApp* app = AfxGetApp();
        if (app && !app->InitInstance()) {
            app->ExitInstance();
            return FALSE;
        }
    } else if (reason == DLL_PROCESS_DETACH) {
        if (CWinApp* app = AfxGetApp())
            app->ExitInstance();
    }
    return TRUE;
}
