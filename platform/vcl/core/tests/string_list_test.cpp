// The string list under Wine: its sorted order comes from the locale.
#include <gtest/gtest.h>

#include "exceptions.h"
#include "string_list.h"
#include "sysutils.h"

namespace {

std::vector<AnsiString> ItemsOf(const TStringList& list)
{
    std::vector<AnsiString> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list[i]);
    return items;
}

using Items = std::vector<AnsiString>;

}  // namespace

TEST(AnsiCompareText, IgnoresCaseAndComparesAsText)
{
    EXPECT_EQ(AnsiCompareText("Bar", "bAR"), 0);
    EXPECT_LT(AnsiCompareText("10", "9"), 0);
    EXPECT_GT(AnsiCompareText("b", "A"), 0);
    EXPECT_LT(AnsiCompareText("a", "ab"), 0);
}

TEST(StringList, AddDeleteAndFind)
{
    TStringList list;
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("A"), 1);
    EXPECT_EQ(list.Add("c"), 2);
    EXPECT_EQ(ItemsOf(list), (Items{"b", "A", "c"}));
    EXPECT_EQ(list.IndexOf("a"), 1);  // ignoring case
    EXPECT_EQ(list.IndexOf("C"), 2);
    EXPECT_EQ(list.IndexOf("d"), -1);
    list.Delete(0);
    EXPECT_EQ(ItemsOf(list), (Items{"A", "c"}));
    EXPECT_EQ(list.Strings(1), "c");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(StringList, IndexOutsideTheListRaises)
{
    TStringList list;
    list.Add("x");
    EXPECT_THROW(list.Strings(1), EStringListError);
    EXPECT_THROW(list[-1], EStringListError);
    try {
        list.Delete(3);
        FAIL() << "no error";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message, "List index out of bounds (3)");
    }
    EXPECT_EQ(list.Count(), 1);
}

TEST(StringListSorted, ItemsTakeTheirPlaceAsText)
{
    TStringList list;
    list.SetSorted(true);
    EXPECT_EQ(list.Add("3"), 0);
    EXPECT_EQ(list.Add("12"), 0);
    EXPECT_EQ(list.Add("7"), 2);
    EXPECT_EQ(list.Add("10"), 0);
    EXPECT_EQ(list.Add("9"), 4);
    EXPECT_EQ(ItemsOf(list), (Items{"10", "12", "3", "7", "9"}));
}

TEST(StringListSorted, CaseIsIgnoredAndDuplicatesKept)
{
    TStringList list;
    list.SetSorted(true);
    for (const char* item : {"delta", "Bravo", "alpha", "Charlie", "bravo"})
        list.Add(item);
    EXPECT_EQ(ItemsOf(list), (Items{"alpha", "Bravo", "bravo", "Charlie", "delta"}));
}

TEST(StringListSorted, TurningSortingOnSortsTheItems)
{
    TStringList list;
    list.SetCommaText("7,3,12");
    EXPECT_EQ(ItemsOf(list), (Items{"7", "3", "12"}));
    list.SetSorted(true);
    EXPECT_EQ(ItemsOf(list), (Items{"12", "3", "7"}));
    list.SetSorted(false);
    list.Add("1");
    EXPECT_EQ(ItemsOf(list), (Items{"12", "3", "7", "1"}));
}

TEST(StringListCommaText, SortedListReadsAndWritesInItsOrder)
{
    TStringList list;
    list.SetSorted(true);
    list.SetCommaText("3, 12,7");
    EXPECT_EQ(list.CommaText(), "12,3,7");
    list.SetCommaText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.CommaText(), "");
}

TEST(StringListCommaText, ReplacesTheItems)
{
    TStringList list;
    list.Add("old");
    list.SetCommaText("\"Pool Bar\",\"\"\"x\"\"\"");
    EXPECT_EQ(ItemsOf(list), (Items{"Pool Bar", "\"x\""}));
    EXPECT_EQ(list.CommaText(), "\"Pool Bar\",\"\"\"x\"\"\"");
}

TEST(StringListText, LinesEndWithLineBreaks)
{
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.Add("select *");
    list.Add("");
    list.Add("from t");
    EXPECT_EQ(list.Text(), "select *\r\n\r\nfrom t\r\n");
}

TEST(StringListText, SettingSplitsAtEveryKindOfLineBreak)
{
    TStringList list;
    list.Add("old");
    list.SetText("a\r\nb\nc\rd");
    EXPECT_EQ(ItemsOf(list), (Items{"a", "b", "c", "d"}));
    list.SetText("a\r\n\r\nb\r\n");
    EXPECT_EQ(ItemsOf(list), (Items{"a", "", "b"}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    list.SetText("\r\n");
    EXPECT_EQ(ItemsOf(list), (Items{""}));
}
