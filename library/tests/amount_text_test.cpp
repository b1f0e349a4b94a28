// Reading and writing amount texts.
#include "amount_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

TEST(ParseAmount, ReadsTheLeadingNumberLikeAtof)
{
    EXPECT_DOUBLE_EQ(12.5, ParseAmount(" \t\n+12.5xyz"));
    EXPECT_DOUBLE_EQ(-5.0, ParseAmount("-5"));
    EXPECT_DOUBLE_EQ(1000.0, ParseAmount("1e3"));
    EXPECT_DOUBLE_EQ(0.015, ParseAmount("1.5E-2"));
    EXPECT_DOUBLE_EQ(2.0, ParseAmount("2e"));   // exponent without digits is not read
    EXPECT_DOUBLE_EQ(2.0, ParseAmount("2e+x"));
    EXPECT_DOUBLE_EQ(0.5, ParseAmount(".5"));
    EXPECT_DOUBLE_EQ(5.0, ParseAmount("5."));
    EXPECT_DOUBLE_EQ(1.0, ParseAmount("1,5"));  // the separator is the point
    EXPECT_DOUBLE_EQ(7.0, ParseAmount("007"));
}

TEST(ParseAmount, TextWithoutANumberIsZero)
{
    for (const char* text : {"", "abc", ".", "-", "+.", "e5", " ", "-e1"}) {
        EXPECT_EQ(0.0, ParseAmount(text)) << text;
        EXPECT_FALSE(std::signbit(ParseAmount(text))) << text;
    }
}

TEST(ParseAmount, OutOfRangeMagnitudes)
{
    EXPECT_EQ(HUGE_VAL, ParseAmount("1e400"));
    EXPECT_EQ(-HUGE_VAL, ParseAmount("-123456789e999999999999999999"));
    EXPECT_EQ(0.0, ParseAmount("1e-400"));
    EXPECT_EQ(0.0, ParseAmount("0.000000001e-320"));
    EXPECT_EQ(HUGE_VAL, ParseAmount("0.1e310"));
    EXPECT_DOUBLE_EQ(1e308, ParseAmount("0.01e310"));
    EXPECT_DOUBLE_EQ(1e306, ParseAmount("0.0001e310"));
    const std::string manyDigits = "1" + std::string(400, '0');
    EXPECT_EQ(HUGE_VAL, ParseAmount(manyDigits.c_str()));
}

TEST(ProrateAmount, ZeroTotalGivesTheAmount)
{
    EXPECT_DOUBLE_EQ(3.5, ProrateAmount(10, 5, 7));
    EXPECT_EQ(7.0, ProrateAmount(0.0, 5, 7));
    EXPECT_EQ(7.0, ProrateAmount(-0.0, 5, 7));
    EXPECT_DOUBLE_EQ(-3.5, ProrateAmount(10, -5, 7));
}

TEST(FormatAmount, TwoDecimalsWithinSixtyFourCharacters)
{
    char out[kAmountTextCapacity];
    EXPECT_EQ(4, FormatAmount(3.5, out));
    EXPECT_STREQ("3.50", out);
    EXPECT_EQ(5, FormatAmount(-3.5, out));
    EXPECT_STREQ("-3.50", out);
    EXPECT_EQ(4, FormatAmount(0.005, out)); // binary 0.005 lies just above: 0.01
    EXPECT_STREQ("0.01", out);

    // 1e60 needs 61 + 3 characters: cut to the first 63.
    EXPECT_EQ(63, FormatAmount(1e60, out));
    EXPECT_EQ(63u, std::strlen(out));
    EXPECT_STREQ("999999999999999949387135297074018866963645011013410073083904.00", out);
    EXPECT_EQ(63, FormatAmount(-1e300, out));
    EXPECT_EQ('-', out[0]);
    // The longest that fits: 2^196 has 60 digits, then point and decimals.
    EXPECT_EQ(63, FormatAmount(0x1p196, out));
    EXPECT_STREQ("100433627766186892221372630771322662657637687111424552206336.00", out);
}

TEST(FormatAmount, InfinityIsWrittenAsText)
{
    char out[kAmountTextCapacity];
    EXPECT_EQ(3, FormatAmount(HUGE_VAL, out));
    EXPECT_STREQ("inf", out);
}

} // namespace
