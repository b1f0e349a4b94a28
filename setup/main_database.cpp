// The main window and the POS database: connection, version, distribution
// base folder, the prorating stored procedure and the tax set-up.
#include "Main.h"
#include "pos_version.h"
#include "registry.h"
#include "tax_setup.h"

namespace {

const char* const kProcedureName = "sp_PvoFo_DoProrate";
const char* const kGrantStatement = "grant EXECUTE on tarvel.sp_PvoFo_DoProrate TO PUBLIC";
const char* const kCreateStatement[] = {
    "create procedure tarvel.sp_PvoFo_DoProrate(in fSales_TTL real,in fTender_TTL real,in fItemizer_in_TTL "
    "real,out fItemizer_out_TTL real,inout error integer)",
    "begin",
    "   if(fSales_TTL = 0.0) then",
    "    select fItemizer_in_TTL into fItemizer_out_TTL",
    "  else",
    "    select fItemizer_in_TTL*(fTender_TTL/fSales_TTL) into fItemizer_out_TTL",
    "  end if;",
    "  if sqlcode <> 0 then",
    "    set error=sqlcode;",
    "    rollback work",
    "  else",
    "    set error=0",
    "  end if",
    "end",
};
const char* const kDplConfigKey = "\\Software\\Corvane\\DPL\\Config";
const char* const kBaseDirTooLong = "The folder of 'BaseDir' is longer than 259 characters";

void SetStatement(TQuery* query, const std::vector<AnsiString>& lines)
{
    query->Close();
    query->SQL.Assign(lines);
}

void ShowFailure(const AnsiString& where, const std::exception& e)
{
    MessageDlg(where + "\r\n" + e.what(), mtError, mbOK);
}

}  // namespace

int TMainForm::VersionToNumber(const AnsiString& text) { return ::VersionToNumber(text); }

void TMainForm::AddStatusLine(const AnsiString& line) { SetupMemo->Lines().Add(line); }

bool TMainForm::ConnectDatabase()
{
    try {
        corvane_DB->Open();
        return true;
    } catch (const std::exception& e) {
        MessageDlg("Unable to connect to Database (AliasName: " + corvane_DB->AliasName + ") :\r\n" + e.what(),
                   mtError, mbOK);
        return false;
    }
}

void TMainForm::ReadPosVersion()
{
    VersionQry->Open();
    const AnsiString versionText = VersionQry->FieldByName("CORVANE_VERSION_NUM").AsString();
    VersionQry->Close();
    FPosVersion = PosVersionOf(versionText);

    const bool choosable = FPosVersion >= kVersionServiceChargeChoice;
    if (!choosable)
        RG_SrvChr->SetItemIndex(1);
    RG_SrvChr->SetEnabled(choosable);
    HlpSrvBtn->SetEnabled(choosable);
}

void TMainForm::ReadBaseDir()
{
    FDplBaseDir.clear();
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    if (registry.OpenKeyReadOnly(kDplConfigKey)) {
        const AnsiString baseDir = registry.ReadString("BaseDir");
        registry.CloseKey();
        // Nothing can be copied under a folder longer than the platform's
        // paths: an unusable value, as one of the wrong kind is.
        if (baseDir.size() >= MAX_PATH)
            throw Exception(kBaseDirTooLong);
        FDplBaseDir = baseDir;
    }
}

bool TMainForm::CheckStoredProcedure()
{
    bool success = true;
    try {
        SetStatement(SpQuerry, {"select * from SYS.SYSPROCEDURE where proc_name = " + QuotedStr(kProcedureName)});
        SpQuerry->Open();
        if (!SpQuerry->Eof()) {
            AddStatusLine("Siskin Stored Procedure verified");
            return true;
        }
        SetStatement(SpQuerry, std::vector<AnsiString>(std::begin(kCreateStatement), std::end(kCreateStatement)));
        try {
            SpQuerry->ExecSQL();
            AddStatusLine("Siskin Stored Procedure created");
        } catch (const std::exception& e) {
            success = false;
            ShowFailure("[Exception in SpQuerry.ExecSQL (1)]", e);
        }
        if (success) {
            SetStatement(SpQuerry, {kGrantStatement});
            try {
                SpQuerry->ExecSQL();
                AddStatusLine("Siskin Stored Procedure EXECUTE granted");
            } catch (const std::exception& e) {
                success = false;
                ShowFailure("[Exception in SpQuerry.ExecSQL (2)]", e);
            }
        }
        SpQuerry->Close();
    } catch (const std::exception& e) {
        ShowFailure("[Exception in SpQuerry.Open]", e);
    }
    return success;
}

void TMainForm::ReadTaxSetup()
{
    SetStatement(TaxQry, {"select ob_rvc009_us_tax from corvane.rest_def"});
    TaxQry->Open();
    TaxQry->First();
    const bool addOn = TaxQry->FieldByName("ob_rvc009_us_tax").AsBoolean();
    TaxIsVat = !addOn;
    EdTaxDesc->SetEnabled(addOn);
    LbTaxDesc->SetEnabled(addOn);
    LbTaxType->SetCaption(TaxKindSentence(TaxIsVat));

    SetStatement(TaxQry, {"select tax_rate_seq, name, type from corvane.tax_rate_def"});
    TaxQry->Open();
    TaxQry->First();
    SGTaxes->SetColWidths(0, 20);
    SGTaxes->SetColWidths(1, 100);
    SGTaxes->SetColWidths(2, 100);
    SGTaxes->SetCells(0, 0, "#");
    SGTaxes->SetCells(1, 0, "Name");
    SGTaxes->SetCells(2, 0, "Type");
    TaxRates rates;
    rates.types = TaxTypes;
    while (!TaxQry->Eof()) {
        AddTaxRate(rates, TaxQry->FieldByName("tax_rate_seq").AsInteger(), Trim(TaxQry->FieldByName("name").AsString()),
                   TaxQry->FieldByName("type").AsString());
        TaxQry->Next();
    }
    TaxTypes = rates.types;
    for (int row = 1; row < 9; ++row) {
        const TaxGridRow& r = rates.grid[static_cast<size_t>(row)];
        if (r.seq.empty())
            continue;
        SGTaxes->SetCells(0, row, r.seq);
        SGTaxes->SetCells(1, row, r.name);
        SGTaxes->SetCells(2, row, r.label);
    }
    TaxQry->Close();
}
