// The tender picker: one tender of type 'T' from the POS database.
#pragma once

#include "DBQComboBox.h"
#include "vcl.h"

class TTMedForm : public TForm {
public:
    explicit TTMedForm(TComponent* Owner);

    // The tender chosen at the last OK with a selection; 0 until then.
    int FTmedObjNum = 0;

    TLabel* Label1 = nullptr;
    TDBQComboBox* DBQComboBox1 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn1 = nullptr;

    void FormActivate(TObject* Sender);
    void OKBtnClick(TObject* Sender);
};

extern TTMedForm* TMedForm;
