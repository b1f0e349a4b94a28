#include "LocAdd.h"

AnsiString LocRvcNum;
AnsiString LocRvcName;
TLocForm* LocForm = nullptr;

TLocForm::TLocForm(TComponent* Owner) : TForm(Owner)
{
    TDBQComboBox::Register();
    Bind("FormActivate", &TLocForm::FormActivate);
    Bind("OKBtnClick", &TLocForm::OKBtnClick);
    Field("Label4", Label4);
    Field("DBQComboBox1", DBQComboBox1);
    Field("Label3", Label3);
    Field("MinEdit", MinEdit);
    Field("OKBtn", OKBtn);
    Field("CancelBtn", CancelBtn);
    ReadLayout("TLocForm");
}

void TLocForm::FormActivate(TObject*)
{
    DBQComboBox1->LoadItems();
    DBQComboBox1->SetItemIndex(0);
    SelectFirst();
    MinEdit->SetText("");
}

void TLocForm::OKBtnClick(TObject*)
{
    if (MinEdit->Text().empty()) {
        MessageDlg("You must fill in all fields", mtInformation, mbOK);
        SelectFirst();
        return;
    }
    // An empty list has no centre to take: nothing is chosen.
    if (DBQComboBox1->Items().Count() == 0) {
        SetModalResult(mrCancel);
        return;
    }
    // Without a selection the first centre of the list is taken.
    LocRvcNum = IntToStr(DBQComboBox1->SelectedField("obj_num").AsInteger());
    LocRvcName = DBQComboBox1->SelectedField("name").AsString();
    SetModalResult(mrOk);
}
