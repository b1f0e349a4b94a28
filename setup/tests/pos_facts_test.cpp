// The POS version rule and the tax labels.
#include <gtest/gtest.h>

#include "pos_version.h"
#include "tax_setup.h"

namespace {

TEST(PosVersion, VersionTextsAndTheirNumbers)
{
    struct Case { const char* text; int number; int version; };
    for (const Case& c : {Case{"4.1", 41, 410}, Case{"4.10", 410, 410}, Case{"3.2", 32, 320},
                          Case{"5.1.0.23", 51023, 51023}, Case{"99", 99, 99}, Case{"100", 100, 100},
                          Case{"4.1 SP2", 412, 412}, Case{"V 3.1", 31, 310}, Case{"", 0, 0}, Case{"n/a", 0, 0},
                          Case{"9", 9, 90}, Case{"98", 98, 980}, Case{"2147483647", 2147483647, 2147483647},
                          Case{"2147483648", 0, 0}, Case{"4294967296", 0, 0}, Case{"99999999999999999999", 0, 0},
                          Case{"0.0.0.7", 7, 70}, Case{"-3.2", 32, 320}}) {
        EXPECT_EQ(c.number, VersionToNumber(c.text)) << '"' << c.text << '"';
        EXPECT_EQ(c.version, PosVersionOf(c.text)) << '"' << c.text << '"';
    }
}

TEST(TaxSetup, RatesFillTheirRowAndLetter)
{
    TaxRates rates;
    AddTaxRate(rates, 1, "Sales Tax", "P");
    AddTaxRate(rates, 2, "VAT", "i");
    AddTaxRate(rates, 12, "Other", "B");
    AddTaxRate(rates, 9, "Beyond", "I");
    AddTaxRate(rates, 8, "Last", "F");
    AddTaxRate(rates, 0, "Nothing", "F");
    AddTaxRate(rates, 5, "Odd", "X");
    AddTaxRate(rates, 6, "", "F");
    AddTaxRate(rates, 7, "Untyped", "");
    EXPECT_EQ((TaxTypeLetters{'P', 'i', '\0', '\0', 'X', 'F', '\0', 'F'}), rates.types);
    EXPECT_EQ("1", rates.grid[1].seq);
    EXPECT_EQ("Sales Tax", rates.grid[1].name);
    EXPECT_EQ("Add-On", rates.grid[1].label);
    EXPECT_EQ("Inclusive", rates.grid[2].label);
    EXPECT_EQ("Unknown", rates.grid[5].label);
    EXPECT_EQ("", rates.grid[6].seq);  // a letter, but no name: the row stays blank
    EXPECT_EQ("Unknown", rates.grid[7].label);
    EXPECT_EQ("Last", rates.grid[8].name);
    for (int row : {0, 3, 4})
        EXPECT_EQ("", rates.grid[static_cast<size_t>(row)].name) << row;
}

TEST(TaxSetup, LabelsByUpperCaseLetter)
{
    EXPECT_EQ("Full Inclusive", TaxTypeLabel('f'));
    EXPECT_EQ("Add-On, Breakpoint", TaxTypeLabel('B'));
    EXPECT_EQ("Unknown", TaxTypeLabel('\0'));
    EXPECT_EQ("System uses VAT (Value Added Tax)", TaxKindSentence(true));
    EXPECT_EQ("System uses Add-On Tax", TaxKindSentence(false));
}

}  // namespace
