// The pickers and the interface-definition dialog as the main window shows
// them: lists filled from the POS database, their results, and the
// interface definition remembered in the registry.
#include <windows.h>

#include <gtest/gtest.h>

#include "form_steps.h"
#include "setup_fixture.h"
#include "setup_run.h"

namespace {

using Strings = std::vector<std::string>;

const Strings kTenders = {"2, City Ledger",  "9, Hotel Voucher", "10, Gift Voucher", "101, Cash",
                          "102, Visa",       "103, MasterCard",  "104, Room Charge"};
const Strings kCentres = {"1, Harbour Restaurant", "2, Lobby Bar", "3, Room Service", "4, Captain's Lounge",
                          "5, Pool Terrace"};
const Strings kInterfaces = {"3, Hotel Front Office", "5, Spa Front Office", "7, Golf Club PMS"};

// Shows a picker modally with one step and gives its result.
TModalResult ShowWith(TForm* form, std::function<void()> step)
{
    FormSteps steps(form, {std::move(step)});
    return form->ShowModal();
}

// A form read from a layout text of the test's own.
class TProbeForm : public TForm {
public:
    using TForm::TForm;
    void Read(const std::string& layout) { ReadLayoutText(layout); }
};

TEST(QueryComboBox, ItsItemsNeverComeFromALayout)
{
    TDBQComboBox::Register();
    const std::string head = "object ProbeForm: TProbeForm\n  object List: TDBQComboBox\n";
    for (const char* property : {"Items.Strings = ('1, Cash')", "ItemIndex = 0", "Sorted = True", "ItemHeight = 13"}) {
        SCOPED_TRACE(property);
        TProbeForm form(nullptr);
        EXPECT_THROW(form.Read(head + "    " + property + "\n  end\nend\n"), ELayoutError);
    }
    TProbeForm form(nullptr);
    form.Read(head +
              "    Style = csDropDown\n    DropDownCount = 8\n    DataBaseName = 'DBcorvane'\n"
              "    DiplayedField = 'Text'\n    SQL.Strings = ('select 1 as Text' 'from corvane.rvc_def')\n"
              "  end\nend\n");
    auto* list = dynamic_cast<TDBQComboBox*>(form.FindComponent("List"));
    ASSERT_NE(nullptr, list);
    EXPECT_EQ((Strings{"select 1 as Text", "from corvane.rvc_def"}), ItemTexts(list->SQL()));
    EXPECT_EQ("DBcorvane", list->DataBaseName);
    EXPECT_EQ(0, list->Items().Count());
}

TEST(Pickers, ListsShowNumberAndNameInNumberOrder)
{
    StartedRun r;
    Strings tenders, centres;
    ShowWith(TMedForm, [&] {
        tenders = ItemTexts(TMedForm->DBQComboBox1->Items());
        EXPECT_EQ(0, TMedForm->DBQComboBox1->ItemIndex());
        TMedForm->BitBtn1->Click();
    });
    ShowWith(LocForm, [&] {
        centres = ItemTexts(LocForm->DBQComboBox1->Items());
        EXPECT_EQ(0, LocForm->DBQComboBox1->ItemIndex());
        EXPECT_EQ(LocForm->MinEdit->Handle(), GetFocus());
        LocForm->CancelBtn->Click();
    });
    EXPECT_EQ(kTenders, tenders);  // type 'T' only
    EXPECT_EQ(kCentres, centres);
    EXPECT_EQ("Add Tender Media", WindowText(TMedForm->Handle()));
    EXPECT_EQ("Add/Modify Locator Setup", WindowText(LocForm->Handle()));
}

TEST(Pickers, EveryShowingWalksTheFirstResultAgain)
{
    StartedRun r;
    Strings first, second, centres;
    ShowWith(TMedForm, [&] {
        first = ItemTexts(TMedForm->DBQComboBox1->Items());
        TMedForm->BitBtn1->Click();
    });
    RunAsDba({"insert into corvane.tmed_def values (1, 'New Tender', 'T')",
              "insert into corvane.rvc_def values (6, 'New Outlet')"});
    ShowWith(TMedForm, [&] {
        second = ItemTexts(TMedForm->DBQComboBox1->Items());
        TMedForm->BitBtn1->Click();
    });
    ShowWith(LocForm, [&] {
        centres = ItemTexts(LocForm->DBQComboBox1->Items());
        LocForm->CancelBtn->Click();
    });
    EXPECT_EQ(kTenders, first);
    EXPECT_EQ(kTenders, second);
    EXPECT_EQ(kCentres, centres);
}

TEST(Pickers, SelectedFieldReadsTheRecordOfTheSelectedItem)
{
    StartedRun r;
    ShowWith(TMedForm, [] {
        TDBQComboBox* list = TMedForm->DBQComboBox1;
        EXPECT_EQ(2, list->SelectedField("obj_num").AsInteger());
        list->SetItemIndex(list->Items().Count() - 1);
        EXPECT_EQ(104, list->SelectedField("OBJ_NUM").AsInteger());
        EXPECT_EQ("Room Charge", list->SelectedField("name").AsString());
        EXPECT_EQ("104, Room Charge", list->SelectedField("text").AsString());
        list->SetItemIndex(-1);  // no selection: the first record
        EXPECT_EQ(2, list->SelectedField("obj_num").AsInteger());
        TMedForm->BitBtn1->Click();
    });
}

TEST(Pickers, TenderOkWithoutSelectionAddsNothingAndKeepsTheLastPick)
{
    StartedRun r;
    EXPECT_EQ(mrOk, ShowWith(TMedForm, [] {
                  SelectNumber(TMedForm->DBQComboBox1, 9);
                  TMedForm->BitBtn2->Click();
              }));
    EXPECT_EQ(9, TMedForm->FTmedObjNum);
    // Text that matches no item: nothing chosen in this showing, so the
    // tender of the earlier one is not added.
    {
        FormSteps picker(TMedForm, {[] {
                             TMedForm->DBQComboBox1->SetItemIndex(-1);
                             TMedForm->DBQComboBox1->SetText("no such tender");
                             TMedForm->BitBtn2->Click();
                         }});
        r.m()->btnTmedAdd->Click();
        EXPECT_EQ(1, picker.showings);
    }
    EXPECT_EQ(0, r.m()->TmedListBox->Items().Count());
    EXPECT_FALSE(r.m()->SetupChanged);
    EXPECT_EQ(9, TMedForm->FTmedObjNum);
    // Esc is Cancel and keeps it too.
    EXPECT_EQ(mrCancel, ShowWith(TMedForm, [] {
                  SelectNumber(TMedForm->DBQComboBox1, 104);
                  PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
              }));
    EXPECT_EQ(9, TMedForm->FTmedObjNum);
    EXPECT_TRUE(r.boxes.seen.empty());
}

TEST(Pickers, MinutesAreRequiredAndTheChosenCentreStaysSelected)
{
    StartedRun r;
    int activations = 0;
    FormSteps steps(LocForm, {[&] {
                        SelectNumber(LocForm->DBQComboBox1, 4);
                        LocForm->OKBtn->Click();  // no minutes: the box, the dialog stays
                        activations = 1;
                        EXPECT_EQ(3, LocForm->DBQComboBox1->ItemIndex());
                        EXPECT_EQ(LocForm->MinEdit->Handle(), GetFocus());
                        EXPECT_TRUE(IsWindowVisible(LocForm->Handle()));
                        LocForm->MinEdit->SetText("5");
                        LocForm->OKBtn->Click();
                    }});
    EXPECT_EQ(mrOk, LocForm->ShowModal());
    EXPECT_EQ(1, steps.showings);
    EXPECT_EQ(1, activations);
    ASSERT_EQ(1u, r.boxes.seen.size());
    EXPECT_EQ("Information", r.boxes.seen[0].caption);
    EXPECT_EQ("You must fill in all fields", r.boxes.seen[0].text);
    EXPECT_EQ("4", LocRvcNum);
    EXPECT_EQ("Captain's Lounge", LocRvcName);
    EXPECT_EQ("5", LocForm->MinEdit->Text());
}

TEST(Pickers, TheMinutesFieldTakesTwoDigitsOnly)
{
    StartedRun r;
    std::string typed;
    ShowWith(LocForm, [&] {
        HWND edit = LocForm->MinEdit->Handle();
        for (char c : std::string("a-1x23"))
            SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(c), 0);
        typed = LocForm->MinEdit->Text();
        LocForm->CancelBtn->Click();
    });
    EXPECT_EQ("12", typed);
}

TEST(Pickers, CentreOkWithoutSelectionTakesTheFirstCentreAndCancelKeepsResults)
{
    StartedRun r;
    EXPECT_EQ(mrOk, ShowWith(LocForm, [] {
                  LocForm->DBQComboBox1->SetItemIndex(-1);
                  LocForm->MinEdit->SetText("30");
                  LocForm->OKBtn->Click();
              }));
    EXPECT_EQ("1", LocRvcNum);
    EXPECT_EQ("Harbour Restaurant", LocRvcName);
    // The next showing empties the minutes; Cancel leaves the results.
    std::string minutesShown = "?";
    EXPECT_EQ(mrCancel, ShowWith(LocForm, [&] {
                  minutesShown = LocForm->MinEdit->Text();
                  SelectNumber(LocForm->DBQComboBox1, 5);
                  LocForm->MinEdit->SetText("9");
                  LocForm->CancelBtn->Click();
              }));
    EXPECT_EQ("", minutesShown);
    EXPECT_EQ("1", LocRvcNum);
    EXPECT_EQ("Harbour Restaurant", LocRvcName);
}

TEST(Pickers, EmptyTablesGiveEmptyListsAndOkAddsNothing)
{
    TestInstallation installation;
    RunAsDba({"delete from corvane.tmed_def", "delete from corvane.rvc_def"});
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    TMainForm* m = run.main;
    Strings tenders = {"?"};
    {
        FormSteps picker(TMedForm, {[&] {
                             tenders = ItemTexts(TMedForm->DBQComboBox1->Items());
                             TMedForm->BitBtn2->Click();
                         }});
        m->btnTmedAdd->Click();
    }
    EXPECT_TRUE(tenders.empty());
    EXPECT_EQ(0, m->TmedListBox->Items().Count());
    // With minutes but no centre to take: no locator row.
    const std::string number = LocRvcNum, name = LocRvcName;
    Strings centres = {"?"};
    {
        FormSteps picker(LocForm, {[&] {
                             centres = ItemTexts(LocForm->DBQComboBox1->Items());
                             LocForm->MinEdit->SetText("5");
                             LocForm->OKBtn->Click();
                         }});
        m->LocAddBtn->Click();
        EXPECT_EQ(1, picker.showings);
    }
    EXPECT_TRUE(centres.empty());
    EXPECT_EQ(2, m->LocStringGrid->RowCount());
    EXPECT_EQ((Strings{"", "", ""}), GridRow(m->LocStringGrid, 1));
    EXPECT_EQ(number, LocRvcNum);
    EXPECT_EQ(name, LocRvcName);
    EXPECT_FALSE(m->SetupChanged);
    EXPECT_TRUE(boxes.seen.empty());
}

TEST(Pickers, ADatabaseErrorWhileFillingShowsTheStandardBoxAndThePickerStaysUsable)
{
    TestInstallation installation;
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    RunAsDba({"drop table corvane.tmed_def"});
    Strings shown = {"?"};
    EXPECT_EQ(mrCancel, ShowWith(TMedForm, [&] {
                  shown = ItemTexts(TMedForm->DBQComboBox1->Items());
                  EXPECT_TRUE(IsWindowVisible(TMedForm->Handle()));
                  TMedForm->BitBtn1->Click();
              }));
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ(run.app.Title(), boxes.seen[0].caption);
    EXPECT_NE(std::string::npos, boxes.seen[0].text.find("tmed_def")) << boxes.seen[0].text;
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(run.Ended());
}

TEST(Pickers, TheMainWindowIsActivatedAgainWhenAPickerEnds)
{
    StartedRun r;
    const std::string stored = r.run.StatusText(0);
    r.run.main->StatusBar1->Panels(0).SetText("");
    {
        FormSteps picker(TMedForm, {[] { TMedForm->BitBtn1->Click(); }});
        r.run.main->btnTmedAdd->Click();
    }
    Pump();
    EXPECT_EQ(stored, r.run.StatusText(0));
    EXPECT_EQ(r.run.main, Screen->ActiveForm());
}

// The user looks something up in another program while a picker is open
// and comes back: the picker still shows the choice, and OK takes it.
TEST(Pickers, ComingBackFromAnotherProgramKeepsTheChoice)
{
    StartedRun r;
    TMainForm* m = r.m();
    bool away = false;
    int selected = -2;
    {
        FormSteps picker(TMedForm, {[&] {
                             SelectNumber(TMedForm->DBQComboBox1, 104);
                             away = VisitAnotherProgram(TMedForm->Handle());
                             selected = TMedForm->DBQComboBox1->ItemIndex();
                             TMedForm->BitBtn2->Click();
                         }});
        m->btnTmedAdd->Click();
        EXPECT_EQ(1, picker.showings);
    }
    EXPECT_TRUE(away);
    EXPECT_EQ(6, selected);
    EXPECT_EQ(Strings{"104"}, ItemTexts(m->TmedListBox->Items()));

    std::string minutes;
    {
        FormSteps picker(LocForm, {[&] {
                             SelectNumber(LocForm->DBQComboBox1, 4);
                             LocForm->MinEdit->SetText("15");
                             away = VisitAnotherProgram(LocForm->Handle());
                             selected = LocForm->DBQComboBox1->ItemIndex();
                             minutes = LocForm->MinEdit->Text();
                             LocForm->OKBtn->Click();
                         }});
        m->LocAddBtn->Click();
        EXPECT_EQ(1, picker.showings);
    }
    EXPECT_TRUE(away);
    EXPECT_EQ(3, selected);
    EXPECT_EQ("15", minutes);
    EXPECT_EQ((Strings{"4", "Captain's Lounge", "15"}), GridRow(m->LocStringGrid, 1));
    EXPECT_TRUE(r.boxes.seen.empty());
}

TEST(Looks, ThePickers)
{
    StartedRun r;
    ShowWith(TMedForm, [] {
        SaveScreenshot(TMedForm->Handle(), "setup_tender_picker");
        TMedForm->BitBtn1->Click();
    });
    ShowWith(LocForm, [] {
        LocForm->MinEdit->SetText("15");
        SaveScreenshot(LocForm->Handle(), "setup_centre_picker");
        LocForm->CancelBtn->Click();
    });
    RECT client;
    GetClientRect(TMedForm->Handle(), &client);
    EXPECT_EQ(306, client.right);
    EXPECT_EQ(103, client.bottom);
    RECT outer;
    GetWindowRect(LocForm->Handle(), &outer);
    EXPECT_EQ((std::vector<LONG>{375, 272, 675, 436}),
              (std::vector<LONG>{outer.left, outer.top, outer.right, outer.bottom}));
}

// ---- The interface-definition dialog -----------------------------------------

const char* const kRiloKey = "Software\\Corvane\\Zenta\\RILO";
const char* const kSelect = "System Setup - Select Interface to be used:";
const char* const kConfirm = "System Setup - Confirm Interface to be used:";

// The remembered interface in the registry, cleared before and after.
class InterfaceDialog : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kRiloKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kRiloKey); }

    static void Store(DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRiloKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        RegSetValueExA(key, "Interface_Obj_Num", 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    static void Remember(DWORD number) { Store(REG_DWORD, &number, sizeof number); }
    // The stored number, -1 without one; the type must be REG_DWORD.
    static long Remembered()
    {
        DWORD type = 0, value = 0, size = sizeof value;
        if (RegGetValueA(HKEY_LOCAL_MACHINE, kRiloKey, "Interface_Obj_Num", RRF_RT_ANY, &type, &value, &size) !=
            ERROR_SUCCESS)
            return -1;
        EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
        return static_cast<long>(value);
    }
};

// What a showing of the dialog looked like.
struct DialogState {
    std::string caption, heading, panel;
    bool listShown = false, panelShown = false, changeShown = false;
    int selected = -2;
    Strings items;
};

DialogState ReadState()
{
    TDplSetupForm* f = DplSetupForm;
    DialogState s;
    s.caption = WindowText(f->Handle());
    s.heading = f->lblTop->Caption();
    s.panel = f->pnlLinkboxConfig->Caption();
    s.listShown = IsWindowVisible(f->DBQComboBox1->Handle()) != FALSE;
    s.panelShown = IsWindowVisible(f->pnlLinkboxConfig->Handle()) != FALSE;
    s.changeShown = IsWindowVisible(f->btnChange->Handle()) != FALSE;
    s.selected = f->DBQComboBox1->ItemIndex();
    s.items = ItemTexts(f->DBQComboBox1->Items());
    return s;
}

void ExpectSelectState(const DialogState& s)
{
    EXPECT_EQ(kSelect, s.caption);
    EXPECT_EQ(kSelect, s.heading);
    EXPECT_TRUE(s.listShown);
    EXPECT_FALSE(s.panelShown);
    EXPECT_FALSE(s.changeShown);
}

void ExpectConfirmState(const DialogState& s, const std::string& shown)
{
    EXPECT_EQ(kConfirm, s.caption);
    EXPECT_EQ(kConfirm, s.heading);
    EXPECT_FALSE(s.listShown);
    EXPECT_TRUE(s.panelShown);
    EXPECT_TRUE(s.changeShown);
    EXPECT_EQ(shown, s.panel);
}

// Shows the dialog, reads what it shows, then presses the button.
DialogState ShowThenPress(TBitBtn* TDplSetupForm::*button, TModalResult expected)
{
    DialogState state;
    EXPECT_EQ(expected, ShowWith(DplSetupForm, [&] {
                  state = ReadState();
                  (DplSetupForm->*button)->Click();
              }));
    return state;
}

TEST_F(InterfaceDialog, AFirstRunSelectsAndRemembersTheChoice)
{
    StartedRun r;
    DialogState first;
    EXPECT_EQ(mrOk, ShowWith(DplSetupForm, [&] {
                  first = ReadState();
                  SelectNumber(DplSetupForm->DBQComboBox1, 5);
                  DplSetupForm->BitBtn2->Click();
              }));
    ExpectSelectState(first);
    EXPECT_EQ("", first.panel);
    EXPECT_EQ(0, first.selected);
    EXPECT_EQ(kInterfaces, first.items);  // script interfaces only
    EXPECT_EQ(5, DplSetupForm->FInterfaceObjNum);
    EXPECT_EQ(5, Remembered());

    // The next showing confirms it; OK keeps it.
    const DialogState next = ShowThenPress(&TDplSetupForm::BitBtn2, mrOk);
    ExpectConfirmState(next, "5, Spa Front Office");
    EXPECT_EQ(1, next.selected);
    EXPECT_EQ(5, Remembered());
    EXPECT_TRUE(r.boxes.seen.empty());
}

TEST_F(InterfaceDialog, ALaterRunConfirmsTheRememberedDefinitionAndOkWritesItAgain)
{
    Remember(7);
    StartedRun r;
    DialogState shown;
    EXPECT_EQ(mrOk, ShowWith(DplSetupForm, [&] {
                  shown = ReadState();
                  Remember(3);  // changed behind the dialog's back: OK writes its own number
                  DplSetupForm->BitBtn2->Click();
              }));
    ExpectConfirmState(shown, "7, Golf Club PMS");
    EXPECT_EQ(7, DplSetupForm->FInterfaceObjNum);
    EXPECT_EQ(7, Remembered());
}

TEST_F(InterfaceDialog, ANumberNoListedDefinitionHasIsSelectedAgain)
{
    Remember(9);
    StartedRun r;
    const DialogState shown = ShowThenPress(&TDplSetupForm::btnCancel, mrCancel);
    ExpectSelectState(shown);
    EXPECT_EQ("", shown.panel);
    EXPECT_EQ(0, shown.selected);
    EXPECT_EQ(9, Remembered());
}

TEST_F(InterfaceDialog, ChangeThenCancelKeepsTheRememberedDefinition)
{
    Remember(3);
    StartedRun r;
    DialogState changed;
    EXPECT_EQ(mrCancel, ShowWith(DplSetupForm, [&] {
                  DplSetupForm->btnChange->Click();
                  changed = ReadState();
                  SelectNumber(DplSetupForm->DBQComboBox1, 7);
                  DplSetupForm->btnCancel->Click();
              }));
    ExpectSelectState(changed);
    EXPECT_EQ(0, changed.selected);
    EXPECT_EQ(3, Remembered());
    const DialogState again = ShowThenPress(&TDplSetupForm::btnCancel, mrCancel);
    ExpectConfirmState(again, "3, Hotel Front Office");
}

TEST_F(InterfaceDialog, ChangeToAnotherDefinitionRemembersIt)
{
    Remember(3);
    StartedRun r;
    EXPECT_EQ(mrOk, ShowWith(DplSetupForm, [] {
                  DplSetupForm->btnChange->Click();
                  SelectNumber(DplSetupForm->DBQComboBox1, 7);
                  DplSetupForm->BitBtn2->Click();
              }));
    EXPECT_EQ(7, DplSetupForm->FInterfaceObjNum);
    EXPECT_EQ(7, Remembered());
}

TEST_F(InterfaceDialog, AMissingKeyOrValueKeepsTheNumberOfThisRun)
{
    StartedRun r;
    EXPECT_EQ(mrOk, ShowWith(DplSetupForm, [] {
                  SelectNumber(DplSetupForm->DBQComboBox1, 5);
                  DplSetupForm->BitBtn2->Click();
              }));
    ASSERT_EQ(5, Remembered());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kRiloKey);
    ExpectConfirmState(ShowThenPress(&TDplSetupForm::btnCancel, mrCancel), "5, Spa Front Office");
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRiloKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &key, nullptr));
    RegCloseKey(key);
    ExpectConfirmState(ShowThenPress(&TDplSetupForm::btnCancel, mrCancel), "5, Spa Front Office");
    EXPECT_EQ(5, DplSetupForm->FInterfaceObjNum);
    EXPECT_EQ(-1, Remembered());
}

// Another program in between keeps the select state the installer changed to.
TEST_F(InterfaceDialog, ComingBackFromAnotherProgramKeepsTheChangedState)
{
    Remember(3);
    StartedRun r;
    bool away = false;
    DialogState back;
    EXPECT_EQ(mrOk, ShowWith(DplSetupForm, [&] {
                  DplSetupForm->btnChange->Click();
                  SelectNumber(DplSetupForm->DBQComboBox1, 7);
                  away = VisitAnotherProgram(DplSetupForm->Handle());
                  back = ReadState();
                  DplSetupForm->BitBtn2->Click();
              }));
    EXPECT_TRUE(away);
    ExpectSelectState(back);
    EXPECT_EQ(2, back.selected);
    EXPECT_EQ(7, Remembered());
}

TEST_F(InterfaceDialog, AValueThatIsNoIntegerIsIgnored)
{
    Store(REG_SZ, "7", 2);
    StartedRun r;
    const DialogState shown = ShowThenPress(&TDplSetupForm::btnCancel, mrCancel);
    ExpectSelectState(shown);
    EXPECT_EQ(0, DplSetupForm->FInterfaceObjNum);
    EXPECT_TRUE(r.boxes.seen.empty());
}

TEST_F(InterfaceDialog, AnEmptyListStoresNothing)
{
    TestInstallation installation;
    RunAsDba({"update corvane.interface_def set qub_script = 'F'"});
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    const DialogState shown = ShowThenPress(&TDplSetupForm::BitBtn2, mrOk);
    ExpectSelectState(shown);
    EXPECT_EQ(-1, shown.selected);
    EXPECT_EQ(0, DplSetupForm->FInterfaceObjNum);
    EXPECT_EQ(-1, Remembered());
}

TEST_F(InterfaceDialog, Looks)
{
    Remember(5);
    StartedRun r;
    ShowWith(DplSetupForm, [] {
        SaveScreenshot(DplSetupForm->Handle(), "setup_interface_confirm");
        DplSetupForm->btnChange->Click();
        Pump();
        SaveScreenshot(DplSetupForm->Handle(), "setup_interface_select");
        DplSetupForm->btnCancel->Click();
    });
    RECT client;
    GetClientRect(DplSetupForm->Handle(), &client);
    EXPECT_EQ(306, client.right);
    EXPECT_EQ(196, client.bottom);
}

}  // namespace
