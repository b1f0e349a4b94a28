// The main window's "Show Hints" buttons: each shows its page in the hint
// window, replacing what the window showed before.
#include "Main.h"
#include "hint.h"

namespace {

void ShowHintPage(const char* title, const char* text)
{
    HintBox->SetCaption(title);
    HintBox->reMemo->Lines().SetText(text);
    HintBox->ShowModal();
}

}  // namespace

void TMainForm::HlpTaxBtnClick(TObject*)
{
    ShowHintPage("Tax/VAT Setup", "These values are read directly from HUX and are only displayed here.");
}

void TMainForm::HlpSrvBtnClick(TObject*)
{
    ShowHintPage("Serving Period / Cashier / Order Type Setup",
                 "Select if the interface should send the active Serving Period Number, the Cashier Number that "
                 "is linked to the Transaction Employee or the active Order Type. Please note that any changes in "
                 "the setting might require addtional configuration on the FrontOffice Linkbox");
}

void TMainForm::TMedHlpBtnClick(TObject*)
{
    ShowHintPage("RoomCharge Tender Media's",
                 "Each Tender Media that should be send as a RoomCharge to the FrontOffice Linkbox needs to be "
                 "entered here. All Tender Media's that are NOT listed here will NOT ask for any Room/Guest "
                 "Information. In either case the Tender Media must be linked to the PMS that is used for the "
                 "interface to the FrontOffice.");
}

void TMainForm::btnVoucherHintClick(TObject*)
{
    ShowHintPage("Voucher Tender Media's",
                 "Each Tender Media that should be send as a Voucher to the FrontOffice Linkbox needs to be "
                 "entered here. This feature is used with Lodgeline onlyand requires recent versions of both "
                 "Lodgeline and Linkbox8. The Tender Media must be linked to the PMS that is used for the "
                 "interface to the FrontOffice.");
}

void TMainForm::LocHlpBtnClick(TObject*)
{
    ShowHintPage("Locator Setup",
                 "If you plan to enter Locators at the workstation you can create default values for the amount "
                 "of minutes the Locator will be valid and for the first line of the Locator Information "
                 "(Typically the name of the outlet). These values can be overwritten by the operator that enters "
                 "the Locator information. This setup is not required for the interface to work.");
}
