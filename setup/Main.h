// The main window: the settings editor of pvo_fo.ini, the POS database facts
// and the file distribution's starting point.
#pragma once

#include "JvSHFileOperation.h"
#include "device_table.h"
#include "settings_file.h"
#include "vcl.h"

// The question before leaving or distributing with unsaved changes.
extern const char* const kUnsavedQuestion;

// What the program ends with, so that an installer running "/install" can
// tell whether it did its job.
enum SetupExitCode {
    kExitDone = 0,                // also a run that the user closed
    kExitNoHuxRootDir = 1,
    kExitNoDatabase = 2,
    kExitDatabaseStepFailed = 3,  // stored procedure, version, base folder or tax set-up
    kExitSettingsNotWritten = 4,
};

class TMainForm : public TForm {
public:
    explicit TMainForm(TComponent* Owner);

    // State shared by the parts of the program.
    AnsiString HuxRootDir;
    AnsiString IniFileName;
    bool SetupChanged = false;
    AnsiString FOtherOptions;
    bool TaxIsVat = false;
    TaxTypeLetters TaxTypes = {};
    int FPosVersion = 0;
    AnsiString FDplBaseDir;
    SetupExitCode FExitCode = kExitDone;

    // Frame.
    TStatusBar* StatusBar1 = nullptr;
    TPanel* PnlMain = nullptr;
    TImage* Image1 = nullptr;
    TPanel* Panel3 = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* SaveBtn = nullptr;
    TBitBtn* ExitBtn = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* tsFeatures = nullptr;
    TTabSheet* tsTender = nullptr;
    TTabSheet* tsLocator = nullptr;
    // Options, Features, Setup.
    TGroupBox* FeatureGBox = nullptr;
    TCheckBox* CBMAGENTRY_ONLY = nullptr;
    TLabel* lblMagOnlyExclRvc = nullptr;
    TEdit* edMagOnlyExclRvc = nullptr;
    TCheckBox* cbReverseGst = nullptr;
    TCheckBox* cbFULL_DSVC = nullptr;
    TCheckBox* cbNewPostingFormat = nullptr;
    TCheckBox* cbEmpInfoInMsg = nullptr;
    TCheckBox* cbSuppressNFoRef = nullptr;
    TCheckBox* cbRestrPosting = nullptr;
    TLabel* lblRestrPosting = nullptr;
    TComboBox* cmbRestrPosting = nullptr;
    TPanel* PnlOptions = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* LbTaxDesc = nullptr;
    TMaskEdit* EdTaxDesc = nullptr;
    TMaskEdit* EdAutoSvcDesc = nullptr;
    TRadioGroup* RG_SrvChr = nullptr;
    TBitBtn* HlpSrvBtn = nullptr;
    TGroupBox* GbDPL = nullptr;
    TMemo* SetupMemo = nullptr;
    TBitBtn* BtnHeronSetup = nullptr;
    // Tender/Media's.
    TPanel* PnlSetup = nullptr;
    TGroupBox* gbTmed = nullptr;
    TListBox* TmedListBox = nullptr;
    TBitBtn* btnTmedAdd = nullptr;
    TBitBtn* btnTmedDelete = nullptr;
    TBitBtn* btnTmedHint = nullptr;
    TGroupBox* gbVoucher = nullptr;
    TListBox* VoucherListBox = nullptr;
    TBitBtn* btnVoucherAdd = nullptr;
    TBitBtn* btnVoucherDelete = nullptr;
    TBitBtn* btnVoucherHint = nullptr;
    TPanel* PnlTaxDPL = nullptr;
    TGroupBox* GBTax = nullptr;
    TLabel* LbTaxType = nullptr;
    TStringGrid* SGTaxes = nullptr;
    TBitBtn* HlpTaxBtn = nullptr;
    // Locator Setup.
    TGroupBox* RVCGBox = nullptr;
    TStringGrid* LocStringGrid = nullptr;
    TBitBtn* LocAddBtn = nullptr;
    TBitBtn* LocDelBtn = nullptr;
    TBitBtn* LocHlpBtn = nullptr;
    // Non-visual.
    TDatabase* corvane_DB = nullptr;
    TQuery* VersionQry = nullptr;
    TQuery* TaxQry = nullptr;
    TQuery* SpQuerry = nullptr;
    TTimer* Timer1 = nullptr;
    TJvSHFileOperation* JvSHFileOperation1 = nullptr;

    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Timer1Timer(TObject* Sender);
    void ExitBtnClick(TObject* Sender);
    // Virtual so that a test can watch the saves that start-up runs.
    virtual void SaveBtnClick(TObject* Sender);
    void BitBtn1Click(TObject* Sender);

    // Option controls: each marks the settings as changed.
    void CBMAGENTRY_ONLYClick(TObject* Sender);
    void editBoxChange(TObject* Sender);
    void cbFULL_DSVCClick(TObject* Sender);
    void cbReverseGstClick(TObject* Sender);
    void cbRestrPostingClick(TObject* Sender);
    void cmbRestrPostingChange(TObject* Sender);
    void RG_SrvChrClick(TObject* Sender);
    void EdTaxDescChange(TObject* Sender);
    // "Show Hints" buttons (main_hints.cpp).
    void HlpTaxBtnClick(TObject* Sender);
    void HlpSrvBtnClick(TObject* Sender);
    void TMedHlpBtnClick(TObject* Sender);
    void btnVoucherHintClick(TObject* Sender);
    void LocHlpBtnClick(TObject* Sender);
    // Tender lists and locator grid (main_lists.cpp).
    void TMedAddBtnClick(TObject* Sender);
    void TMedDelBtnClick(TObject* Sender);
    void btnVoucherAddClick(TObject* Sender);
    void btnVoucherDeleteClick(TObject* Sender);
    void LocAddBtnClick(TObject* Sender);
    void LocDelBtnClick(TObject* Sender);
    // The device file distribution (main_distribution.cpp).
    void BtnHeronSetupClick(TObject* Sender);
    // The copies of one run for that interface object, through CopySetupFile.
    DistributionResult DistributeFiles(int interfaceObjNum);
    // Copies HuxRootDir\etc\<relativeName> to destPath and logs the outcome
    // in the log window; true when the file was copied.
    bool CopySetupFile(const AnsiString& relativeName, const AnsiString& destPath);

    int VersionToNumber(const AnsiString& text);

private:
    AnsiString SettingsFile() const;
    // The start-up steps that FormShow runs.
    void StartUp();
    // Settings file (main_settings.cpp).
    void LoadSettingsIntoControls();
    // Column widths and header texts of the locator grid.
    void SetLocatorHeader();
    void WriteTaxKeys();
    // POS database (main_database.cpp).
    bool ConnectDatabase();
    void ReadPosVersion();
    // False when the stored procedure had to be created and that failed.
    bool CheckStoredProcedure();
    void ReadBaseDir();
    void ReadTaxSetup();
    void AddStatusLine(const AnsiString& line);
    void AddTender(TListBox* list, TListBox* other, const char* assignedElsewhere);
    void DeleteTender(TListBox* list);
};

extern TMainForm* MainForm;
