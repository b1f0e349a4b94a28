// Comma text as the settings file stores lists (ROOMCHRG_TMD, VOUCHER_TMD).
#include <gtest/gtest.h>

#include "comma_text.h"

using Items = std::vector<AnsiString>;

TEST(CommaTextWriting, PlainItemsAreJoinedByCommas)
{
    EXPECT_EQ(MakeCommaText({"12", "3", "7"}), "12,3,7");
    EXPECT_EQ(MakeCommaText({"104"}), "104");
    EXPECT_EQ(MakeCommaText({}), "");
}

TEST(CommaTextWriting, ItemsWithSeparatorsOrQuotesAreQuoted)
{
    EXPECT_EQ(MakeCommaText({"Pool Bar", "9"}), "\"Pool Bar\",9");
    EXPECT_EQ(MakeCommaText({"a,b"}), "\"a,b\"");
    EXPECT_EQ(MakeCommaText({"tab\there"}), "\"tab\there\"");
    EXPECT_EQ(MakeCommaText({AnsiString("\x01x", 2)}), AnsiString("\"\x01x\"", 4));
    EXPECT_EQ(MakeCommaText({"say \"hi\""}), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(MakeCommaText({"\""}), "\"\"\"\"");
}

TEST(CommaTextWriting, OtherCharactersStayUnquoted)
{
    // Letters above 0x7F (code page text) and punctuation are no separators.
    EXPECT_EQ(MakeCommaText({"Caf\xe9", "it's", "a;b"}), "Caf\xe9,it's,a;b");
}

TEST(CommaTextWriting, EmptyItems)
{
    EXPECT_EQ(MakeCommaText({""}), "\"\"");
    EXPECT_EQ(MakeCommaText({"a", "", "b"}), "a,,b");
    EXPECT_EQ(MakeCommaText({"", "a"}), ",a");
}

TEST(CommaTextReading, CommasBlanksAndControlCharactersSeparate)
{
    EXPECT_EQ(ParseCommaText("5,7"), (Items{"5", "7"}));
    EXPECT_EQ(ParseCommaText("5 7"), (Items{"5", "7"}));
    EXPECT_EQ(ParseCommaText("3, 12,7"), (Items{"3", "12", "7"}));
    EXPECT_EQ(ParseCommaText("1\t2\r\n3\x01" "4"), (Items{"1", "2", "3", "4"}));
    EXPECT_EQ(ParseCommaText("5 , 7"), (Items{"5", "7"}));
}

TEST(CommaTextReading, LeadingAndTrailingSeparatorsAreSkipped)
{
    EXPECT_EQ(ParseCommaText("  \t 5,7 \r\n"), (Items{"5", "7"}));
    EXPECT_EQ(ParseCommaText(""), Items{});
    EXPECT_EQ(ParseCommaText(" \t "), Items{});
}

TEST(CommaTextReading, QuotedItems)
{
    EXPECT_EQ(ParseCommaText("\"Pool Bar\",9"), (Items{"Pool Bar", "9"}));
    EXPECT_EQ(ParseCommaText("\"a,b\",c"), (Items{"a,b", "c"}));
    EXPECT_EQ(ParseCommaText("\"say \"\"hi\"\"\""), (Items{"say \"hi\""}));
    EXPECT_EQ(ParseCommaText("\"\"\"\""), (Items{"\""}));
    // Text right after the closing quote starts the next item.
    EXPECT_EQ(ParseCommaText("\"a\"b,c"), (Items{"a", "b", "c"}));
    // An unclosed quote runs to the end of the text.
    EXPECT_EQ(ParseCommaText("x,\"open end, still"), (Items{"x", "open end, still"}));
}

TEST(CommaTextReading, EmptyItems)
{
    EXPECT_EQ(ParseCommaText("\"\""), (Items{""}));
    EXPECT_EQ(ParseCommaText("a,,b"), (Items{"a", "", "b"}));
    EXPECT_EQ(ParseCommaText(",a"), (Items{"", "a"}));
    // One comma after an item is part of that item's end, not a new item.
    EXPECT_EQ(ParseCommaText("a,"), (Items{"a"}));
    EXPECT_EQ(ParseCommaText("a, ,b"), (Items{"a", "", "b"}));
}

TEST(CommaTextReading, CharacterZeroEndsTheText)
{
    EXPECT_EQ(ParseCommaText(AnsiString("1,2\0" "3", 5)), (Items{"1", "2"}));
}

TEST(CommaText, WrittenListsReadBackUnchanged)
{
    const Items lists[] = {
        {"104", "101"},
        {""},
        {"Pool Bar", "say \"hi\"", "a,b", "\t"},
        {"", "x", "", "y"},
        {"\"", "\"\"", " "},
    };
    for (const Items& items : lists)
        EXPECT_EQ(ParseCommaText(MakeCommaText(items)), items) << MakeCommaText(items);
}
