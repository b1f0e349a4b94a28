// The interface-definition dialog of the file distribution.
#pragma once

#include "DBQComboBox.h"
#include "vcl.h"

class TDplSetupForm : public TForm {
public:
    explicit TDplSetupForm(TComponent* Owner);

    // The chosen interface definition's object number; 0 until one is chosen.
    int FInterfaceObjNum = 0;

    TLabel* lblTop = nullptr;
    TPanel* pnlLinkboxConfig = nullptr;
    TDBQComboBox* DBQComboBox1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* btnCancel = nullptr;
    TBitBtn* btnChange = nullptr;

    // Every showing: the confirm state for a remembered definition that the
    // list holds, else the select state.
    void FormActivate(TObject* Sender);
    void btnChangeClick(TObject* Sender);
    // Stores the selected definition, also in the registry.
    void OKBtnClick(TObject* Sender);

private:
    void FillList();
};

extern TDplSetupForm* DplSetupForm;
