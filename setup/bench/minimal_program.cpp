// The smallest program of the setup program's class library: one form that
// ends the program as soon as it is shown. The start-up benchmark measures
// rilo_setup against it.
#include <windows.h>

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

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    TMinimalForm* form = nullptr;
    Application->Initialize();
    Application->CreateForm(form);
    Application->Run();
    return 0;
}
