// Date and time formatting, the command line's pieces and the small text
// routines; platform-free, so also run natively under the sanitizers.
#include <gtest/gtest.h>

#include <climits>

#include "command_line.h"
#include "date_time_format.h"
#include "sysutils.h"

namespace {

const TDateTimeParts kMorning{2026, 12, 8, 6, 12, 7};

TEST(FormatDateTime, TheClockFormatWithEitherSeparators)
{
    EXPECT_EQ("08.12.2026 / 06:12:07", FormatDateTimeParts("dd.mm.yyy / hh:mm:ss", kMorning, '/', ':'));
    EXPECT_EQ("08.12.2026 . 06:12:07", FormatDateTimeParts("dd.mm.yyy / hh:mm:ss", kMorning, '.', ':'));
    EXPECT_EQ("08.12.2026 - 06.12.07", FormatDateTimeParts("dd.mm.yyy / hh:mm:ss", kMorning, '-', '.'));
}

TEST(FormatDateTime, TokensAndTheMinutesRule)
{
    const TDateTimeParts late{1999, 3, 4, 23, 5, 9};
    EXPECT_EQ("4.3.99", FormatDateTimeParts("d.m.yy", late, '/', ':'));
    EXPECT_EQ("1999 1999", FormatDateTimeParts("yyyy YYY", late, '/', ':'));
    EXPECT_EQ("23:05 03", FormatDateTimeParts("hh:mm mm", late, '/', ':'));  // after hh, mm is minutes
    EXPECT_EQ("23h05", FormatDateTimeParts("h'h'nn", late, '/', ':'));
    EXPECT_EQ("9s dd/mm", FormatDateTimeParts("s\"s dd/mm\"", late, '.', ':'));
    EXPECT_EQ("03-04", FormatDateTimeParts("MM-DD", late, '/', ':'));
    EXPECT_EQ("", FormatDateTimeParts("", late, '/', ':'));
    EXPECT_EQ("xd/m", FormatDateTimeParts("x'd/m", late, '.', ':'));  // an open quote runs to the end
}

TEST(CommandLine, PiecesAndQuotes)
{
    EXPECT_EQ((std::vector<AnsiString>{"rilo_setup.exe", "/install"}), SplitCommandLine("rilo_setup.exe /install"));
    EXPECT_EQ((std::vector<AnsiString>{"C:\\Program Files\\rilo_setup.exe", "/INSTALL", "a b", "c"}),
              SplitCommandLine("\"C:\\Program Files\\rilo_setup.exe\"  /INSTALL\t\"a b\" c  "));
    EXPECT_EQ((std::vector<AnsiString>{"x", "abcd"}), SplitCommandLine("x ab\"cd\""));
    EXPECT_TRUE(SplitCommandLine("   ").empty());
}

#ifdef _WIN32
TEST(CommandLine, TheTestLineReplacesTheProgramsOwn)
{
    SetCommandLineForTesting("prog /install other");
    EXPECT_EQ(2, ParamCount());
    EXPECT_EQ("/install", ParamStr(1));
    EXPECT_EQ("other", ParamStr(2));
    EXPECT_EQ("", ParamStr(3));
    EXPECT_EQ("", ParamStr(-1));
    SetCommandLineForTesting("");
}
#endif

TEST(TextRoutines, TrimCaseAndNumbers)
{
    EXPECT_EQ("VAT", Trim(" \t VAT\r\n "));
    EXPECT_EQ("a b", Trim("a b"));
    EXPECT_EQ("", Trim("\x01 \x1f"));
    EXPECT_EQ("\xe9t\xe9", Trim("\xe9t\xe9"));  // characters above 127 are no blanks
    EXPECT_EQ("/INSTALL \xe4", UpperCase("/install \xe4"));
    EXPECT_EQ("/install \xc4", LowerCase("/INSTALL \xc4"));
    EXPECT_EQ("-2147483648", IntToStr(INT_MIN));
    EXPECT_EQ("0", IntToStr(0));
    EXPECT_EQ("412", IntToStr(412));
}

}  // namespace
