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
};

extern TDplSetupForm* DplSetupForm;
