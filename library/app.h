// The library's application object.
#pragma once

#include <afxwin.h>

class CIddApp : public CWinApp {
public:
    CIddApp();
    BOOL InitInstance() override;

    // Shell task bar that the CE 5 build hides while a dialog is up; nothing
    // else reads it.
    HWND m_hTaskBar;

    DECLARE_MESSAGE_MAP()
};

extern CIddApp theApp;
