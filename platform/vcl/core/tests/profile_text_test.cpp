// Keys written into the text of a settings file: where each one lands, and
// that nothing else of the file changes.
#include <gtest/gtest.h>

#include "profile_text.h"

namespace {

struct Case {
    const char* name;
    const char* before;
    std::vector<ProfileWrite> writes;
    const char* after;
};

TEST(ProfileText, KeysLandWhereTheProfileFunctionsPutThem)
{
    const Case cases[] = {
        {"new file", "",
         {{"POSTING", "A", "1"}, {"POSTING", "B", ""}, {"COMMON", "C", "x"}, {"POSTING", "D", "y"}},
         "[POSTING]\r\nA=1\r\nB=\r\nD=y\r\n[COMMON]\r\nC=x\r\n"},
        {"existing keys in place, new ones at their section's end",
         "; comment\r\n[Posting]\r\nCUSTOM=  keep me  \r\n A = 5\r\n\r\n[OTHER]\nk=v\n[LAST]\r\nz=1",
         {{"POSTING", "a", "2"}, {"POSTING", "NEW", "n"}, {"last", "q", "9"}, {"ADDED", "r", "8"}},
         "; comment\r\n[Posting]\r\nCUSTOM=  keep me  \r\nA=2\r\nNEW=n\r\n\r\n[OTHER]\nk=v\n[LAST]\r\nz=1\r\nq=9\r\n"
         "[ADDED]\r\nr=8\r\n"},
        {"only the first section and key of a name",
         "[S]\r\n;x=1\r\nx=1\r\nx=2\r\n[S]\r\nx=3\r\n", {{"S", "X", "0"}},
         "[S]\r\n;x=1\r\nx=0\r\nx=2\r\n[S]\r\nx=3\r\n"},
        {"line breaks in a value stay on its line",
         "[LOCATOR]\r\nRVCS=10,\r\n", {{"LOCATOR", "DTL1", "5,Bar\r\n[POSTING]\r\nTAX_OR_VAT=1\n"}},
         "[LOCATOR]\r\nRVCS=10,\r\nDTL1=5,Bar  [POSTING]  TAX_OR_VAT=1 \r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.after, ApplyProfileWrites(c.before, c.writes)) << c.name;
}

TEST(ProfileText, AZeroCharacterEndsAValue)
{
    EXPECT_EQ("ab", ProfileLineValue(std::string("ab\0[X]", 6)));
    EXPECT_EQ("a  b ", ProfileLineValue("a\r\nb\r"));
}

}  // namespace
