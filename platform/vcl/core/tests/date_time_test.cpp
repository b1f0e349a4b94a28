// The Windows side of the date, time and command-line routines: the user's
// locale separators read at each call, the clock, and the program's own
// command line.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "command_line.h"
#include "date_time.h"

namespace {

// Sets one value of the user's locale for a test and puts the old value
// back whatever the test does: the Wine prefix outlives the run.
class LocaleValue {
public:
    LocaleValue(LCTYPE type, const char* value) : type_(type)
    {
        char old[16] = "";
        GetLocaleInfoA(LOCALE_USER_DEFAULT, type, old, sizeof old);
        old_ = old;
        set_ = SetLocaleInfoA(LOCALE_USER_DEFAULT, type, value) != FALSE;
    }
    ~LocaleValue() { SetLocaleInfoA(LOCALE_USER_DEFAULT, type_, old_.c_str()); }
    LocaleValue(const LocaleValue&) = delete;
    LocaleValue& operator=(const LocaleValue&) = delete;
    bool Set() const { return set_; }

private:
    LCTYPE type_;
    std::string old_;
    bool set_ = false;
};

const SYSTEMTIME kMorning = {2026, 12, 2, 8, 6, 12, 7, 0};

TEST(FormatDateTime, TakesTheSeparatorsTheUserLocaleHasAtTheTimeOfTheCall)
{
    {
        LocaleValue date(LOCALE_SDATE, ".");
        LocaleValue time(LOCALE_STIME, ":");
        ASSERT_TRUE(date.Set() && time.Set());
        EXPECT_EQ("08.12.2026 . 06:12:07", FormatDateTime("dd.mm.yyy / hh:mm:ss", kMorning));
    }
    {
        LocaleValue date(LOCALE_SDATE, "/");
        ASSERT_TRUE(date.Set());
        EXPECT_EQ("08.12.2026 / 06:12:07", FormatDateTime("dd.mm.yyy / hh:mm:ss", kMorning));
        LocaleValue time(LOCALE_STIME, "-");
        ASSERT_TRUE(time.Set());
        EXPECT_EQ("06-12-07 8/12/26", FormatDateTime("hh:nn:ss d/m/yy", kMorning));
    }
}

TEST(FormatDateTime, TheSettingGoesBackAfterwards)
{
    char before[16] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, before, sizeof before);
    const std::string other = std::string(before) == "-" ? "." : "-";
    {
        LocaleValue date(LOCALE_SDATE, other.c_str());
        ASSERT_TRUE(date.Set());
        EXPECT_EQ("08" + other + "12", FormatDateTime("dd/mm", kMorning));
    }
    char after[16] = "";
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, after, sizeof after);
    EXPECT_STREQ(before, after);
}

ULONGLONG Ticks(const SYSTEMTIME& t)
{
    FILETIME f;
    SystemTimeToFileTime(&t, &f);
    return (static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
}

TEST(Now, IsTheLocalClock)
{
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const SYSTEMTIME now = Now();
    GetLocalTime(&after);
    EXPECT_LE(Ticks(before), Ticks(now));
    EXPECT_LE(Ticks(now), Ticks(after));
}

TEST(CommandLine, TheProgramsOwnLineAndFile)
{
    SetCommandLineForTesting("");
    // The runtime's own reading of the line agrees for plain arguments.
    ASSERT_EQ(__argc - 1, ParamCount());
    for (int i = 1; i < __argc; ++i)
        EXPECT_EQ(__argv[i], ParamStr(i));
    EXPECT_EQ("", ParamStr(__argc));

    const AnsiString program = ParamStr(0);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(program.c_str())) << program;
    const AnsiString name = program.substr(program.find_last_of("\\/") + 1);
    EXPECT_EQ(0, lstrcmpiA("vcl_text_test.exe", name.c_str())) << program;

    // The test line does not change what the program file is.
    SetCommandLineForTesting("other.exe /install");
    EXPECT_EQ(program, ParamStr(0));
    EXPECT_EQ("/install", ParamStr(1));
    SetCommandLineForTesting("");
    EXPECT_EQ(__argc - 1, ParamCount());
}

}  // namespace
