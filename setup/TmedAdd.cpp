#include "TmedAdd.h"

TTMedForm* TMedForm = nullptr;

TTMedForm::TTMedForm(TComponent* Owner) : TForm(Owner)
{
    TDBQComboBox::Register();
    Bind("FormActivate", &TTMedForm::FormActivate);
    Bind("OKBtnClick", &TTMedForm::OKBtnClick);
    Field("Label1", Label1);
    Field("DBQComboBox1", DBQComboBox1);
    Field("BitBtn2", BitBtn2);
    Field("BitBtn1", BitBtn1);
    ReadLayout("TTMedForm");
}

void TTMedForm::FormActivate(TObject*)
{
    DBQComboBox1->LoadItems();
    DBQComboBox1->SetItemIndex(0);
}

void TTMedForm::OKBtnClick(TObject*)
{
    // Nothing chosen in this showing: ends as Cancel, so that the tender of
    // an earlier showing is not taken for a new choice.
    if (DBQComboBox1->ItemIndex() < 0) {
        SetModalResult(mrCancel);
        return;
    }
    FTmedObjNum = DBQComboBox1->SelectedField("obj_num").AsInteger();
}
