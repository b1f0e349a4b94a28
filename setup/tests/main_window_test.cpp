// The main window once started: the tax set-up, the base folder, the
// settings file as loaded and saved, leaving, the clock, and its looks.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "date_time.h"
#include "demo_settings.h"
#include "registry.h"
#include "sequence.h"
#include "setup_fixture.h"
#include "setup_run.h"

namespace {


TEST(TaxSetup, RatesOfEveryKindAndRatesOutsideTheGrid)
{
    TestInstallation installation;
    RunAsDba({"delete from corvane.tax_rate_def",
              "insert into corvane.tax_rate_def values (1, 'Sales Tax', 'P', 6), (2, '  VAT  ', 'i', 19), "
              "(12, 'Other', 'B', 1), (3, 'Odd', 'X', 2), (4, '', 'F', 3), (5, 'No Type', NULL, 0)"});
    SetupRun run;
    run.Start();
    TStringGrid* grid = run.main->SGTaxes;
    EXPECT_EQ((std::vector<std::string>{"#", "Name", "Type"}), GridRow(grid, 0));
    EXPECT_EQ((std::vector<std::string>{"1", "Sales Tax", "Add-On"}), GridRow(grid, 1));
    EXPECT_EQ((std::vector<std::string>{"2", "VAT", "Inclusive"}), GridRow(grid, 2));
    EXPECT_EQ((std::vector<std::string>{"3", "Odd", "Unknown"}), GridRow(grid, 3));
    EXPECT_EQ((std::vector<std::string>{"", "", ""}), GridRow(grid, 4));  // a letter but no name
    EXPECT_EQ((std::vector<std::string>{"5", "No Type", "Unknown"}), GridRow(grid, 5));
    for (int row = 6; row <= 8; ++row)
        EXPECT_EQ((std::vector<std::string>{"", "", ""}), GridRow(grid, row)) << row;
    EXPECT_EQ(20, grid->ColWidths(0));
    EXPECT_EQ(100, grid->ColWidths(1));
    EXPECT_EQ(100, grid->ColWidths(2));
    const auto lines = installation.IniLines();
    for (const char* line : {"TAXTYPE1=P", "TAXTYPE2=I", "TAXTYPE3=X", "TAXTYPE4=F", "TAXTYPE5=", "TAXTYPE8="})
        EXPECT_TRUE(HasLine(lines, line)) << line;
    EXPECT_EQ("System uses Add-On Tax", run.main->LbTaxType->Caption());
    EXPECT_TRUE(run.main->EdTaxDesc->Enabled());
    EXPECT_TRUE(run.main->LbTaxDesc->Enabled());
}

TEST(TaxSetup, WithoutRestaurantRowsThePosUsesVat)
{
    TestInstallation installation;
    RunAsDba({"delete from corvane.rest_def"});
    SetupRun run;
    run.Start();
    EXPECT_TRUE(run.main->TaxIsVat);
    EXPECT_EQ("System uses VAT (Value Added Tax)", run.main->LbTaxType->Caption());
    EXPECT_FALSE(run.main->EdTaxDesc->Enabled());
    EXPECT_FALSE(run.main->LbTaxDesc->Enabled());
    EXPECT_TRUE(HasLine(installation.IniLines(), "TAX_OR_VAT=1"));
}

// The distribution's base folder in the registry, put back as it was.
class BaseDirValue {
public:
    BaseDirValue(DWORD type, const void* data, DWORD size)
    {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Corvane\\DPL\\Config", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key_, nullptr);
        RegSetValueExA(key_, "BaseDir", 0, type, static_cast<const BYTE*>(data), size);
    }
    ~BaseDirValue()
    {
        RegDeleteValueA(key_, "BaseDir");
        RegCloseKey(key_);
    }

private:
    HKEY key_ = nullptr;
};

TEST(BaseDir, TextAndExpandableTextAreTakenAsStored)
{
    TestInstallation installation;
    {
        const char text[] = "D:\\DPL";
        BaseDirValue value(REG_SZ, text, sizeof text);
        SetupRun run;
        run.Start();
        EXPECT_EQ("D:\\DPL", run.main->FDplBaseDir);
    }
    {
        const char text[] = "%SystemRoot%\\DPL";
        BaseDirValue value(REG_EXPAND_SZ, text, sizeof text);
        SetupRun run;
        run.Start();
        EXPECT_EQ("%SystemRoot%\\DPL", run.main->FDplBaseDir);
    }
    {
        // Read only from version 320 on.
        RunAsDba({"update corvane.rest_status set CORVANE_VERSION_NUM = '3.1'"});
        const char text[] = "D:\\DPL";
        BaseDirValue value(REG_SZ, text, sizeof text);
        SetupRun run;
        run.Start();
        EXPECT_EQ("", run.main->FDplBaseDir);
    }
}

TEST(BaseDir, ANumberStopsTheStartUpWithTheStandardBox)
{
    TestInstallation installation;
    const DWORD number = 7;
    BaseDirValue value(REG_DWORD, &number, sizeof number);
    BoxAnswerer boxes;
    SetupRun run("/install");
    run.Start();
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("Zenta Pellisto Rilo Setup", boxes.seen[0].caption);
    EXPECT_NE(std::string::npos, boxes.seen[0].text.find("Invalid data type for 'BaseDir'")) << boxes.seen[0].text;
    // The remaining steps did not run: no procedure, no tax keys, no save;
    // the unattended installation ends, telling why.
    EXPECT_TRUE(run.MemoLines().empty());
    EXPECT_TRUE(installation.IniLines().empty());
    EXPECT_EQ(0, run.main->saves);
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(kExitDatabaseStepFailed, run.main->FExitCode);
}

TEST(StartUpFailures, ADatabaseThatDisappearsGivesTheStandardBoxAndEndsTheInstallation)
{
    TestInstallation installation;
    BoxAnswerer boxes;
    SetupRun run("/install");  // the locator picker has opened the connection
    const char* work = getenv("RILO_POSDB_WORK_DB");
    ASSERT_NE(nullptr, work);
    ASSERT_TRUE(DeleteFileA((std::string("Z:") + work).c_str()));
    run.Start();
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("Zenta Pellisto Rilo Setup", boxes.seen[0].caption);
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(kExitDatabaseStepFailed, run.main->FExitCode);
    EXPECT_EQ(0, run.main->saves);
    EXPECT_EQ(0, run.main->FPosVersion);
}

TEST(StartUpFailures, AMissingEtcFolderStopsAtTheTaxKeys)
{
    TestInstallation installation;
    RemoveDirectoryA((installation.Root() + "\\ETC").c_str());
    BoxAnswerer boxes;
    SetupRun run("/install");
    run.Start();
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("Unable to write to " + installation.IniPath() + ".", boxes.seen[0].text);
    EXPECT_EQ(0, run.main->saves);
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(kExitSettingsNotWritten, run.main->FExitCode);
    // The database steps before it ran.
    EXPECT_EQ(2u, run.MemoLines().size());
}

const char* const kWorkedFile =
    "; kept by hand\r\n"
    "[POSTING]\r\n"
    "OTHER_OPTIONS=1010000001\r\n"
    "ROOMCHRG_TMD=3, 12,7\r\n"
    "VOUCHER_TMD=\"5\"\r\n"
    "SRV_OR_CHR=5\r\n"
    "UNKNOWN_KEY=stays\r\n"
    "[DESCRIPTOR]\r\n"
    "TAX_DESC=\r\n"
    "[COMMON]\r\n"
    "RESTR_POSTING_EMPL=3\r\n"
    "[LOCATOR]\r\n"
    "RVCS=10,20,,30,\r\n"
    "DTL1=15,Restaurant\r\n"
    "DTL2=5,Bar\r\n"
    "DTL3=30,Pool Bar And Grill Terrace\r\n"
    "DTL9=old\r\n"
    "[SCRIPT]\r\n"
    "VERSION=7";  // no line break at the end

TEST(SettingsFile, WorkedValuesLoadAndSaveBack)
{
    TestInstallation installation;
    installation.WriteIni(kWorkedFile);
    SetupRun run;
    run.Start();
    TMainForm* m = run.main;
    EXPECT_TRUE(m->cbNewPostingFormat->Checked());
    EXPECT_FALSE(m->cbEmpInfoInMsg->Checked());
    EXPECT_TRUE(m->cbRestrPosting->Checked());
    EXPECT_FALSE(m->cbSuppressNFoRef->Checked());
    EXPECT_TRUE(m->cmbRestrPosting->Enabled());
    EXPECT_FALSE(m->edMagOnlyExclRvc->Enabled());
    EXPECT_EQ(2, m->RG_SrvChr->ItemIndex());
    EXPECT_EQ(2, m->cmbRestrPosting->ItemIndex());
    EXPECT_EQ("", m->EdTaxDesc->Text());
    EXPECT_EQ("Auto SVC:", m->EdAutoSvcDesc->Text());
    ASSERT_EQ(3, m->TmedListBox->Items().Count());
    EXPECT_EQ("12", m->TmedListBox->Items().Strings(0));  // sorted as text
    EXPECT_EQ("3", m->TmedListBox->Items().Strings(1));
    EXPECT_EQ("7", m->TmedListBox->Items().Strings(2));
    EXPECT_EQ(4, m->LocStringGrid->RowCount());
    EXPECT_EQ((std::vector<std::string>{"RVC#", "RVC Name", "Min."}), GridRow(m->LocStringGrid, 0));
    EXPECT_EQ((std::vector<std::string>{"30", "Pool Bar And Gri", "30"}), GridRow(m->LocStringGrid, 3));
    EXPECT_EQ(150, m->LocStringGrid->ColWidths(1));
    EXPECT_FALSE(m->SetupChanged);

    for (TCheckBox* box : {m->cbNewPostingFormat, m->cbRestrPosting})
        box->SetChecked(false);
    m->SaveBtnClick(m);
    const auto lines = installation.IniLines();
    for (const char* line :
         {"OTHER_OPTIONS=0000000001", "ROOMCHRG_TMD=12,3,7", "VOUCHER_TMD=5", "SRV_OR_CHR=2", "UNKNOWN_KEY=stays",
          "TAX_DESC=", "RESTR_POSTING_EMPL=3", "RVCS=10,20,30,", "DTL1=15,Restaurant", "DTL2=5,Bar",
          "DTL3=30,Pool Bar And Gri", "DTL9=old", "; kept by hand", "[SCRIPT]", "VERSION=7"})
        EXPECT_TRUE(HasLine(lines, line)) << line;
    EXPECT_FALSE(m->SetupChanged);
}

TEST(SettingsFile, UnreadableContentLoadsAndSavesWithoutLosingKeys)
{
    TestInstallation installation;
    std::string garbage = "[POSTING]\r\nOTHER_OPTIONS=";
    garbage += std::string(3000, '1');
    garbage += "\r\nREVERSEGST=1\r\nREVERSEGST=0\r\n[POSTING]\r\nFULL_DSVC=1\r\n";
    for (int i = 1; i < 256; ++i)
        garbage += static_cast<char>(i == '\n' || i == '\r' || i == '[' || i == '=' ? 'x' : i);
    garbage += "\r\n[KEEP]\r\nMINE=\x01\x7f\xfe\r\nLONG=" + std::string(5000, 'L');
    installation.WriteIni(garbage);
    BoxAnswerer boxes;
    SetupRun run("/install");
    run.Start();
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(2047u, run.main->FOtherOptions.size());  // cut by the private-profile functions
    EXPECT_TRUE(run.main->cbReverseGst->Checked());    // the first of the duplicates
    std::ifstream in(installation.IniPath(), std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, saved.find("MINE=\x01\x7f\xfe"));
    EXPECT_NE(std::string::npos, saved.find("LONG=" + std::string(5000, 'L')));
    EXPECT_NE(std::string::npos, saved.find("TAXTYPE1=P"));
    EXPECT_NE(std::string::npos, saved.find("RVCS="));
}

TEST(Leaving, ExitWithoutChangesAsksNothing)
{
    TestInstallation installation;
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    run.main->ExitBtn->Click();
    run.RunFor(200);
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_TRUE(run.Ended());
    EXPECT_FALSE(run.main->corvane_DB->Connected());
}

TEST(Leaving, ExitAfterAChangeAnsweredCancelKeepsTheFile)
{
    TestInstallation installation;
    BoxAnswerer boxes({"Cancel"});
    SetupRun run;
    run.Start();
    const auto before = installation.IniLines();
    run.main->cbReverseGst->SetChecked(true);
    run.main->cbReverseGst->SetChecked(false);  // back again: still a change
    EXPECT_TRUE(run.main->SetupChanged);
    run.main->ExitBtn->Click();
    run.RunFor(200);
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("Confirm", boxes.seen[0].caption);
    EXPECT_EQ("Changes are not saved! Press [OK]\n\rto Save or press [Cancel ] to ignore\n\ryour changes.",
              boxes.seen[0].text);
    EXPECT_EQ((std::vector<std::string>{"OK", "Cancel"}), boxes.seen[0].buttons);
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(0, run.main->saves);
    EXPECT_EQ(before, installation.IniLines());
}

TEST(Leaving, ExitAfterAChangeAnsweredOkSavesFirst)
{
    TestInstallation installation;
    BoxAnswerer boxes({"OK"});
    SetupRun run;
    run.Start();
    run.main->cbFULL_DSVC->SetChecked(true);
    run.main->ExitBtn->Click();
    run.RunFor(200);
    EXPECT_EQ(1u, boxes.seen.size());
    EXPECT_EQ(1, run.main->saves);
    EXPECT_TRUE(run.Ended());
    EXPECT_TRUE(HasLine(installation.IniLines(), "FULL_DSVC=1"));
}

TEST(Leaving, ExitAnsweredOkWhileTheFileCannotBeWrittenKeepsTheWindow)
{
    TestInstallation installation;
    BoxAnswerer boxes({"OK", "OK"});
    SetupRun run;
    run.Start();
    run.main->cbFULL_DSVC->SetChecked(true);
    SetFileAttributesA(installation.IniPath().c_str(), FILE_ATTRIBUTE_READONLY);
    run.main->ExitBtn->Click();
    run.RunFor(200);
    ASSERT_EQ(2u, boxes.seen.size());
    EXPECT_EQ("Unable to write to " + installation.IniPath() + ".", boxes.seen[1].text);
    EXPECT_FALSE(run.Ended());
    EXPECT_TRUE(IsWindowVisible(run.main->Handle()));
    EXPECT_TRUE(run.main->SetupChanged);
    EXPECT_TRUE(run.main->corvane_DB->Connected());
}

TEST(Leaving, ClosingByTheFrameAsksNothingAndSavesNothing)
{
    TestInstallation installation;
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    const auto before = installation.IniLines();
    run.main->cbReverseGst->SetChecked(true);
    PostMessageA(run.main->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    run.RunFor(500);
    EXPECT_TRUE(boxes.seen.empty());
    EXPECT_TRUE(run.Ended());
    EXPECT_EQ(0, run.main->saves);
    EXPECT_EQ(before, installation.IniLines());
    EXPECT_FALSE(run.main->corvane_DB->Connected());
}

// The user's date and time separators, put back as they were.
class Separators {
public:
    Separators(const char* date, const char* time)
    {
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, date_, sizeof date_);
        GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, time_, sizeof time_);
        SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, date);
        SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, time);
    }
    ~Separators()
    {
        SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, date_);
        SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, time_);
    }

private:
    char date_[8] = "", time_[8] = "";
};

// The moment the clock is read at, set by the test.
SYSTEMTIME g_moment = {};
SYSTEMTIME Moment() { return g_moment; }

TEST(Clock, DayBeforeMonthEveryHalfSecondWithTheSystemsSeparators)
{
    TestInstallation installation;
    SetupRun run;
    run.Start();
    // Running from the window's creation, every 500 ms.
    EXPECT_TRUE(run.main->Timer1->Enabled());
    EXPECT_EQ(500u, run.main->Timer1->Interval());
    struct Tick {
        const char* dateSeparator;
        const char* timeSeparator;
        SYSTEMTIME moment;  // year, month, day of week, day, hour, minute, second, ms
        const char* shown;
    };
    const Tick ticks[] = {
        {"/", ":", {2026, 12, 2, 8, 6, 12, 7, 0}, "08.12.2026 / 06:12:07"},
        {".", ":", {2026, 12, 2, 8, 6, 12, 7, 0}, "08.12.2026 . 06:12:07"},
        {"-", ".", {2027, 2, 1, 1, 23, 5, 9, 999}, "01.02.2027 - 23.05.09"},
        {"/", ":", {987, 11, 0, 30, 0, 0, 0, 0}, "30.11.0987 / 00:00:00"},
    };
    const auto savedClock = LocalClock;
    LocalClock = &Moment;
    for (const Tick& tick : ticks) {
        Separators separators(tick.dateSeparator, tick.timeSeparator);
        g_moment = tick.moment;
        run.main->Timer1->OnTimer(run.main->Timer1);
        EXPECT_EQ(tick.shown, run.StatusText(1));
    }
    LocalClock = savedClock;
}

// ---- Every control where its form's layout puts it ----------------------------

constexpr int kAny = -999;  // a measure the layout leaves to the platform

struct Placed {
    const char* name;
    const char* caption;  // window text, or a label's caption; nullptr: any
    int left, top, width, height;
    int tab;               // place among its windowed siblings; kAny for a label
    const char* font = nullptr;  // "face height" and " bold" as the window's font says
};

// The window's font as the platform reports it.
std::string FontOf(HWND window)
{
    LOGFONTA font = {};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return std::string(font.lfFaceName) + " " + std::to_string(font.lfHeight) +
           (font.lfWeight >= FW_BOLD ? " bold" : "");
}

int TabPlace(HWND window)
{
    int place = 0;
    for (HWND w = GetWindow(GetParent(window), GW_CHILD); w && w != window; w = GetWindow(w, GW_HWNDNEXT))
        ++place;
    return place;
}

// One row as the platform shows it, with the measures the row leaves open as "*".
std::string Shown(TForm* form, const Placed& row)
{
    auto* control = dynamic_cast<TControl*>(form->FindComponent(row.name));
    if (!control)
        return std::string(row.name) + " missing";
    auto measure = [](int expected, int actual) { return expected == kAny ? "*" : std::to_string(actual); };
    std::string caption = control->Caption(), font;
    int left = control->Left(), top = control->Top(), width = control->Width(), height = control->Height(), tab = 0;
    if (HWND window = control->Handle()) {
        caption = WindowText(window);
        const RECT r = ChildRect(window);
        left = r.left, top = r.top, width = r.right - r.left, height = r.bottom - r.top;
        tab = TabPlace(window);
    }
    if (HWND window = control->Handle(); window && SendMessageA(window, WM_GETFONT, 0, 0)) {
        font = FontOf(window);
    } else {
        // A label, or a container that paints its own caption: the font it was given.
        const TFont& f = control->Font();
        font = f.Name() + " " + std::to_string(f.Height()) + (f.Style() & fsBold ? " bold" : "");
    }
    // A row that names a face alone leaves the height to the platform.
    if (row.font && !std::strpbrk(row.font, "0123456789"))
        font = font.substr(0, font.find(' ', font.find_first_of("-0123456789") - 1));
    return std::string(row.name) + " '" + (row.caption ? caption : "*") + "' " + measure(row.left, left) + "," +
           measure(row.top, top) + " " + measure(row.width, width) + "x" + measure(row.height, height) + " tab " +
           measure(row.tab, tab) + " " + (row.font ? font : "*");
}

std::string Expected(const Placed& row)
{
    auto measure = [](int v) { return v == kAny ? "*" : std::to_string(v); };
    return std::string(row.name) + " '" + (row.caption ? row.caption : "*") + "' " + measure(row.left) + "," +
           measure(row.top) + " " + measure(row.width) + "x" + measure(row.height) + " tab " + measure(row.tab) +
           " " + (row.font ? row.font : "*");
}

void ExpectPlaced(TForm* form, const std::vector<Placed>& rows)
{
    std::vector<std::string> expected, shown;
    for (const Placed& row : rows) {
        expected.push_back(Expected(row));
        shown.push_back(Shown(form, row));
    }
    EXPECT_TRUE(SameSequence(expected, shown)) << form->Name();
}

TEST(Looks, EveryControlWhereItsLayoutPutsIt)
{
    StartedRun r;
    TMainForm* m = r.m();
    const int X = kAny;
    ExpectPlaced(m, {
        {"BitBtn1", "Setup &Manual", 98, 4, 150, 25, X},
        {"SaveBtn", "&Save Setup", 258, 4, 150, 25, X},
        {"ExitBtn", "E&xit", 422, 4, 150, 25, X},
        {"FeatureGBox", "&Features", X, X, X, 217, X},
        {"CBMAGENTRY_ONLY", "Allow  ONLY Magnetic-Card Entry for RoomCharge", X, X, X, X, X},
        {"lblMagOnlyExclRvc", "Excl. RVC Numbers (separated by comma) :", X, X, X, X, X},
        {"edMagOnlyExclRvc", nullptr, X, X, X, X, X, "Courier New -12"},
        {"cbFULL_DSVC", "Full Discount and Service Charge breakdown", X, X, X, X, X},
        {"cbReverseGst", "Negative Guest Count if Payment negative", X, X, X, X, X},
        {"cbRestrPosting", "Enable Restricted Posting", X, X, X, X, X},
        {"lblRestrPosting", "Specify Employee Option to use::", X, X, X, X, X},
        {"cbNewPostingFormat", "Use New Posting Format (Linkbox8 V.8.7.4.0 or higher)", X, X, X, X, X},
        {"cbEmpInfoInMsg", "Include Empl.Number in Guest-Message", X, X, X, X, X},
        {"cbSuppressNFoRef", "Suppress References of non-Roomcharge Tenders", X, X, X, X, X},
        {"PnlOptions", nullptr, X, X, X, 75, X},
        {"GroupBox1", "Descriptors", 0, X, X, X, X},
        {"EdTaxDesc", nullptr, X, X, X, X, X, "Courier New -12"},
        {"EdAutoSvcDesc", nullptr, X, X, X, X, X, "Courier New -12"},
        {"RG_SrvChr", "Serving Period / Cashier / Order-Type Setup", X, X, X, X, X},
        {"HlpSrvBtn", "Show Hints", X, X, X, X, X},
        {"GbDPL", "Setup", X, X, X, 149, X},
        {"SetupMemo", nullptr, X, X, X, X, X, "Courier New"},
        {"BtnHeronSetup", "System Setup", X, X, X, X, X},
        {"PnlSetup", nullptr, X, 0, X, 167, X},
        {"gbTmed", "RoomCharge Tender Media's", 0, X, 257, X, 0},
        {"TmedListBox", nullptr, 8, 16, 121, 120, 0},
        {"btnTmedAdd", "Add", 8, 138, 80, 25, 1},
        {"btnTmedDelete", "Delete", 90, 138, 80, 25, 2},
        {"btnTmedHint", "Show Hints", 172, 138, 80, 25, 3},
        {"gbVoucher", "Voucher Tender Media's / Lodgeline only", 257, X, 257, X, 1},
        {"VoucherListBox", nullptr, 8, 16, 121, 120, 0},
        {"btnVoucherAdd", "Add", 8, 138, 80, 25, 1},
        {"btnVoucherDelete", "Delete", 90, 138, 80, 25, 2},
        {"btnVoucherHint", "Show Hints", 172, 138, 80, 25, 3},
        {"GBTax", "Tax / VAT Setup", 0, X, 352, X, X, "MS Sans Serif -11"},
        {"LbTaxType", nullptr, 8, 14, X, X, X},
        {"SGTaxes", nullptr, 8, 28, 241, 148, X},
        {"HlpTaxBtn", "Show Hints", 252, 29, 90, 25, X},
        {"RVCGBox", "Locator Setup", X, 0, X, 169, X},
        {"LocStringGrid", nullptr, 8, 16, 265, 120, 0},
        {"LocAddBtn", "Add/Modify", 8, 138, 80, 25, 1},
        {"LocDelBtn", "Delete", 91, 138, 80, 25, 2},
        {"LocHlpBtn", "Show Hints", 174, 138, 80, 25, 3},
    });
    // The tabs, the choices and the status bar's panels.
    std::vector<std::string> tabs;
    for (int i = 0; i < TabCtrl_GetItemCount(m->PageControl1->Handle()); ++i) {
        char text[64] = "";
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        TabCtrl_GetItem(m->PageControl1->Handle(), i, &item);
        tabs.push_back(text);
    }
    EXPECT_TRUE(SameSequence({"Options, Features, Setup", "Tender/Media's", "Locator Setup"}, tabs));
    for (const char* choice : {"Serving &Period", "&Cashier", "&Order Type"})
        EXPECT_NE(nullptr, FindChild(m->RG_SrvChr->Handle(), "Button", choice)) << choice;
    std::vector<std::string> entries;
    for (int i = 0; i < SendMessageA(m->cmbRestrPosting->Handle(), CB_GETCOUNT, 0, 0); ++i) {
        char text[64] = "";
        SendMessageA(m->cmbRestrPosting->Handle(), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    EXPECT_TRUE(SameSequence({"QUB privilege 1", "QUB privilege 2", "QUB privilege 3", "QUB privilege 4"}, entries));
    int edges[2] = {};
    ASSERT_EQ(2, SendMessageA(m->StatusBar1->Handle(), SB_GETPARTS, 2, reinterpret_cast<LPARAM>(edges)));
    EXPECT_EQ(420, edges[0]);  // the clock's panel runs to the bar's end

    // The secondary forms, before their first use.
    EXPECT_EQ("Dialog", WindowText(HintBox->Handle()));
    RECT client;
    GetClientRect(HintBox->Handle(), &client);
    EXPECT_EQ(353, client.right);
    EXPECT_EQ(267, client.bottom);
    ExpectPlaced(HintBox, {
        {"PnlBottom", nullptr, X, 267 - 41, X, 41, X},
        {"BitBtn1", "OK", 128, 8, 75, 25, X},
    });
    ExpectPlaced(TMedForm, {
        {"Label1", "Select Tender Media to add:", 24, 9, X, X, X},
        {"DBQComboBox1", nullptr, 24, 32, 249, X, 2},
        {"BitBtn2", "OK", 24, 64, 75, 25, 0},
        {"BitBtn1", "Cancel", 112, 64, 75, 25, 1},
    });
    ExpectPlaced(LocForm, {
        {"Label4", "Select Revenue Center::", 16, 17, X, X, X},
        {"DBQComboBox1", nullptr, 16, 32, 249, X, 3},
        {"Label3", "Validity in Minutes :", 18, 72, X, X, X},
        {"MinEdit", nullptr, 112, 64, 25, 21, 0},
        {"OKBtn", "OK", 56, 96, 75, 25, 1},
        {"CancelBtn", "Cancel", 144, 96, 75, 25, 2},
    });
    EXPECT_EQ("System Setup - Select Interface:", WindowText(DplSetupForm->Handle()));
    ExpectPlaced(DplSetupForm, {
        {"lblTop", nullptr, 24, 9, 249, 13, X, "MS Sans Serif -11 bold"},
        {"pnlLinkboxConfig", nullptr, 24, 24, 249, 41, 3, "Arial -12 bold"},
        {"DBQComboBox1", nullptr, 24, 32, 249, X, 2},
        {"BitBtn2", "OK", 24, 152, 75, 25, 0},
        {"btnCancel", "Cancel", 112, 152, 75, 25, 1},
        {"btnChange", "&Change", 200, 152, 75, 25, 4},
    });
    EXPECT_EQ(clYellow, DplSetupForm->pnlLinkboxConfig->Color());
    EXPECT_EQ(clTeal, m->SGTaxes->FixedColor());
}

TEST(Looks, TheThreeTabs)
{
    TestInstallation installation;
    SetupRun run;
    run.Start();
    TMainForm* m = run.main;
    RECT window;
    GetWindowRect(m->Handle(), &window);
    EXPECT_EQ(704, window.right - window.left);
    EXPECT_EQ(592, window.bottom - window.top);
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - 704) / 2, window.left);
    EXPECT_EQ(3, TabCtrl_GetItemCount(m->PageControl1->Handle()));
    EXPECT_EQ(m->tsFeatures, m->PageControl1->ActivePage());
    RECT bar = ChildRect(m->StatusBar1->Handle());
    RECT client;
    GetClientRect(m->Handle(), &client);
    EXPECT_EQ(client.bottom, bar.bottom);
    EXPECT_EQ(20, bar.bottom - bar.top);
    EXPECT_EQ(32, m->Image1->Height());
    EXPECT_EQ(33, m->Panel3->Height());
    const char* names[] = {"setup_main_features", "setup_main_tender", "setup_main_locator"};
    TTabSheet* pages[] = {m->tsFeatures, m->tsTender, m->tsLocator};
    for (int i = 0; i < 3; ++i) {
        m->PageControl1->SetActivePage(pages[i]);
        run.RunFor(100);
        EXPECT_TRUE(IsWindowVisible(pages[i]->Handle()));
        SaveScreenshot(m->Handle(), names[i]);
    }
    // The tax grid shows all its rows inside its group box.
    RECT grid = ChildRect(m->SGTaxes->Handle());
    RECT box;
    GetClientRect(m->GBTax->Handle(), &box);
    EXPECT_LE(grid.bottom, box.bottom);
}

}  // namespace
