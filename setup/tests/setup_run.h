// The setup program's five forms on an application object of the test's
// own, created in the program's order, with a command line of the test's
// choosing. Start() shows the main window as Run does and handles what the
// start-up leaves waiting.
#pragma once

#include <string>

#include "DplSetup.h"
#include "LocAdd.h"
#include "Main.h"
#include "TmedAdd.h"
#include "hint.h"
#include "setup_fixture.h"

// The main window, counting the saves it runs.
class TCountingMainForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    int saves = 0;
    void SaveBtnClick(TObject* Sender) override
    {
        ++saves;
        TMainForm::SaveBtnClick(Sender);
    }
};

class SetupRun {
public:
    explicit SetupRun(const std::string& arguments = "");
    ~SetupRun();
    SetupRun(const SetupRun&) = delete;
    SetupRun& operator=(const SetupRun&) = delete;

    void Start();
    // Handles waiting messages until the application ends or the time is up.
    void RunFor(int milliseconds);
    bool Ended() const { return app.Terminated(); }
    std::string StatusText(int panel);
    std::vector<std::string> MemoLines();

    TApplication app;
    TCountingMainForm* main = nullptr;

private:
    TApplication* saved_;
};

// A run on an installation of its own, started, its boxes answered with
// their first button.
struct StartedRun {
    TestInstallation installation;
    BoxAnswerer boxes;
    SetupRun run;
    StartedRun() { run.Start(); }
    TCountingMainForm* m() { return run.main; }
};

// Puts the test's own application back and forgets the program's forms,
// which went with the application that owned them.
void RestoreApplication(TApplication* saved);

bool HasLine(const std::vector<std::string>& lines, const std::string& line);
// The three cells of a grid row.
std::vector<std::string> GridRow(TStringGrid* grid, int row);
