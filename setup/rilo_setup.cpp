// The setup program: the class library's application with the program's five
// forms, created in this order. Creating the locator picker already reaches
// the POS database.
#include <windows.h>

#include "DplSetup.h"
#include "LocAdd.h"
#include "Main.h"
#include "TmedAdd.h"
#include "hint.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    Application->Initialize();
    Application->SetTitle("Zenta Pellisto Rilo Setup");
    Application->CreateForm(MainForm);
    Application->CreateForm(HintBox);
    Application->CreateForm(TMedForm);
    Application->CreateForm(LocForm);
    Application->CreateForm(DplSetupForm);
    Application->Run();
    return MainForm->FExitCode;
}
