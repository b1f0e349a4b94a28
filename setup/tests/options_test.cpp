// The option controls of the main window as the installer uses them (clicks
// and typing through the window system), the hint window's pages and the
// manual button.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <fstream>

#include "form_steps.h"
#include "gui_helpers.h"
#include "setup_fixture.h"
#include "setup_run.h"

namespace {

using Strings = std::vector<std::string>;

void ClickControl(TWinControl* control) { SendMessageA(control->Handle(), BM_CLICK, 0, 0); }

void Type(TWinControl* edit, const std::string& text)
{
    for (char c : text)
        SendMessageA(edit->Handle(), WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 0);
}

// The installer picks an entry of a drop-down list: the list notifies its parent.
void ChooseEntry(TComboBox* box, int index)
{
    HWND list = box->Handle();
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(GetParent(list), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
}

struct OptionCase {
    const char* name;
    std::function<void(TMainForm*)> change;
};

TEST(Options, EveryOptionControlMarksTheSettingsAsChanged)
{
    StartedRun r;
    const OptionCase cases[] = {
        {"CBMAGENTRY_ONLY", [](TMainForm* m) { ClickControl(m->CBMAGENTRY_ONLY); }},
        {"edMagOnlyExclRvc", [](TMainForm* m) { Type(m->edMagOnlyExclRvc, "1"); }},
        {"cbFULL_DSVC", [](TMainForm* m) { ClickControl(m->cbFULL_DSVC); }},
        {"cbReverseGst", [](TMainForm* m) { ClickControl(m->cbReverseGst); }},
        {"cbRestrPosting", [](TMainForm* m) { ClickControl(m->cbRestrPosting); }},
        {"cbNewPostingFormat", [](TMainForm* m) { ClickControl(m->cbNewPostingFormat); }},
        {"cbEmpInfoInMsg", [](TMainForm* m) { ClickControl(m->cbEmpInfoInMsg); }},
        {"cbSuppressNFoRef", [](TMainForm* m) { ClickControl(m->cbSuppressNFoRef); }},
        {"RG_SrvChr",
         [](TMainForm* m) { SendMessageA(FindChild(m->RG_SrvChr->Handle(), "Button", "&Order Type"), BM_CLICK, 0, 0); }},
        {"EdTaxDesc", [](TMainForm* m) { Type(m->EdTaxDesc, "x"); }},
        {"EdAutoSvcDesc", [](TMainForm* m) { Type(m->EdAutoSvcDesc, "x"); }},
        {"cmbRestrPosting", [](TMainForm* m) { ChooseEntry(m->cmbRestrPosting, 1); }},
    };
    ASSERT_TRUE(r.m()->RG_SrvChr->Enabled());
    for (const OptionCase& c : cases) {
        SCOPED_TRACE(c.name);
        r.m()->SetupChanged = false;
        c.change(r.m());
        EXPECT_TRUE(r.m()->SetupChanged);
    }
    EXPECT_EQ(2, r.m()->RG_SrvChr->ItemIndex());
    EXPECT_EQ(1, r.m()->cmbRestrPosting->ItemIndex());
}

TEST(Options, AChosenRestrictedPostingOptionIsAskedAboutOnExitAndSaved)
{
    StartedRun r;
    ClickControl(r.m()->cbRestrPosting);
    r.m()->SaveBtn->Click();
    ASSERT_TRUE(HasLine(r.installation.IniLines(), "RESTR_POSTING_EMPL=0"));
    ChooseEntry(r.m()->cmbRestrPosting, 1);
    r.m()->ExitBtn->Click();  // answered OK: saved, then closed
    r.run.RunFor(200);
    ASSERT_EQ(1u, r.boxes.seen.size());
    EXPECT_EQ("Changes are not saved! Press [OK]\n\rto Save or press [Cancel ] to ignore\n\ryour changes.",
              r.boxes.seen[0].text);
    EXPECT_TRUE(r.run.Ended());
    EXPECT_TRUE(HasLine(r.installation.IniLines(), "RESTR_POSTING_EMPL=2"));
}

TEST(Options, TheBoxesSwitchTheirDependentControlsBothWays)
{
    StartedRun r;
    TMainForm* m = r.m();
    ASSERT_FALSE(m->CBMAGENTRY_ONLY->Checked());
    EXPECT_FALSE(m->edMagOnlyExclRvc->Enabled());
    EXPECT_FALSE(m->lblMagOnlyExclRvc->Enabled());
    ClickControl(m->CBMAGENTRY_ONLY);
    EXPECT_TRUE(IsWindowEnabled(m->edMagOnlyExclRvc->Handle()));
    EXPECT_TRUE(m->lblMagOnlyExclRvc->Enabled());
    Type(m->edMagOnlyExclRvc, "3,5");
    ClickControl(m->CBMAGENTRY_ONLY);
    EXPECT_FALSE(IsWindowEnabled(m->edMagOnlyExclRvc->Handle()));
    EXPECT_FALSE(m->lblMagOnlyExclRvc->Enabled());
    EXPECT_EQ("3,5", m->edMagOnlyExclRvc->Text());
    ClickControl(m->CBMAGENTRY_ONLY);  // ticked again: both enabled, the text as it was
    EXPECT_TRUE(IsWindowEnabled(m->edMagOnlyExclRvc->Handle()));
    EXPECT_TRUE(m->lblMagOnlyExclRvc->Enabled());
    EXPECT_EQ("3,5", m->edMagOnlyExclRvc->Text());
    ClickControl(m->CBMAGENTRY_ONLY);

    EXPECT_FALSE(IsWindowEnabled(m->cmbRestrPosting->Handle()));
    ClickControl(m->cbRestrPosting);
    EXPECT_TRUE(IsWindowEnabled(m->cmbRestrPosting->Handle()));
    EXPECT_TRUE(m->lblRestrPosting->Enabled());
    ClickControl(m->cbRestrPosting);
    EXPECT_FALSE(IsWindowEnabled(m->cmbRestrPosting->Handle()));
    EXPECT_FALSE(m->lblRestrPosting->Enabled());
    // A disabled control's value is saved as it stands.
    m->SaveBtn->Click();
    EXPECT_TRUE(HasLine(r.installation.IniLines(), "MAGCARDOVRWRT=3,5"));
}

TEST(Options, DescriptorsTakeSixteenCharacters)
{
    StartedRun r;
    for (TMaskEdit* edit : {r.m()->EdTaxDesc, r.m()->EdAutoSvcDesc}) {
        edit->SetText("");
        Type(edit, "ABCDEFGHIJKLMNOPQ");
        EXPECT_EQ("ABCDEFGHIJKLMNOP", edit->Text());
    }
    r.m()->SaveBtn->Click();
    EXPECT_TRUE(HasLine(r.installation.IniLines(), "TAX_DESC=ABCDEFGHIJKLMNOP"));
    EXPECT_TRUE(HasLine(r.installation.IniLines(), "AUTO_SVC_DESC=ABCDEFGHIJKLMNOP"));
}

// ---- Option check boxes and their keys ---------------------------------------

struct OptionKey {
    const char* section;
    const char* key;
};
const OptionKey kBoxKeys[] = {{"POSTING", "OTHER_OPTIONS"}, {"FEATURE", "MAGENTRY_ONLY"}, {"POSTING", "FULL_DSVC"},
                              {"POSTING", "REVERSEGST"},    {"POSTING", "SUPPRESSNFOREF"}};
const char* const kBoxes[] = {"cbNewPostingFormat", "cbEmpInfoInMsg", "cbRestrPosting", "cbSuppressNFoRef",
                              "CBMAGENTRY_ONLY",    "cbFULL_DSVC",    "cbReverseGst"};

struct BoxRow {
    const char* box;   // ticked alone; null for none
    const char* file;  // a settings file that ticks it alone
    Strings saved;     // the values of kBoxKeys saved with it ticked alone
};
const BoxRow kBoxRows[] = {
    {"cbNewPostingFormat", "[POSTING]\r\nOTHER_OPTIONS=1000000000\r\n", {"1000000000", "0", "0", "0", "0"}},
    {"cbEmpInfoInMsg", "[POSTING]\r\nOTHER_OPTIONS=0100000000\r\n", {"0100000000", "0", "0", "0", "0"}},
    {"cbRestrPosting", "[POSTING]\r\nOTHER_OPTIONS=0010000000\r\n", {"0010000000", "0", "0", "0", "0"}},
    {"cbSuppressNFoRef", "[POSTING]\r\nOTHER_OPTIONS=0001000000\r\n", {"0001000000", "0", "0", "0", "1"}},
    {"CBMAGENTRY_ONLY", "[FEATURE]\r\nMAGENTRY_ONLY=1\r\n", {"0000000000", "1", "0", "0", "0"}},
    {"cbFULL_DSVC", "[POSTING]\r\nFULL_DSVC=1\r\n", {"0000000000", "0", "1", "0", "0"}},
    {"cbReverseGst", "[POSTING]\r\nREVERSEGST=1\r\n", {"0000000000", "0", "0", "1", "0"}},
    // SUPPRESSNFOREF is written for the script, never read back.
    {nullptr, "[POSTING]\r\nSUPPRESSNFOREF=1\r\n", {"0000000000", "0", "0", "0", "0"}},
};

TCheckBox* Box(TMainForm* m, const char* name) { return static_cast<TCheckBox*>(m->FindComponent(name)); }

// Each box as "name=0" or "name=1".
Strings BoxStates(TMainForm* m)
{
    Strings states;
    for (const char* name : kBoxes)
        states.push_back(std::string(name) + (Box(m, name)->Checked() ? "=1" : "=0"));
    return states;
}

Strings ExpectedBoxStates(const char* ticked)
{
    Strings states;
    for (const char* name : kBoxes)
        states.push_back(std::string(name) + (ticked && std::string(name) == ticked ? "=1" : "=0"));
    return states;
}

std::string IniValue(const TestInstallation& installation, const OptionKey& k)
{
    char value[64] = "";
    GetPrivateProfileStringA(k.section, k.key, "(missing)", value, sizeof value, installation.IniPath().c_str());
    return value;
}

TEST(OptionKeys, AKeyAtOneLoadsIntoItsBoxAlone)
{
    for (const BoxRow& row : kBoxRows) {
        SCOPED_TRACE(row.file);
        TestInstallation installation;
        installation.WriteIni(row.file);
        BoxAnswerer boxes;
        SetupRun run;
        run.Start();
        EXPECT_EQ(ExpectedBoxStates(row.box), BoxStates(run.main));
    }
}

TEST(OptionKeys, ABoxTickedAloneSavesItsKeyAtOneAndTheOthersAtZero)
{
    StartedRun r;
    for (const BoxRow& row : kBoxRows) {
        SCOPED_TRACE(row.box ? row.box : "none");
        for (const char* name : kBoxes)
            Box(r.m(), name)->SetChecked(false);
        if (row.box)
            ClickControl(Box(r.m(), row.box));
        r.m()->SaveBtn->Click();
        Strings saved;
        for (const OptionKey& k : kBoxKeys)
            saved.push_back(IniValue(r.installation, k));
        EXPECT_EQ(row.saved, saved);
    }
}

// ---- A start-up that stops early ---------------------------------------------

// The tax keys as the file holds them.
Strings TaxLines(const TestInstallation& installation)
{
    Strings lines;
    for (const std::string& line : installation.IniLines())
        if (line.rfind("TAX", 0) == 0 && line.rfind("TAX_DESC", 0) != 0)
            lines.push_back(line);
    return lines;
}

TEST(Options, AStartUpThatStopsBeforeTheTaxSetUpKeepsTheStoredTaxKeys)
{
    TestInstallation installation;
    installation.WriteIni("[POSTING]\r\nTAX_OR_VAT=1\r\nTAXTYPE1=I\r\nTAXTYPE2=F\r\nTAXTYPE3=\r\n"
                          "REVERSEGST=1\r\nOTHER_OPTIONS=1111000000\r\n[FEATURE]\r\nMAGENTRY_ONLY=1\r\n");
    const Strings stored = TaxLines(installation);
    ASSERT_EQ(4u, stored.size());
    RunAsDba({"drop table corvane.rest_status"});  // the version query fails
    {
        BoxAnswerer boxes;
        SetupRun run;
        run.Start();
        ASSERT_EQ(1u, boxes.seen.size());  // the failed query's error
        ASSERT_FALSE(run.Ended());
        ASSERT_TRUE(run.main->cbReverseGst->Checked());
        EXPECT_FALSE(run.main->SetupChanged);
        const Strings before = installation.IniLines();
        run.main->ExitBtn->Click();  // nothing to ask
        run.RunFor(200);
        EXPECT_EQ(1u, boxes.seen.size());
        EXPECT_TRUE(run.Ended());
        EXPECT_EQ(before, installation.IniLines());
    }
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    run.main->SaveBtn->Click();
    EXPECT_TRUE(HasLine(installation.IniLines(), "REVERSEGST=1"));
    EXPECT_EQ(stored, TaxLines(installation));
}

struct HintPage {
    const char* button;
    const char* caption;
    const char* text;
};

const HintPage kHintPages[] = {
    {"HlpTaxBtn", "Tax/VAT Setup", "These values are read directly from HUX and are only displayed here."},
    {"HlpSrvBtn", "Serving Period / Cashier / Order Type Setup",
     "Select if the interface should send the active Serving Period Number, the Cashier Number that is linked to "
     "the Transaction Employee or the active Order Type. Please note that any changes in the setting might require "
     "addtional configuration on the FrontOffice Linkbox"},
    {"btnTmedHint", "RoomCharge Tender Media's",
     "Each Tender Media that should be send as a RoomCharge to the FrontOffice Linkbox needs to be entered here. "
     "All Tender Media's that are NOT listed here will NOT ask for any Room/Guest Information. In either case the "
     "Tender Media must be linked to the PMS that is used for the interface to the FrontOffice."},
    {"btnVoucherHint", "Voucher Tender Media's",
     "Each Tender Media that should be send as a Voucher to the FrontOffice Linkbox needs to be entered here. This "
     "feature is used with Lodgeline onlyand requires recent versions of both Lodgeline and Linkbox8. The Tender "
     "Media must be linked to the PMS that is used for the interface to the FrontOffice."},
    {"LocHlpBtn", "Locator Setup",
     "If you plan to enter Locators at the workstation you can create default values for the amount of minutes the "
     "Locator will be valid and for the first line of the Locator Information (Typically the name of the outlet). "
     "These values can be overwritten by the operator that enters the Locator information. This setup is not "
     "required for the interface to work."},
};

TEST(Hints, EachButtonShowsItsOwnPageInPlaceOfWhatWasShown)
{
    StartedRun r;
    for (const HintPage& page : kHintPages) {
        SCOPED_TRACE(page.button);
        HintBox->SetCaption("Distribution log");
        HintBox->reMemo->Lines().SetText("copied 12 files\r\nALL FILES COPIED.");
        std::string caption, text;
        LRESULT lines = 0;
        bool readOnly = false;
        FormSteps steps(HintBox, {[&] {
                            caption = WindowText(HintBox->Handle());
                            text = WindowText(HintBox->reMemo->Handle());
                            lines = SendMessageA(HintBox->reMemo->Handle(), EM_GETLINECOUNT, 0, 0);
                            readOnly = (GetWindowLongA(HintBox->reMemo->Handle(), GWL_STYLE) & ES_READONLY) != 0;
                            SaveScreenshot(HintBox->Handle(), std::string("setup_hint_") + page.button);
                            HintBox->BitBtn1->Click();
                        }});
        static_cast<TBitBtn*>(r.m()->FindComponent(page.button))->Click();
        EXPECT_EQ(1, steps.showings);
        EXPECT_EQ(page.caption, caption);
        EXPECT_EQ(page.text, text);
        EXPECT_TRUE(readOnly);
        // One paragraph, wrapped at the window's width.
        EXPECT_GT(lines, 1);
    }
    EXPECT_FALSE(r.m()->SetupChanged);
}

// ---- The manual ----------------------------------------------------------------

const char* const kPdfClass = "Software\\Classes\\.pdf";

// The PDF association of the machine, replaced for a test and put back.
class ManualButton : public testing::Test {
protected:
    void SetUp() override
    {
        char value[256] = "";
        DWORD size = sizeof value;
        hadAssociation_ = RegGetValueA(HKEY_LOCAL_MACHINE, kPdfClass, nullptr, RRF_RT_REG_SZ, nullptr, value,
                                       &size) == ERROR_SUCCESS;
        saved_ = value;
    }
    void TearDown() override
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Classes\\RiloTestPdf");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kPdfClass);
        if (hadAssociation_)
            RegSetValueA(HKEY_LOCAL_MACHINE, kPdfClass, REG_SZ, saved_.c_str(), static_cast<DWORD>(saved_.size()));
    }
    // PDF files open with this command, or with nothing when it is empty.
    static void Associate(const std::string& command)
    {
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kPdfClass);
        RegSetValueA(HKEY_LOCAL_MACHINE, kPdfClass, REG_SZ, "RiloTestPdf", 11);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Classes\\RiloTestPdf");
        if (command.empty())
            RegSetValueA(HKEY_LOCAL_MACHINE, "Software\\Classes\\RiloTestPdf", REG_SZ, "no program", 10);
        else
            RegSetValueA(HKEY_LOCAL_MACHINE, "Software\\Classes\\RiloTestPdf\\shell\\open\\command", REG_SZ,
                         command.c_str(), static_cast<DWORD>(command.size()));
    }
    static void PutManual(const TestInstallation& installation)
    {
        std::ofstream(installation.Root() + "\\ETC\\pvo_fo_rilo.pdf") << "%PDF-1.4\n";
    }

private:
    bool hadAssociation_ = false;
    std::string saved_;
};

TEST_F(ManualButton, WithoutTheManualTheInstallerIsTold)
{
    StartedRun r;
    r.m()->BitBtn1->Click();
    ASSERT_EQ(1u, r.boxes.seen.size());
    EXPECT_EQ("Error", r.boxes.seen[0].caption);
    EXPECT_EQ("pvo_fo_rilo.pdf not found", r.boxes.seen[0].text);
    EXPECT_EQ(Strings{"OK"}, r.boxes.seen[0].buttons);
}

TEST_F(ManualButton, TheManualOpensWithTheProgramForPdfFiles)
{
    StartedRun r;
    PutManual(r.installation);
    const std::string opened = r.installation.Root() + "\\opened.pdf";
    Associate("C:\\windows\\system32\\cmd.exe /c copy \"%1\" \"" + opened + "\"");
    r.m()->BitBtn1->Click();
    for (int i = 0; i < 500 && GetFileAttributesA(opened.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) {
        Pump();
        Sleep(20);
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(opened.c_str()));
    EXPECT_TRUE(r.boxes.seen.empty());
}

TEST_F(ManualButton, OtherShellFailuresShowNothing)
{
    StartedRun r;
    PutManual(r.installation);
    Associate("");
    const std::string folder = r.installation.Root() + "\\etc";
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, "open", "pvo_fo_rilo.pdf", "", folder.c_str(), SW_SHOW));
    ASSERT_LE(result, 32);
    ASSERT_NE(ERROR_FILE_NOT_FOUND, result);
    r.m()->BitBtn1->Click();
    EXPECT_TRUE(r.boxes.seen.empty());
}

}  // namespace
