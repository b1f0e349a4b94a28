// The tender lists and the locator grid of the main window, filled through
// the pickers as the installer fills them, and what Save makes of them.
#include <gtest/gtest.h>

#include "demo_settings.h"
#include "form_steps.h"
#include "setup_fixture.h"
#include "setup_run.h"

namespace {

using Strings = std::vector<std::string>;

// One showing of the tender picker: picks the tender and presses OK.
std::function<void()> PickTender(int number)
{
    return [number] {
        if (!SelectNumber(TMedForm->DBQComboBox1, number)) {
            ADD_FAILURE() << "tender " << number << " not offered";
            TMedForm->Close();
            return;
        }
        TMedForm->BitBtn2->Click();
    };
}

// Presses the Add button once for each tender, picking it.
void AddTenders(TBitBtn* add, const std::vector<int>& numbers)
{
    std::deque<std::function<void()>> steps;
    for (int n : numbers)
        steps.push_back(PickTender(n));
    FormSteps picker(TMedForm, steps);
    for (size_t i = 0; i < numbers.size(); ++i)
        add->Click();
}

// One showing of the revenue-centre picker: the centre, the minutes, OK.
void AddLocator(TMainForm* main, int centre, const char* minutes)
{
    FormSteps picker(LocForm, {[centre, minutes] {
                         if (!SelectNumber(LocForm->DBQComboBox1, centre)) {
                             ADD_FAILURE() << "centre " << centre << " not offered";
                             LocForm->Close();
                             return;
                         }
                         LocForm->MinEdit->SetText(minutes);
                         LocForm->OKBtn->Click();
                     }});
    main->LocAddBtn->Click();
}

// Saves, and gives the settings file's lines.
Strings SavedLines(StartedRun& r)
{
    r.m()->SaveBtn->Click();
    return r.installation.IniLines();
}

TEST(TenderLists, KeptSortedAsTextAndSavedInThatOrder)
{
    StartedRun r;
    AddTenders(r.m()->btnTmedAdd, {9, 10, 2});
    EXPECT_EQ((Strings{"10", "2", "9"}), ItemTexts(r.m()->TmedListBox->Items()));
    EXPECT_TRUE(r.m()->SetupChanged);
    AddTenders(r.m()->btnVoucherAdd, {104, 101});
    EXPECT_EQ((Strings{"101", "104"}), ItemTexts(r.m()->VoucherListBox->Items()));
    const Strings lines = SavedLines(r);
    EXPECT_TRUE(HasLine(lines, "ROOMCHRG_TMD=10,2,9"));
    EXPECT_TRUE(HasLine(lines, "VOUCHER_TMD=101,104"));
    EXPECT_FALSE(r.m()->SetupChanged);
    EXPECT_TRUE(r.boxes.seen.empty());
}

TEST(TenderLists, ATenderStandsOnceInAListAndNeverInBoth)
{
    StartedRun r;
    AddTenders(r.m()->btnTmedAdd, {9});
    AddTenders(r.m()->btnVoucherAdd, {10});
    r.m()->SetupChanged = false;

    // Again in the same list: nothing happens, not even the flag.
    AddTenders(r.m()->btnTmedAdd, {9});
    EXPECT_EQ((Strings{"9"}), ItemTexts(r.m()->TmedListBox->Items()));
    EXPECT_FALSE(r.m()->SetupChanged);
    EXPECT_TRUE(r.boxes.seen.empty());

    AddTenders(r.m()->btnVoucherAdd, {9});
    AddTenders(r.m()->btnTmedAdd, {10});
    ASSERT_EQ(2u, r.boxes.seen.size());
    EXPECT_EQ("Error", r.boxes.seen[0].caption);
    EXPECT_EQ("Tender/Media already assigned to Room-Charge!", r.boxes.seen[0].text);
    EXPECT_EQ(Strings{"OK"}, r.boxes.seen[0].buttons);
    EXPECT_EQ("Tender/Media already assigned to Voucher!", r.boxes.seen[1].text);
    EXPECT_EQ((Strings{"9"}), ItemTexts(r.m()->TmedListBox->Items()));
    EXPECT_EQ((Strings{"10"}), ItemTexts(r.m()->VoucherListBox->Items()));
    EXPECT_FALSE(r.m()->SetupChanged);
}

TEST(TenderLists, ACancelledOrEmptyPickAddsNothing)
{
    StartedRun r;
    {
        FormSteps picker(TMedForm, {[] { TMedForm->BitBtn1->Click(); },
                                    [] {
                                        TMedForm->DBQComboBox1->SetItemIndex(-1);
                                        TMedForm->BitBtn2->Click();
                                    }});
        r.m()->btnTmedAdd->Click();
        r.m()->btnTmedAdd->Click();
        EXPECT_EQ(2, picker.showings);
    }
    EXPECT_EQ(0, TMedForm->FTmedObjNum);
    EXPECT_EQ(0, r.m()->TmedListBox->Items().Count());
    EXPECT_FALSE(r.m()->SetupChanged);
}

TEST(TenderLists, DeleteNeedsASelectedItem)
{
    StartedRun r;
    AddTenders(r.m()->btnVoucherAdd, {2, 9});
    r.m()->SetupChanged = false;
    r.m()->VoucherListBox->SetItemIndex(-1);
    r.m()->btnVoucherDelete->Click();
    ASSERT_EQ(1u, r.boxes.seen.size());
    EXPECT_EQ("Information", r.boxes.seen[0].caption);
    EXPECT_EQ("You must select an item", r.boxes.seen[0].text);
    EXPECT_FALSE(r.m()->SetupChanged);

    r.m()->VoucherListBox->SetItemIndex(0);
    r.m()->btnVoucherDelete->Click();
    EXPECT_EQ((Strings{"9"}), ItemTexts(r.m()->VoucherListBox->Items()));
    EXPECT_TRUE(r.m()->SetupChanged);
    r.m()->TmedListBox->SetItemIndex(-1);
    r.m()->btnTmedDelete->Click();
    EXPECT_EQ(2u, r.boxes.seen.size());
    EXPECT_TRUE(HasLine(SavedLines(r), "VOUCHER_TMD=9"));
}

TEST(LocatorGrid, AddModifyAndDeleteRows)
{
    StartedRun r;
    TStringGrid* grid = r.m()->LocStringGrid;
    EXPECT_EQ(2, grid->RowCount());
    EXPECT_EQ((Strings{"", "", ""}), GridRow(grid, 0));

    AddLocator(r.m(), 3, "5");
    EXPECT_EQ((Strings{"RVC#", "RVC Name", "Min."}), GridRow(grid, 0));
    EXPECT_EQ((std::vector<int>{55, 150, 55}),
              (std::vector<int>{grid->ColWidths(0), grid->ColWidths(1), grid->ColWidths(2)}));
    EXPECT_EQ(2, grid->RowCount());
    EXPECT_EQ((Strings{"3", "Room Service", "5"}), GridRow(grid, 1));
    EXPECT_TRUE(r.m()->SetupChanged);

    AddLocator(r.m(), 1, "10");
    AddLocator(r.m(), 5, "2");
    r.m()->SetupChanged = false;
    AddLocator(r.m(), 3, "7");  // modified in place
    EXPECT_TRUE(r.m()->SetupChanged);
    ASSERT_EQ(4, grid->RowCount());
    EXPECT_EQ((Strings{"3", "Room Service", "7"}), GridRow(grid, 1));
    EXPECT_EQ((Strings{"1", "Harbour Restaurant", "10"}), GridRow(grid, 2));
    EXPECT_EQ((Strings{"5", "Pool Terrace", "2"}), GridRow(grid, 3));
    Strings lines = SavedLines(r);
    for (const char* line : {"RVCS=3,1,5,", "DTL1=7,Room Service", "DTL2=10,Harbour Restaurant", "DTL3=2,Pool Terrace"})
        EXPECT_TRUE(HasLine(lines, line)) << line;

    // The rows below move up; the last row goes.
    grid->SetRow(1);
    r.m()->LocDelBtn->Click();
    EXPECT_TRUE(r.m()->SetupChanged);
    ASSERT_EQ(3, grid->RowCount());
    EXPECT_EQ((Strings{"1", "Harbour Restaurant", "10"}), GridRow(grid, 1));
    EXPECT_EQ((Strings{"5", "Pool Terrace", "2"}), GridRow(grid, 2));
    grid->SetRow(2);
    r.m()->LocDelBtn->Click();
    grid->SetRow(1);
    r.m()->LocDelBtn->Click();
    // The only row becomes a blank row; deleting a blank row does nothing.
    EXPECT_EQ(2, grid->RowCount());
    EXPECT_EQ((Strings{"", "", ""}), GridRow(grid, 1));
    r.m()->SetupChanged = false;
    r.m()->LocDelBtn->Click();
    EXPECT_FALSE(r.m()->SetupChanged);
    EXPECT_EQ(2, grid->RowCount());
    EXPECT_TRUE(HasLine(SavedLines(r), "RVCS="));
    EXPECT_TRUE(r.boxes.seen.empty());
}

TEST(LocatorGrid, ACancelledPickChangesNothing)
{
    StartedRun r;
    {
        FormSteps picker(LocForm, {[] { LocForm->CancelBtn->Click(); }});
        r.m()->LocAddBtn->Click();
    }
    EXPECT_EQ((Strings{"", "", ""}), GridRow(r.m()->LocStringGrid, 0));
    EXPECT_FALSE(r.m()->SetupChanged);
}

// A centre is matched by its exact text, in every row that holds it: a
// number written otherwise stays, and no row is appended.
TEST(LocatorGrid, AddModifyUpdatesEveryRowOfTheCentre)
{
    TestInstallation installation;
    installation.WriteIni("[LOCATOR]\r\nRVCS=03,3,1,3,\r\nDTL1=5,Old name\r\nDTL2=6,Older name\r\n"
                          "DTL3=10,Harbour\r\nDTL4=8,Oldest name\r\n");
    BoxAnswerer boxes;
    SetupRun run;
    run.Start();
    AddLocator(run.main, 3, "9");
    const std::vector<Strings> expected = {{"RVC#", "RVC Name", "Min."},
                                           {"03", "Old name", "5"},
                                           {"3", "Room Service", "9"},
                                           {"1", "Harbour", "10"},
                                           {"3", "Room Service", "9"}};
    TStringGrid* grid = run.main->LocStringGrid;
    ASSERT_EQ(static_cast<int>(expected.size()), grid->RowCount());
    for (size_t row = 0; row < expected.size(); ++row)
        EXPECT_EQ(expected[row], GridRow(grid, static_cast<int>(row))) << "row " << row;
}

TEST(Looks, TheTabsWithData)
{
    StartedRun r;
    AddTenders(r.m()->btnTmedAdd, {9, 10, 2, 104});
    AddTenders(r.m()->btnVoucherAdd, {101});
    AddLocator(r.m(), 1, "15");
    AddLocator(r.m(), 4, "30");
    for (TTabSheet* page : {r.m()->tsTender, r.m()->tsLocator}) {
        r.m()->PageControl1->SetActivePage(page);
        Pump();
        EXPECT_TRUE(IsWindowVisible(page->Handle()));
        SaveScreenshot(r.m()->Handle(), "setup_data_" + page->Name());
    }
}

}  // namespace
