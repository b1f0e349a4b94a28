// Cutting text lists into lines (display rule) and items (list rule).
#include "text_list.h"

#include <gtest/gtest.h>

namespace {

using Pieces = std::vector<std::u16string>;
constexpr int kSep = 0x1C;

Pieces Lines(std::u16string_view text) { return SplitTextList(text, kSep, LastPiece::KeepIfNotEmpty); }
Pieces Items(std::u16string_view text) { return SplitTextList(text, kSep, LastPiece::Drop); }

TEST(SplitTextList, EmptyTextHasNoPieces)
{
    EXPECT_EQ(Pieces{}, Lines(u""));
    EXPECT_EQ(Pieces{}, Items(u""));
}

TEST(SplitTextList, OneSeparatorIsOneEmptyPiece)
{
    EXPECT_EQ(Pieces{u""}, Lines(u"\x1C"));
    EXPECT_EQ(Pieces{u""}, Items(u"\x1C"));
}

TEST(SplitTextList, LastPieceWithoutSeparator)
{
    EXPECT_EQ((Pieces{u"M\u00fcller", u"\u00c5se \u20ac"}), Lines(u"M\u00fcller\x1C\u00c5se \u20ac"));
    EXPECT_EQ((Pieces{u"M\u00fcller"}), Items(u"M\u00fcller\x1C\u00c5se \u20ac"));
}

TEST(SplitTextList, LastPieceClosedBySeparator)
{
    EXPECT_EQ((Pieces{u"M\u00fcller", u"\u00c5se"}), Lines(u"M\u00fcller\x1C\u00c5se\x1C"));
    EXPECT_EQ((Pieces{u"M\u00fcller", u"\u00c5se"}), Items(u"M\u00fcller\x1C\u00c5se\x1C"));
}

TEST(SplitTextList, EmptyPiecesBetweenAndAtTheStart)
{
    EXPECT_EQ((Pieces{u"\u00e9", u"", u"\u00f1"}), Lines(u"\u00e9\x1C\x1C\u00f1"));
    EXPECT_EQ((Pieces{u"\u00e9", u""}), Items(u"\u00e9\x1C\x1C\u00f1"));
    EXPECT_EQ((Pieces{u"", u"\u00e9"}), Lines(u"\x1C\u00e9"));
    EXPECT_EQ((Pieces{u"", u"\u00e9"}), Items(u"\x1C\u00e9\x1C"));
}

TEST(SplitTextList, OnlyTheSeparatorUnitCuts)
{
    // 0x1C in the high byte of a unit, or other control units, do not cut.
    EXPECT_EQ((Pieces{u"a\u1C00b\x1D\x1B"}), Lines(u"a\u1C00b\x1D\x1B"));
}

} // namespace
