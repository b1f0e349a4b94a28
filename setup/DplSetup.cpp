#include "DplSetup.h"

#include "registry.h"

TDplSetupForm* DplSetupForm = nullptr;

namespace {

const char* const kRiloKey = "\\Software\\Corvane\\Zenta\\RILO";
const char* const kInterfaceValue = "Interface_Obj_Num";
const char* const kSelectHeading = "System Setup - Select Interface to be used:";
const char* const kConfirmHeading = "System Setup - Confirm Interface to be used:";

}  // namespace

TDplSetupForm::TDplSetupForm(TComponent* Owner) : TForm(Owner)
{
    TDBQComboBox::Register();
    Bind("FormActivate", &TDplSetupForm::FormActivate);
    Bind("btnChangeClick", &TDplSetupForm::btnChangeClick);
    Bind("OKBtnClick", &TDplSetupForm::OKBtnClick);
    Field("lblTop", lblTop);
    Field("pnlLinkboxConfig", pnlLinkboxConfig);
    Field("DBQComboBox1", DBQComboBox1);
    Field("BitBtn2", BitBtn2);
    Field("btnCancel", btnCancel);
    Field("btnChange", btnChange);
    ReadLayout("TDplSetupForm");
}

void TDplSetupForm::FillList()
{
    DBQComboBox1->LoadItems();
    DBQComboBox1->SetItemIndex(0);
}

void TDplSetupForm::FormActivate(TObject*)
{
    FillList();
    {
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        // A missing key, a missing value or one that is not an integer leaves
        // the number as it was.
        if (registry.OpenKeyReadOnly(kRiloKey) && registry.GetDataType(kInterfaceValue) == rdInteger)
            FInterfaceObjNum = registry.ReadInteger(kInterfaceValue);
    }
    pnlLinkboxConfig->SetVisible(false);
    pnlLinkboxConfig->SetCaption("");
    btnChange->SetVisible(false);
    if (FInterfaceObjNum > 0) {
        // The remembered definition stays selected in the hidden list, so OK keeps it.
        for (int i = 0; i < DBQComboBox1->Items().Count(); ++i) {
            DBQComboBox1->SetItemIndex(i);
            if (DBQComboBox1->SelectedField("obj_num").AsInteger() == FInterfaceObjNum) {
                pnlLinkboxConfig->SetCaption(DBQComboBox1->SelectedField("Text").AsString());
                break;
            }
        }
    }
    if (FInterfaceObjNum > 0 && !pnlLinkboxConfig->Caption().empty()) {
        lblTop->SetCaption(kConfirmHeading);
        DBQComboBox1->SetVisible(false);
        pnlLinkboxConfig->SetVisible(true);
        btnChange->SetVisible(true);
    } else {
        lblTop->SetCaption(kSelectHeading);
        DBQComboBox1->SetVisible(true);
        FillList();
    }
    SetCaption(lblTop->Caption());
}

void TDplSetupForm::btnChangeClick(TObject*)
{
    lblTop->SetCaption(kSelectHeading);
    pnlLinkboxConfig->SetVisible(false);
    btnChange->SetVisible(false);
    DBQComboBox1->SetVisible(true);
    SetCaption(lblTop->Caption());
    FillList();
}

void TDplSetupForm::OKBtnClick(TObject*)
{
    // The OK kind ends the dialog with OK whatever happens here.
    if (DBQComboBox1->ItemIndex() < 0)
        return;
    // A negative number or one beyond 32 bits is no pick: the distribution
    // does not run and the registry keeps what it held. 0 is stored as
    // chosen; the distribution does not run for it either.
    FInterfaceObjNum = 0;
    const TField& number = DBQComboBox1->SelectedField("obj_num");
    const int picked = number.AsInteger();  // raises beyond 32 bits
    if (picked < 0)
        throw EDatabaseError("'" + number.AsString() + "' is not a valid interface number");
    FInterfaceObjNum = picked;
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKey(kRiloKey, true))
        registry.WriteInteger(kInterfaceValue, FInterfaceObjNum);
}
