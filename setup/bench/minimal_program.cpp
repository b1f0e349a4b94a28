// The smallest program of the setup program's class library: one form that
// ends the program as soon as it is shown. The start-up benchmark measures
// rilo_setup against it.
//
// With "/libraries" it also loads the platform libraries that the setup
// program's windows need: the common controls (page control, status bar).
// With "/bound" it besides connects to the POS database's data source
// "Corvane" as the setup program's user. These are the two steps of the setup
// program's start that cost the most and that no program doing its job can
// leave out.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

#include "database.h"
#include "system_library.h"
#include "vcl.h"

namespace {

class TMinimalForm : public TForm {
public:
    explicit TMinimalForm(TComponent* Owner) : TForm(Owner)
    {
        SetBounds(0, 0, 704, 592);
        OnShow = [](TObject*) { Application->Terminate(); };
    }
};

void LoadTheCommonControls()
{
    // Looked up, not imported: without a switch the library stays unloaded.
    static const auto initCommonControls =
        SystemProc<decltype(&InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    initCommonControls(&controls);
}

void ConnectToTheDatabase(TComponent* owner)
{
    auto* database = new TDatabase(owner);
    database->AliasName = "Corvane";
    database->Params.Add("USER NAME=tarvel");
    database->Params.Add("PASSWORD=tarvel");
    database->Open();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    TMinimalForm* form = nullptr;
    Application->Initialize();
    Application->CreateForm(form);
    const bool bound = std::strstr(commandLine, "/bound") != nullptr;
    if (bound || std::strstr(commandLine, "/libraries"))
        LoadTheCommonControls();
    if (bound)
        ConnectToTheDatabase(form);
    Application->Run();
    return 0;
}
