#include "winapp.h"

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_resourceModule = nullptr;
AFX_MODULE_STATE g_moduleState;
} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const wchar_t* appName) : m_pszAppName(appName) { g_app = this; }

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

CWinApp* AfxGetApp() { return g_app; }

BOOL AfxWinInit(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    g_resourceModule = instance;
    if (g_app)
        g_app->m_hInstance = instance;
    return TRUE;
}

HINSTANCE AfxGetResourceHandle() { return g_resourceModule; }

AFX_MODULE_STATE* AfxGetStaticModuleState() { return &g_moduleState; }
