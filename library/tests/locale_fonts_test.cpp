// Face and character set of the list font by locale identifier.
#include "locale_fonts.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::u16string Face(uint32_t lcid) { return FaceNameByLocale(lcid); }

TEST(LocaleFontsTable, FaceOfEachLocaleRow)
{
    for (uint32_t lcid : {1028u, 2052u, 3076u, 4100u, 5124u})
        EXPECT_EQ(u"Simsun", Face(lcid)) << lcid;
    EXPECT_EQ(u"Msgothic", Face(1041));
    EXPECT_EQ(u"Gulim", Face(1042));
    EXPECT_EQ(u"Georgia", Face(1049));
    // Everything else keeps the fixed face, Russian of Moldova included.
    for (uint32_t lcid : {0u, 1033u, 2073u, 3082u, 1045u, 1032u, 6148u, 1043u, 0xFFFFFFFFu})
        EXPECT_EQ(u"Courier New", Face(lcid)) << lcid;
}

TEST(LocaleFontsTable, CharacterSetOfEachLocaleRow)
{
    for (uint32_t lcid : {1025u, 2049u, 3073u, 4097u, 5121u, 6145u, 7169u, 8193u, 9217u, 10241u, 11265u, 12289u,
                          13313u, 14337u, 15361u, 16385u})
        EXPECT_EQ(178, CharsetByLocale(lcid)) << lcid;
    for (uint32_t lcid : {1028u, 2052u, 3076u, 4100u, 5124u})
        EXPECT_EQ(134, CharsetByLocale(lcid)) << lcid;
    const uint32_t western[] = {1031,  1033,  1034,  1036,  1040,  1043,  2055,  2057,  2058,  2060,  2064,  2067,
                                3079,  3081,  3084,  4103,  4105,  4106,  4108,  5127,  5129,  5130,  5132,  6153,
                                6154,  7177,  7178,  8201,  8202,  9225,  9226,  10249, 10250, 11273, 11274, 12298,
                                13321, 13322, 14346, 15370, 16394, 17418, 18442, 19466, 20490};
    EXPECT_EQ(45u, sizeof western / sizeof western[0]);
    for (uint32_t lcid : western)
        EXPECT_EQ(238, CharsetByLocale(lcid)) << lcid;
    EXPECT_EQ(161, CharsetByLocale(1032)); // Greek
    EXPECT_EQ(177, CharsetByLocale(1037)); // Hebrew
    EXPECT_EQ(130, CharsetByLocale(1042)); // Korean: Johab, not Hangul
    EXPECT_EQ(186, CharsetByLocale(1045)); // Polish: Baltic, not East European
    EXPECT_EQ(204, CharsetByLocale(1049));
    EXPECT_EQ(204, CharsetByLocale(2073));
    EXPECT_EQ(162, CharsetByLocale(1055)); // Turkish
    EXPECT_EQ(163, CharsetByLocale(1066)); // Vietnamese
}

TEST(LocaleFontsTable, LocalesWithoutARowGiveAnsi)
{
    // Japanese, modern Spanish, Czech, Norwegian, neighbours of the ranges.
    for (uint32_t lcid : {1041u, 3082u, 1029u, 1044u, 1024u, 1026u, 1030u, 1035u, 1038u, 1039u, 1046u, 1048u,
                          1050u, 1056u, 1065u, 1067u, 2048u, 2050u, 2068u, 16386u, 20491u, 21514u, 0u})
        EXPECT_EQ(0, CharsetByLocale(lcid)) << lcid;
}

} // namespace
