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
    // The OK kind has already ended the dialog with OK.
    if (DBQComboBox1->ItemIndex() < 0)
        return;
    FTmedObjNum = DBQComboBox1->SelectedField("obj_num").AsInteger();
}
