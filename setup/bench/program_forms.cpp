// The setup program's windows without its work: the program's own body
// makes its five forms (the locator picker connects to the POS database when
// it is made) and shows the main window, and the program ends where the
// start-up steps (settings file, database steps, Save) would begin. The
// start-up benchmark's measure of the share its windows take.
#include <windows.h>

#define WinMain RiloSetupBody
#include "rilo_setup.cpp"
#undef WinMain

namespace {

HHOOK g_hook = nullptr;

// The first window made once the last form exists is the main window's,
// when the body shows it: from then on showing it ends the program.
LRESULT CALLBACK LeaveOutTheStartUp(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && DplSetupForm) {
        MainForm->OnShow = [](TObject*) { Application->Terminate(); };
        UnhookWindowsHookEx(g_hook);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    g_hook = SetWindowsHookExA(WH_CBT, LeaveOutTheStartUp, nullptr, GetCurrentThreadId());
    return RiloSetupBody(instance, previous, commandLine, show);
}
