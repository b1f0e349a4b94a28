#include "app.h"

BEGIN_MESSAGE_MAP(CIddApp, CWinApp)
END_MESSAGE_MAP()

CIddApp::CIddApp() : m_hTaskBar(nullptr) {}

BOOL CIddApp::InitInstance()
{
    CWinApp::InitInstance();
    return TRUE;
}

#if defined(RILO_FLAVOUR_CE5)
void CIddApp::HideTaskBar()
{
    m_hTaskBar = ::FindWindowW(L"HHTaskBar", nullptr);
    if (m_hTaskBar)
        ::ShowWindow(m_hTaskBar, SW_HIDE);
}

void CIddApp::ShowTaskBar()
{
    if (m_hTaskBar)
        ::ShowWindow(m_hTaskBar, SW_SHOWNA);
}
#endif

CIddApp theApp;
