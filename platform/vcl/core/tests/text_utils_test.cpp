// The platform-free text routines; also run natively under the sanitizers.
#include <gtest/gtest.h>

#include <cstdint>

#include "sysutils.h"

TEST(QuotedStr, WrapsInSingleQuotesAndDoublesInnerOnes)
{
    EXPECT_EQ(QuotedStr("sp_PvoFo_DoProrate"), "'sp_PvoFo_DoProrate'");
    EXPECT_EQ(QuotedStr("Captain's"), "'Captain''s'");
    EXPECT_EQ(QuotedStr("''"), "''''''");
    EXPECT_EQ(QuotedStr(""), "''");
}

TEST(StrToIntDef, Decimal)
{
    EXPECT_EQ(StrToIntDef("410", -1), 410);
    EXPECT_EQ(StrToIntDef("-5", 0), -5);
    EXPECT_EQ(StrToIntDef("+7", 0), 7);
    EXPECT_EQ(StrToIntDef("2147483647", 0), 2147483647);
    EXPECT_EQ(StrToIntDef("-2147483648", 0), INT32_MIN);
}

TEST(StrToIntDef, Hexadecimal)
{
    EXPECT_EQ(StrToIntDef("$1F", 0), 31);
    EXPECT_EQ(StrToIntDef("$ff", 0), 255);
    EXPECT_EQ(StrToIntDef("-$10", 0), -16);
    EXPECT_EQ(StrToIntDef("$FFFFFFFF", 0), -1);
    EXPECT_EQ(StrToIntDef("$80000000", 0), INT32_MIN);
}

TEST(StrToIntDef, UnreadableGivesTheDefault)
{
    for (const char* text : {"", "-", "+", "$", "-$", "12a", " 12", "1.5", "0x10", "$1G", "$-5",
                             "2147483648", "-2147483649", "$100000000", "99999999999999999999"})
        EXPECT_EQ(StrToIntDef(text, 42), 42) << '"' << text << '"';
}
