// The revenue-centre and minutes picker of the locator grid.
#pragma once

#include "DBQComboBox.h"
#include "vcl.h"

// The result of the last OK: the centre's number as text and its name.
extern AnsiString LocRvcNum;
extern AnsiString LocRvcName;

class TLocForm : public TForm {
public:
    explicit TLocForm(TComponent* Owner);

    TLabel* Label4 = nullptr;
    TDBQComboBox* DBQComboBox1 = nullptr;
    TLabel* Label3 = nullptr;
    TMaskEdit* MinEdit = nullptr;
    TBitBtn* OKBtn = nullptr;
    TBitBtn* CancelBtn = nullptr;

    // Runs at creation too, so the revenue-centre query is the first
    // statement on the POS database connection.
    void FormActivate(TObject* Sender);
    void OKBtnClick(TObject* Sender);
};

extern TLocForm* LocForm;
