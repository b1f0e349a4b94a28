// The underlined letter of a caption; platform-free, so also run natively.
#include <gtest/gtest.h>

#include "mnemonic.h"

namespace {

TEST(Mnemonic, TheLetterAfterTheFirstSingleAmpersand)
{
    EXPECT_EQ('S', MnemonicOf("&Save Setup"));
    EXPECT_EQ('x', MnemonicOf("E&xit"));
    EXPECT_EQ('x', MnemonicOf("Save && E&xit"));   // "&&" is a plain "&"
    EXPECT_EQ('D', MnemonicOf("R&&&D"));           // a plain "&", then "&D"
    EXPECT_EQ('a', MnemonicOf("&a &b"));
    EXPECT_EQ(0, MnemonicOf("Tax && Service"));
    EXPECT_EQ(0, MnemonicOf("Trailing&"));
    EXPECT_EQ(0, MnemonicOf(""));
}

TEST(Mnemonic, KeysMatchInEitherCase)
{
    EXPECT_TRUE(IsAccel('s', "&Save Setup"));
    EXPECT_TRUE(IsAccel('S', "&Save Setup"));
    EXPECT_TRUE(IsAccel('X', "E&xit"));
    EXPECT_FALSE(IsAccel('E', "E&xit"));
    EXPECT_FALSE(IsAccel('&', "Tax && Service"));
    EXPECT_FALSE(IsAccel(0, "Tax"));
    EXPECT_TRUE(IsAccel('1', "Tender &1"));
    EXPECT_FALSE(IsAccel('\xe4', "&\xc4nderung"));  // only a to z fold
    EXPECT_TRUE(IsAccel('\xc4', "&\xc4nderung"));
}

}  // namespace
