// The main window and the settings file: loading into the controls, the tax
// keys of every start, and Save.
#include "Main.h"
#include "ini_settings_store.h"

namespace {

const char* const kLocatorHeaders[] = {"RVC#", "RVC Name", "Min."};
const int kLocatorWidths[] = {55, 150, 55};

void ReplaceItems(TControlStrings& items, const std::vector<AnsiString>& values)
{
    items.Clear();
    for (const AnsiString& value : values)
        items.Add(value);
}

std::vector<AnsiString> ItemsOf(TControlStrings& items)
{
    std::vector<AnsiString> values;
    for (int i = 0; i < items.Count(); ++i)
        values.push_back(items.Strings(i));
    return values;
}

}  // namespace

void TMainForm::SetLocatorHeader()
{
    for (int col = 0; col < 3; ++col) {
        LocStringGrid->SetColWidths(col, kLocatorWidths[col]);
        LocStringGrid->SetCells(col, 0, kLocatorHeaders[col]);
    }
}

void TMainForm::LoadSettingsIntoControls()
{
    IniSettingsStore store(SettingsFile());
    store.BeginReading();
    const LoadedSettings s = LoadSettings(store);
    // Until the POS database gives the tax set-up, Save keeps the file's value.
    TaxIsVat = store.ReadBool("POSTING", "TAX_OR_VAT", TaxIsVat);
    store.EndReading();

    EdTaxDesc->SetText(s.taxDesc);
    EdAutoSvcDesc->SetText(s.autoSvcDesc);
    RG_SrvChr->SetItemIndex(s.srvOrChrIndex);
    CBMAGENTRY_ONLY->SetChecked(s.magEntryOnly);
    edMagOnlyExclRvc->SetText(s.magCardOvrwrt);
    cbReverseGst->SetChecked(s.reverseGst);
    cbFULL_DSVC->SetChecked(s.fullDsvc);
    FOtherOptions = s.otherOptions;
    cmbRestrPosting->SetItemIndex(s.restrPostingIndex);

    TCheckBox* const boxes[kOtherOptionCount] = {cbNewPostingFormat, cbEmpInfoInMsg, cbRestrPosting,
                                                 cbSuppressNFoRef};
    for (int i = 0; i < kOtherOptionCount; ++i)
        if (s.boxesOn[static_cast<size_t>(i)])
            boxes[i]->SetChecked(true);

    if (s.hasRoomChrgTmd)
        ReplaceItems(TmedListBox->Items(), s.roomChrgTmd);
    if (s.hasVoucherTmd)
        ReplaceItems(VoucherListBox->Items(), s.voucherTmd);

    if (s.hasLocators) {
        SetLocatorHeader();
        for (const LocatorRow& row : s.locators) {
            if (!LocStringGrid->Cells(0, LocStringGrid->RowCount() - 1).empty())
                LocStringGrid->SetRowCount(LocStringGrid->RowCount() + 1);
            const int last = LocStringGrid->RowCount() - 1;
            LocStringGrid->SetCells(2, last, row.minutes);
            LocStringGrid->SetCells(1, last, row.name);
            LocStringGrid->SetCells(0, last, row.rvc);
        }
    }
    // The change handlers fired by filling the controls: loading is no change.
    SetupChanged = false;
}

void TMainForm::WriteTaxKeys()
{
    IniSettingsStore store(SettingsFile());
    ::WriteTaxKeys(store, TaxIsVat, TaxTypes);
    store.UpdateFile();
    SetupChanged = false;
}

void TMainForm::SaveBtnClick(TObject*)
{
    FOtherOptions = SetOtherOptionBoxes(FOtherOptions, {cbNewPostingFormat->Checked(), cbEmpInfoInMsg->Checked(),
                                                        cbRestrPosting->Checked(), cbSuppressNFoRef->Checked()});
    SavedSettings s;
    s.taxIsVat = TaxIsVat;
    s.srvOrChrIndex = RG_SrvChr->ItemIndex();
    s.reverseGst = cbReverseGst->Checked();
    s.fullDsvc = cbFULL_DSVC->Checked();
    s.roomChrgTmd = ItemsOf(TmedListBox->Items());
    s.voucherTmd = ItemsOf(VoucherListBox->Items());
    s.otherOptions = FOtherOptions;
    s.suppressNFoRef = cbSuppressNFoRef->Checked();
    s.restrPostingIndex = cmbRestrPosting->ItemIndex();
    s.taxDesc = EdTaxDesc->Text();
    s.autoSvcDesc = EdAutoSvcDesc->Text();
    s.magEntryOnly = CBMAGENTRY_ONLY->Checked();
    s.magCardOvrwrt = edMagOnlyExclRvc->Text();
    for (int r = 1; r < LocStringGrid->RowCount(); ++r)
        s.gridRows.push_back({LocStringGrid->Cells(0, r), LocStringGrid->Cells(1, r), LocStringGrid->Cells(2, r)});

    IniSettingsStore store(SettingsFile());
    SaveSettings(store, s);
    store.UpdateFile();
    SetupChanged = false;
}
