#include "setup_run.h"

#include <commctrl.h>

#include <algorithm>

#include "date_time.h"

SetupRun::SetupRun(const std::string& arguments) : saved_(Application)
{
    SetCommandLineForTesting("rilo_setup.exe " + arguments);
    Application = &app;
    app.SetTitle("Zenta Pellisto Rilo Setup");
    app.CreateForm(main);
    MainForm = main;
    app.CreateForm(HintBox);
    app.CreateForm(TMedForm);
    app.CreateForm(LocForm);
    app.CreateForm(DplSetupForm);
}

void RestoreApplication(TApplication* saved)
{
    Application = saved;
    SetCommandLineForTesting("");
    MainForm = nullptr;
    HintBox = nullptr;
    TMedForm = nullptr;
    LocForm = nullptr;
    DplSetupForm = nullptr;
}

SetupRun::~SetupRun() { RestoreApplication(saved_); }

void SetupRun::Start()
{
    main->Show();
    app.ProcessMessages();
}

void SetupRun::RunFor(int milliseconds)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (!app.Terminated() && static_cast<int>(end - GetTickCount()) > 0) {
        app.ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

std::string SetupRun::StatusText(int panel)
{
    char text[512] = "";
    SendMessageA(main->StatusBar1->Handle(), SB_GETTEXTA, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::string> SetupRun::MemoLines()
{
    std::vector<std::string> lines;
    for (int i = 0; i < main->SetupMemo->Lines().Count(); ++i)
        lines.push_back(main->SetupMemo->Lines().Strings(i));
    return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::vector<std::string> GridRow(TStringGrid* grid, int row)
{
    return {grid->Cells(0, row), grid->Cells(1, row), grid->Cells(2, row)};
}
