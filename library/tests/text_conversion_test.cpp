// The exports' text conversions and the cutting of text lists, on narrow
// texts in the ANSI code page (1252 here) with characters beyond ASCII.
#include "text_conversion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Pieces(const char* narrow, LastPiece rule)
{
    std::vector<std::wstring> pieces;
    ForEachPiece(CodePageText(narrow), rule,
                 [&pieces](const CString& piece) { pieces.emplace_back(static_cast<const wchar_t*>(piece)); });
    return pieces;
}

using W = std::vector<std::wstring>;

TEST(TextConversion, AnsiCodePageIsWestern)
{
    ASSERT_EQ(1252u, GetACP()) << "the expectations below are written for code page 1252";
}

TEST(TextConversion, CodePageTextConvertsAnsiCharacters)
{
    EXPECT_STREQ(L"M\u00fcller \u20ac 5", CodePageText("M\xfcller \x80 5"));
    EXPECT_STREQ(L"", CodePageText(""));
    const std::string longText(5000, '\xe9');
    const CString converted = CodePageText(longText.c_str());
    ASSERT_EQ(5000, converted.GetLength());
    EXPECT_EQ(L'\u00e9', converted.GetAt(4999));
}

TEST(TextConversion, FormattedTextUsesTheFormat)
{
    EXPECT_STREQ(L"Zenta Rilo V.4.10", FormattedText(L"Zenta Rilo V.%S", "4.10"));
    EXPECT_STREQ(L"Zimmer \u00e4", FormattedText(L"%S", "Zimmer \xe4"));
    EXPECT_STREQ(L"100%", FormattedText(L"%S%%", "100"));
}

TEST(TextListPieces, DisplayRule)
{
    EXPECT_EQ(W{}, Pieces("", LastPiece::KeepIfNotEmpty));
    EXPECT_EQ(W{L""}, Pieces("\x1c", LastPiece::KeepIfNotEmpty));
    EXPECT_EQ((W{L"\u00c4", L"\u00d6"}), Pieces("\xc4\x1c\xd6", LastPiece::KeepIfNotEmpty));
    EXPECT_EQ((W{L"\u00c4", L"\u00d6"}), Pieces("\xc4\x1c\xd6\x1c", LastPiece::KeepIfNotEmpty));
    EXPECT_EQ((W{L"\u00c4", L"", L"\u00d6"}), Pieces("\xc4\x1c\x1c\xd6", LastPiece::KeepIfNotEmpty));
    EXPECT_EQ((W{L"", L"\u00d6"}), Pieces("\x1c\xd6", LastPiece::KeepIfNotEmpty));
}

TEST(TextListPieces, ListRule)
{
    EXPECT_EQ(W{}, Pieces("", LastPiece::Drop));
    EXPECT_EQ(W{L""}, Pieces("\x1c", LastPiece::Drop));
    EXPECT_EQ((W{L"\u00c4"}), Pieces("\xc4\x1c\xd6", LastPiece::Drop));
    EXPECT_EQ((W{L"\u00c4", L"\u00d6"}), Pieces("\xc4\x1c\xd6\x1c", LastPiece::Drop));
    EXPECT_EQ((W{L"\u00c4", L"", L"\u00d6"}), Pieces("\xc4\x1c\x1c\xd6\x1c", LastPiece::Drop));
    EXPECT_EQ((W{L"", L"\u00d6"}), Pieces("\x1c\xd6\x1c", LastPiece::Drop));
}

} // namespace
