#include "locale_fonts.h"

#include <algorithm>
#include <initializer_list>

namespace {

bool In(uint32_t lcid, std::initializer_list<uint32_t> set) { return std::find(set.begin(), set.end(), lcid) != set.end(); }

} // namespace

const char16_t* FaceNameByLocale(uint32_t lcid)
{
    if (In(lcid, {1028, 2052, 3076, 4100, 5124}))
        return u"Simsun";
    if (lcid == 1041)
        return u"Msgothic";
    if (lcid == 1042)
        return u"Gulim";
    if (lcid == 1049)
        return u"Georgia";
    return u"Courier New";
}

int CharsetByLocale(uint32_t lcid)
{
    if (In(lcid, {1025, 2049, 3073, 4097, 5121, 6145, 7169, 8193, 9217, 10241, 11265, 12289, 13313, 14337, 15361,
                  16385}))
        return 178; // ARABIC_CHARSET
    if (In(lcid, {1028, 2052, 3076, 4100, 5124}))
        return 134; // GB2312_CHARSET
    // The Western European locales are mapped to the East European set.
    if (In(lcid, {1031, 1033, 1034, 1036, 1040, 1043, 2055, 2057, 2058, 2060, 2064, 2067, 3079, 3081, 3084,
                  4103, 4105, 4106, 4108, 5127, 5129, 5130, 5132, 6153, 6154, 7177, 7178, 8201, 8202, 9225,
                  9226, 10249, 10250, 11273, 11274, 12298, 13321, 13322, 14346, 15370, 16394, 17418, 18442,
                  19466, 20490}))
        return 238; // EASTEUROPE_CHARSET
    if (lcid == 1032)
        return 161; // GREEK_CHARSET
    if (lcid == 1037)
        return 177; // HEBREW_CHARSET
    if (lcid == 1042)
        return 130; // JOHAB_CHARSET
    if (lcid == 1045)
        return 186; // BALTIC_CHARSET
    if (lcid == 1049 || lcid == 2073)
        return 204; // RUSSIAN_CHARSET
    if (lcid == 1055)
        return 162; // TURKISH_CHARSET
    if (lcid == 1066)
        return 163; // VIETNAMESE_CHARSET
    return 0;       // ANSI_CHARSET
}
