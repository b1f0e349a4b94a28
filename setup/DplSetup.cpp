#include "DplSetup.h"

TDplSetupForm* DplSetupForm = nullptr;

TDplSetupForm::TDplSetupForm(TComponent* Owner) : TForm(Owner)
{
    TDBQComboBox::Register();
    Field("lblTop", lblTop);
    Field("pnlLinkboxConfig", pnlLinkboxConfig);
    Field("DBQComboBox1", DBQComboBox1);
    Field("BitBtn2", BitBtn2);
    Field("btnCancel", btnCancel);
    Field("btnChange", btnChange);
    ReadLayout("TDplSetupForm");
}
