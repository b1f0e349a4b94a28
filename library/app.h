// The library's application object.
#pragma once

#include <afxwin.h>

class CIddApp : public CWinApp {
public:
    CIddApp();
    BOOL InitInstance() override;

#if defined(RILO_FLAVOUR_CE5)
    // The shell's task bar ("HHTaskBar"): found, kept and hidden; shown
    // again. Nothing in the library calls them.
    void HideTaskBar();
    void ShowTaskBar();
#endif

    // The task bar that the CE 5 operations keep; nothing else reads it.
    HWND m_hTaskBar;

    DECLARE_MESSAGE_MAP()
};

extern CIddApp theApp;
