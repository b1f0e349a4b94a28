// Formatted assignment of the string class, for the formats the library uses.
#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

TEST(CStringFormat, WideAndNarrowTexts)
{
    CString s;
    s.Format(L"Zenta Rilo V%s", L"4.1 \u00e9");
    EXPECT_STREQ(L"Zenta Rilo V4.1 \u00e9", s);
    s.Format(L"Zenta Rilo V.%S", "4.10 \xe9");
    EXPECT_STREQ(L"Zenta Rilo V.4.10 \u00e9", s);
    s.Format(L"%s|%S", static_cast<const wchar_t*>(nullptr), static_cast<const char*>(nullptr));
    EXPECT_STREQ(L"(null)|(null)", s);
}

TEST(CStringFormat, NumbersAndPercent)
{
    CString s;
    s.Format(L"%d %u %x 100%%", -42, 7u, 255u);
    EXPECT_STREQ(L"-42 7 ff 100%", s);
}

TEST(CStringFormat, ReplacesTheWholeText)
{
    CString s(L"old text that is long");
    s.Format(L"%S", "");
    EXPECT_TRUE(s.IsEmpty());
    s += L'a';
    s += CString(L"bc");
    EXPECT_STREQ(L"abc", s);
    EXPECT_EQ(3, s.GetLength());
}

} // namespace
