// An application object whose start-up fails: the library must not load.
#include <afxwin.h>

namespace {

class CFailingApp : public CWinApp {
public:
    BOOL InitInstance() override { return FALSE; }
};

CFailingApp theApp;

} // namespace
