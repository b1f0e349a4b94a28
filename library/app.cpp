#include "app.h"

BEGIN_MESSAGE_MAP(CIddApp, CWinApp)
END_MESSAGE_MAP()

CIddApp::CIddApp() : m_hTaskBar(nullptr) {}

BOOL CIddApp::InitInstance()
{
    CWinApp::InitInstance();
    return TRUE;
}

CIddApp theApp;
