#include "Main.h"

#include <shellapi.h>

#include "date_time.h"
#include "pos_version.h"
#include "system_library.h"
#include "uVersionInfo.h"

TMainForm* MainForm = nullptr;

const char* const kUnsavedQuestion =
    "Changes are not saved! Press [OK]\n\rto Save or press [Cancel ] to ignore\n\ryour changes.";

namespace {

const char* const kStoredCaption = "Zenta Pellisto Rilo Setup V.";
const char* const kClockFormat = "dd.mm.yyy / hh:mm:ss";
const char* const kNoHuxRootDir =
    "Can not obtain the system variable HUXROOTDIR, can not continue. Did you install Zenta QVX?";

// HUXROOTDIR is read into a buffer of this size; a longer value counts as
// not set rather than being cut.
constexpr DWORD kHuxRootDirBuffer = 4096;

AnsiString ReadHuxRootDir()
{
    char value[kHuxRootDirBuffer];
    const DWORD length = GetEnvironmentVariableA("HUXROOTDIR", value, kHuxRootDirBuffer);
    if (length == 0 || length >= kHuxRootDirBuffer)
        return AnsiString();
    return AnsiString(value, length);
}

bool HasInstallSwitch()
{
    for (int i = 1; i <= ParamCount(); ++i)
        if (LowerCase(ParamStr(i)) == "/install")
            return true;
    return false;
}

}  // namespace

TMainForm::TMainForm(TComponent* Owner) : TForm(Owner)
{
    TJvSHFileOperation::Register();
    Bind("FormShow", &TMainForm::FormShow);
    Bind("FormActivate", &TMainForm::FormActivate);
    Bind("FormClose", &TMainForm::FormClose);
    Bind("Timer1Timer", &TMainForm::Timer1Timer);
    Bind("ExitBtnClick", &TMainForm::ExitBtnClick);
    Bind("SaveBtnClick", &TMainForm::SaveBtnClick);
    Bind("BitBtn1Click", &TMainForm::BitBtn1Click);
    Bind("CBMAGENTRY_ONLYClick", &TMainForm::CBMAGENTRY_ONLYClick);
    Bind("editBoxChange", &TMainForm::editBoxChange);
    Bind("cbFULL_DSVCClick", &TMainForm::cbFULL_DSVCClick);
    Bind("cbReverseGstClick", &TMainForm::cbReverseGstClick);
    Bind("cbRestrPostingClick", &TMainForm::cbRestrPostingClick);
    Bind("cmbRestrPostingChange", &TMainForm::cmbRestrPostingChange);
    Bind("RG_SrvChrClick", &TMainForm::RG_SrvChrClick);
    Bind("EdTaxDescChange", &TMainForm::EdTaxDescChange);
    Bind("HlpSrvBtnClick", &TMainForm::HlpSrvBtnClick);
    Bind("HlpTaxBtnClick", &TMainForm::HlpTaxBtnClick);
    Bind("TMedHlpBtnClick", &TMainForm::TMedHlpBtnClick);
    Bind("btnVoucherHintClick", &TMainForm::btnVoucherHintClick);
    Bind("LocHlpBtnClick", &TMainForm::LocHlpBtnClick);
    Bind("TMedAddBtnClick", &TMainForm::TMedAddBtnClick);
    Bind("TMedDelBtnClick", &TMainForm::TMedDelBtnClick);
    Bind("btnVoucherAddClick", &TMainForm::btnVoucherAddClick);
    Bind("btnVoucherDeleteClick", &TMainForm::btnVoucherDeleteClick);
    Bind("LocAddBtnClick", &TMainForm::LocAddBtnClick);
    Bind("LocDelBtnClick", &TMainForm::LocDelBtnClick);
    Bind("BtnHeronSetupClick", &TMainForm::BtnHeronSetupClick);

    Field("StatusBar1", StatusBar1);
    Field("PnlMain", PnlMain);
    Field("Image1", Image1);
    Field("Panel3", Panel3);
    Field("BitBtn1", BitBtn1);
    Field("SaveBtn", SaveBtn);
    Field("ExitBtn", ExitBtn);
    Field("PageControl1", PageControl1);
    Field("tsFeatures", tsFeatures);
    Field("tsTender", tsTender);
    Field("tsLocator", tsLocator);
    Field("FeatureGBox", FeatureGBox);
    Field("CBMAGENTRY_ONLY", CBMAGENTRY_ONLY);
    Field("lblMagOnlyExclRvc", lblMagOnlyExclRvc);
    Field("edMagOnlyExclRvc", edMagOnlyExclRvc);
    Field("cbReverseGst", cbReverseGst);
    Field("cbFULL_DSVC", cbFULL_DSVC);
    Field("cbNewPostingFormat", cbNewPostingFormat);
    Field("cbEmpInfoInMsg", cbEmpInfoInMsg);
    Field("cbSuppressNFoRef", cbSuppressNFoRef);
    Field("cbRestrPosting", cbRestrPosting);
    Field("lblRestrPosting", lblRestrPosting);
    Field("cmbRestrPosting", cmbRestrPosting);
    Field("PnlOptions", PnlOptions);
    Field("GroupBox1", GroupBox1);
    Field("LbTaxDesc", LbTaxDesc);
    Field("EdTaxDesc", EdTaxDesc);
    Field("EdAutoSvcDesc", EdAutoSvcDesc);
    Field("RG_SrvChr", RG_SrvChr);
    Field("HlpSrvBtn", HlpSrvBtn);
    Field("GbDPL", GbDPL);
    Field("SetupMemo", SetupMemo);
    Field("BtnHeronSetup", BtnHeronSetup);
    Field("PnlSetup", PnlSetup);
    Field("gbTmed", gbTmed);
    Field("TmedListBox", TmedListBox);
    Field("btnTmedAdd", btnTmedAdd);
    Field("btnTmedDelete", btnTmedDelete);
    Field("btnTmedHint", btnTmedHint);
    Field("gbVoucher", gbVoucher);
    Field("VoucherListBox", VoucherListBox);
    Field("btnVoucherAdd", btnVoucherAdd);
    Field("btnVoucherDelete", btnVoucherDelete);
    Field("btnVoucherHint", btnVoucherHint);
    Field("PnlTaxDPL", PnlTaxDPL);
    Field("GBTax", GBTax);
    Field("LbTaxType", LbTaxType);
    Field("SGTaxes", SGTaxes);
    Field("HlpTaxBtn", HlpTaxBtn);
    Field("RVCGBox", RVCGBox);
    Field("LocStringGrid", LocStringGrid);
    Field("LocAddBtn", LocAddBtn);
    Field("LocDelBtn", LocDelBtn);
    Field("LocHlpBtn", LocHlpBtn);
    Field("corvane_DB", corvane_DB);
    Field("VersionQry", VersionQry);
    Field("TaxQry", TaxQry);
    Field("SpQuerry", SpQuerry);
    Field("Timer1", Timer1);
    Field("JvSHFileOperation1", JvSHFileOperation1);
    ReadLayout("TMainForm");
}

AnsiString TMainForm::SettingsFile() const { return HuxRootDir + "\\ETC\\" + IniFileName; }

void TMainForm::FormShow(TObject*)
{
    try {
        StartUp();
    } catch (const std::exception& e) {
        // By hand the window stays open with what was loaded; an unattended
        // installation ends after the error has been shown.
        if (!HasInstallSwitch())
            throw;
        Application->HandleException(e);
        FExitCode = dynamic_cast<const EIniFileException*>(&e) ? kExitSettingsNotWritten : kExitDatabaseStepFailed;
        Application->Terminate();
    }
}

void TMainForm::StartUp()
{
    bool success = false;
    SetCaption(kStoredCaption + GetFileVersionString());

    IniFileName = kIniFileName;
    HuxRootDir = ReadHuxRootDir();
    if (HuxRootDir.empty()) {
        MessageDlg(kNoHuxRootDir, mtError, mbAbort);
        FExitCode = kExitNoHuxRootDir;
    } else {
        LoadSettingsIntoControls();
        if (ConnectDatabase()) {
            success = true;
            ReadPosVersion();
            if (FPosVersion >= kVersionStoredProcedure) {
                ReadBaseDir();
                if (!CheckStoredProcedure()) {
                    success = false;
                    FExitCode = kExitDatabaseStepFailed;
                }
            }
            ReadTaxSetup();
            WriteTaxKeys();

            edMagOnlyExclRvc->SetEnabled(CBMAGENTRY_ONLY->Checked());
            lblMagOnlyExclRvc->SetEnabled(CBMAGENTRY_ONLY->Checked());
            cmbRestrPosting->SetEnabled(cbRestrPosting->Checked());
            lblRestrPosting->SetEnabled(cbRestrPosting->Checked());
            for (int i = 1; i <= ParamCount(); ++i) {
                if (LowerCase(ParamStr(i)) == "/install") {
                    SaveBtnClick(this);
                    Application->Terminate();
                }
            }
        } else {
            FExitCode = kExitNoDatabase;
        }
    }
    if (!success)
        Application->Terminate();
}

void TMainForm::FormActivate(TObject*)
{
    if (HuxRootDir.empty()) {
        Close();
        return;
    }
    StatusBar1->Panels(0).SetText("Setup will be stored in: " + SettingsFile());
}

void TMainForm::Timer1Timer(TObject*)
{
    StatusBar1->Panels(1).SetText(FormatDateTime(kClockFormat, Now()));
}

void TMainForm::ExitBtnClick(TObject*)
{
    if (SetupChanged) {
        if (MessageDlg(kUnsavedQuestion, mtConfirmation, mbOK | mbCancel) != mrCancel)
            SaveBtnClick(this);
    }
    Close();
}

void TMainForm::FormClose(TObject*, TCloseAction&)
{
    if (corvane_DB->Connected())
        corvane_DB->Close();
}

void TMainForm::BitBtn1Click(TObject*)
{
    const AnsiString folder = HuxRootDir + "\\etc";
    static const auto shellExecute = SystemProc<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    const auto result = reinterpret_cast<INT_PTR>(
        shellExecute(Handle(), "open", "pvo_fo_rilo.pdf", "", folder.c_str(), SW_SHOW));
    if (result == ERROR_FILE_NOT_FOUND)
        MessageDlg("pvo_fo_rilo.pdf not found", mtError, mbOK);
}

void TMainForm::CBMAGENTRY_ONLYClick(TObject*)
{
    SetupChanged = true;
    edMagOnlyExclRvc->SetEnabled(CBMAGENTRY_ONLY->Checked());
    lblMagOnlyExclRvc->SetEnabled(CBMAGENTRY_ONLY->Checked());
}

void TMainForm::cbRestrPostingClick(TObject*)
{
    SetupChanged = true;
    cmbRestrPosting->SetEnabled(cbRestrPosting->Checked());
    lblRestrPosting->SetEnabled(cbRestrPosting->Checked());
}

void TMainForm::editBoxChange(TObject*) { SetupChanged = true; }
// Choosing a privilege is a change like any other, asked about on Exit.
void TMainForm::cmbRestrPostingChange(TObject*) { SetupChanged = true; }
void TMainForm::cbFULL_DSVCClick(TObject*) { SetupChanged = true; }
void TMainForm::cbReverseGstClick(TObject*) { SetupChanged = true; }
void TMainForm::RG_SrvChrClick(TObject*) { SetupChanged = true; }
void TMainForm::EdTaxDescChange(TObject*) { SetupChanged = true; }
