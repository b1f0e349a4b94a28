// Application object of a module built on the class-library layer.
#pragma once

#include "msgmap.h"
#include "object.h"

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const wchar_t* appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    const wchar_t* m_pszAppName;
    HINSTANCE m_hInstance = nullptr;

    DECLARE_MESSAGE_MAP()
};

// The module's one application object (null before it is constructed).
CWinApp* AfxGetApp();
// Initialises the layer for the module; called by the module's entry point.
BOOL AfxWinInit(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);
// The module that holds the layer (the library's own module, for resources).
HINSTANCE AfxGetResourceHandle();

// Guard for exported functions. The layer is linked statically into each
// module, so there is only one module state and the guard has nothing to do.
struct AFX_MODULE_STATE {};
AFX_MODULE_STATE* AfxGetStaticModuleState();
class AFX_MAINTAIN_STATE2 {
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE*) {}
};
#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p)
