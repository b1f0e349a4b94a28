// Loading and saving pvo_fo.ini: the order of the keys, the defaults, the
// clamps and the worked values of the settings file.
#include <gtest/gtest.h>

#include <stdexcept>

#include "recording_store.h"
#include "sequence.h"
#include "settings_file.h"

namespace {

const std::vector<std::string> kLoadWithoutLocators = {
    "read DESCRIPTOR/TAX_DESC",      "read DESCRIPTOR/AUTO_SVC_DESC", "read POSTING/SRV_OR_CHR",
    "read FEATURE/MAGENTRY_ONLY",    "read FEATURE/MAGCARDOVRWRT",    "read POSTING/REVERSEGST",
    "read POSTING/FULL_DSVC",        "read POSTING/OTHER_OPTIONS",    "read COMMON/RESTR_POSTING_EMPL",
    "read POSTING/ROOMCHRG_TMD",     "read POSTING/VOUCHER_TMD",      "read LOCATOR/RVCS",
};

TEST(LoadSettings, AMissingFileGivesTheDefaultsInReadingOrder)
{
    RecordingStore store;
    const LoadedSettings s = LoadSettings(store);
    EXPECT_TRUE(SameSequence(kLoadWithoutLocators, store.log));
    EXPECT_EQ("Tax:", s.taxDesc);
    EXPECT_EQ("Auto SVC:", s.autoSvcDesc);
    EXPECT_EQ(1, s.srvOrChrIndex);
    EXPECT_FALSE(s.magEntryOnly);
    EXPECT_EQ("", s.magCardOvrwrt);
    EXPECT_FALSE(s.reverseGst);
    EXPECT_FALSE(s.fullDsvc);
    EXPECT_EQ("0000000000", s.otherOptions);
    EXPECT_EQ(-1, s.restrPostingIndex);
    EXPECT_EQ((OtherOptionBoxes{false, false, false, false}), s.boxesOn);
    EXPECT_FALSE(s.hasRoomChrgTmd);
    EXPECT_FALSE(s.hasVoucherTmd);
    EXPECT_FALSE(s.hasLocators);
    EXPECT_TRUE(s.locators.empty());
}

TEST(LoadSettings, EmptyValuesAreNotDefaults)
{
    RecordingStore store;
    store.Set("DESCRIPTOR", "TAX_DESC", "");
    store.Set("POSTING", "SRV_OR_CHR", "");
    store.Set("POSTING", "OTHER_OPTIONS", "");
    const LoadedSettings s = LoadSettings(store);
    EXPECT_EQ("", s.taxDesc);           // "Tax:" only stands for a missing key
    EXPECT_EQ(1, s.srvOrChrIndex);      // an empty number takes its default
    EXPECT_EQ("0000000000", s.otherOptions);
}

TEST(LoadSettings, ChoicesOutsideTheirRange)
{
    struct Case { const char* srvOrChr; int index; const char* restr; int restrIndex; };
    for (const Case& c : {Case{"5", 2, "3", 2}, Case{"-1", -1, "7", -1}, Case{"0", 0, "0", -1},
                          Case{"2", 2, "4", 3}, Case{"x", 1, "1", 0}, Case{"-7", -1, "-2", -1},
                          Case{"3", 2, "5", -1}}) {
        RecordingStore store;
        store.Set("posting", "srv_or_chr", c.srvOrChr);
        store.Set("COMMON", "RESTR_POSTING_EMPL", c.restr);
        const LoadedSettings s = LoadSettings(store);
        EXPECT_EQ(c.index, s.srvOrChrIndex) << "SRV_OR_CHR=" << c.srvOrChr;
        EXPECT_EQ(c.restrIndex, s.restrPostingIndex) << "RESTR_POSTING_EMPL=" << c.restr;
    }
}

TEST(LoadSettings, OtherOptionsTickOnlyTheBoxesMarkedOne)
{
    struct Case { const char* value; OtherOptionBoxes on; };
    for (const Case& c : {Case{"1010000001", {true, false, true, false}}, Case{"01", {false, true, false, false}},
                          Case{"1", {true, false, false, false}}, Case{"2Y11", {false, false, true, true}},
                          Case{"0001", {false, false, false, true}}}) {
        RecordingStore store;
        store.Set("POSTING", "OTHER_OPTIONS", c.value);
        const LoadedSettings s = LoadSettings(store);
        EXPECT_EQ(c.on, s.boxesOn) << c.value;
        EXPECT_EQ(c.value, s.otherOptions);  // kept as loaded
    }
}

TEST(LoadSettings, TenderListsAreCommaText)
{
    RecordingStore store;
    store.Set("POSTING", "ROOMCHRG_TMD", "3, 12,7");
    store.Set("POSTING", "VOUCHER_TMD", "5 8");
    const LoadedSettings s = LoadSettings(store);
    EXPECT_TRUE(s.hasRoomChrgTmd);
    EXPECT_EQ((std::vector<AnsiString>{"3", "12", "7"}), s.roomChrgTmd);
    EXPECT_EQ((std::vector<AnsiString>{"5", "8"}), s.voucherTmd);
}

TEST(LoadSettings, LocatorRowsSkipEmptyElementsAndCutNames)
{
    RecordingStore store;
    store.Set("LOCATOR", "RVCS", "10,20,,30,");
    store.Set("LOCATOR", "DTL1", "15,Restaurant");
    store.Set("LOCATOR", "DTL2", "5,Bar");
    store.Set("LOCATOR", "DTL3", "30,Pool Bar And Grill Terrace");
    store.Set("LOCATOR", "DTL4", "99,Never read");
    const LoadedSettings s = LoadSettings(store);
    std::vector<std::string> expected = kLoadWithoutLocators;
    expected.insert(expected.end(), {"read LOCATOR/DTL1", "read LOCATOR/DTL2", "read LOCATOR/DTL3"});
    EXPECT_TRUE(SameSequence(expected, store.log));
    EXPECT_TRUE(s.hasLocators);
    EXPECT_EQ((std::vector<LocatorRow>{{"10", "Restaurant", "15"}, {"20", "Bar", "5"}, {"30", "Pool Bar And Gri", "30"}}),
              s.locators);
}

TEST(LoadSettings, LocatorElementsNeedTheirComma)
{
    RecordingStore store;
    store.Set("LOCATOR", "RVCS", "10,20");
    store.Set("LOCATOR", "DTL1", "25");
    LoadedSettings s = LoadSettings(store);
    EXPECT_EQ((std::vector<LocatorRow>{{"10", "25", ""}}), s.locators);

    RecordingStore noComma;
    noComma.Set("LOCATOR", "RVCS", "10");
    s = LoadSettings(noComma);
    EXPECT_TRUE(s.hasLocators);  // the header is still set
    EXPECT_TRUE(s.locators.empty());

    RecordingStore longName;
    longName.Set("LOCATOR", "RVCS", " 7 ,");
    longName.Set("LOCATOR", "DTL1", "The Longest Outlet Name Of All");
    s = LoadSettings(longName);
    EXPECT_EQ((std::vector<LocatorRow>{{" 7 ", "The Longest Outl", ""}}), s.locators);
}

const std::vector<std::string> kSaveOrder = {
    "write POSTING/TAX_OR_VAT=1",
    "write POSTING/SRV_OR_CHR=2",
    "write POSTING/REVERSEGST=1",
    "write POSTING/FULL_DSVC=0",
    "write POSTING/ROOMCHRG_TMD=12,3,7",
    "write POSTING/VOUCHER_TMD=",
    "write POSTING/OTHER_OPTIONS=0000000001",
    "write POSTING/SUPPRESSNFOREF=0",
    "write COMMON/RESTR_POSTING_EMPL=3",
    "write DESCRIPTOR/TAX_DESC=Tax:",
    "write DESCRIPTOR/AUTO_SVC_DESC=",
    "write FEATURE/MAGENTRY_ONLY=1",
    "write FEATURE/MAGCARDOVRWRT=3,5",
    "write LOCATOR/RVCS=10,20,30,",
    "write LOCATOR/DTL1=15,Restaurant",
    "write LOCATOR/DTL2=5,Bar",
    "write LOCATOR/DTL3=30,Pool Bar And Gri",
};

SavedSettings WorkedExample()
{
    SavedSettings s;
    s.taxIsVat = true;
    s.srvOrChrIndex = 2;
    s.reverseGst = true;
    s.roomChrgTmd = {"12", "3", "7"};
    s.otherOptions = SetOtherOptionBoxes("1010000001", {false, false, false, false});
    s.restrPostingIndex = 2;
    s.taxDesc = "Tax:";
    s.magEntryOnly = true;
    s.magCardOvrwrt = "3,5";
    s.gridRows = {{"10", "Restaurant", "15"}, {"20", "Bar", "5"}, {"30", "Pool Bar And Gri", "30"}};
    return s;
}

TEST(SaveSettings, WritesEveryKeyInSavingOrder)
{
    RecordingStore store;
    SaveSettings(store, WorkedExample());
    EXPECT_TRUE(SameSequence(kSaveOrder, store.log));
}

TEST(SaveSettings, BlankGridRowsAreLeftOutButKeepTheirNumbers)
{
    SavedSettings s;
    s.gridRows = {{"", "", ""}};  // the grid's blank row 1
    RecordingStore empty;
    SaveSettings(empty, s);
    EXPECT_EQ("write LOCATOR/RVCS=", empty.log.back());
    EXPECT_EQ("write COMMON/RESTR_POSTING_EMPL=0", empty.log[8]);
    EXPECT_EQ("write POSTING/SRV_OR_CHR=-1", empty.log[1]);

    s.gridRows = {{"4", "Captain's Lounge", "7"}, {"", "", ""}, {"2", "Lobby Bar", ""}};
    RecordingStore gap;
    SaveSettings(gap, s);
    const std::vector<std::string> tail(gap.log.end() - 3, gap.log.end());
    EXPECT_TRUE(SameSequence({"write LOCATOR/RVCS=4,2,", "write LOCATOR/DTL1=7,Captain's Lounge",
                              "write LOCATOR/DTL3=,Lobby Bar"},
                             tail));
}

TEST(SaveSettings, ASingleEmptyTenderIsWrittenAsQuotes)
{
    SavedSettings s;
    s.roomChrgTmd = {""};
    s.voucherTmd = {"1 2", "a\"b"};
    RecordingStore store;
    SaveSettings(store, s);
    EXPECT_EQ("\"\"", store.Get("POSTING", "ROOMCHRG_TMD"));
    EXPECT_EQ("\"1 2\",\"a\"\"b\"", store.Get("POSTING", "VOUCHER_TMD"));
}

TEST(SaveSettings, StopsAtTheFirstKeyThatCannotBeWritten)
{
    RecordingStore store;
    store.FailWritingAt("COMMON", "RESTR_POSTING_EMPL");
    EXPECT_THROW(SaveSettings(store, WorkedExample()), std::runtime_error);
    EXPECT_TRUE(SameSequence(std::vector<std::string>(kSaveOrder.begin(), kSaveOrder.begin() + 8), store.log));
    EXPECT_FALSE(store.Has("DESCRIPTOR", "TAX_DESC"));
}

TEST(SetOtherOptionBoxes, KeepsCharactersFiveOnAndFillsShortValues)
{
    EXPECT_EQ("0000000001", SetOtherOptionBoxes("1010000001", {false, false, false, false}));
    EXPECT_EQ("1101XYZ", SetOtherOptionBoxes("0000XYZ", {true, true, false, true}));
    EXPECT_EQ("0010", SetOtherOptionBoxes("1111", {false, false, true, false}));
    // Too short for the four boxes: filled up with "0" to ten characters.
    EXPECT_EQ("1000000000", SetOtherOptionBoxes("0", {true, false, false, false}));
    EXPECT_EQ("0100000000", SetOtherOptionBoxes("111", {false, true, false, false}));
    EXPECT_EQ("0001000000", SetOtherOptionBoxes("", {false, false, false, true}));
}

TEST(WriteTaxKeys, UpperCaseLettersAndEmptyValuesForRatesWithout)
{
    RecordingStore store;
    // The ends of the alphabet, and the characters just outside it, which stay as they are.
    WriteTaxKeys(store, false, {'P', 'i', '\0', 'a', 'z', '`', '{', 'f'});
    EXPECT_TRUE(SameSequence({"write POSTING/TAX_OR_VAT=0", "write POSTING/TAXTYPE1=P", "write POSTING/TAXTYPE2=I",
                              "write POSTING/TAXTYPE3=", "write POSTING/TAXTYPE4=A", "write POSTING/TAXTYPE5=Z",
                              "write POSTING/TAXTYPE6=`", "write POSTING/TAXTYPE7={", "write POSTING/TAXTYPE8=F"},
                             store.log));
}

TEST(SettingsFilePath, IsTheRootsEtcFolder)
{
    EXPECT_EQ("C:\\Zenta\\ETC\\PVO_FO.INI", SettingsFilePath("C:\\Zenta"));
    EXPECT_EQ("C:\\Zenta\\\\ETC\\PVO_FO.INI", SettingsFilePath("C:\\Zenta\\"));
}

}  // namespace
