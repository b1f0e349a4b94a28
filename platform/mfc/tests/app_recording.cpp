// Records the calls of the application object in the process environment.
#include <afxwin.h>

#include <string>

namespace {

void Record(const char* event)
{
    char previous[256] = "";
    GetEnvironmentVariableA("APP_EVENTS", previous, sizeof previous);
    SetEnvironmentVariableA("APP_EVENTS", (std::string(previous) + event + ";").c_str());
}

class CRecordingApp : public CWinApp {
public:
    CRecordingApp() { Record("construct"); }
    ~CRecordingApp() override { Record("destroy"); }
    BOOL InitInstance() override
    {
        Record(m_hInstance == AfxGetResourceHandle() && m_hInstance ? "init" : "init-without-module");
        return CWinApp::InitInstance();
    }
    int ExitInstance() override
    {
        Record("exit");
        return CWinApp::ExitInstance();
    }
};

CRecordingApp theApp;

} // namespace
