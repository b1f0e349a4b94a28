// The Win32 build's sizes and layouts, worked through by hand.
#include "win32_layout.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const LayoutRect& r);

namespace {

TEST(Win32Sizes, HostClientOrScreenLessForty)
{
    const Win32Sizes hosted = Win32SizesFor({700, 500, 33, 47}, 1024, 768);
    EXPECT_EQ(700, hosted.W);
    EXPECT_EQ(500, hosted.H);
    EXPECT_EQ(700, hosted.Wr);
    EXPECT_EQ(500, hosted.Hr);
    const Win32Sizes alone = Win32SizesFor({0, 0, 0, 0}, 1024, 768);
    EXPECT_EQ(984, alone.W);
    EXPECT_EQ(728, alone.H);
    EXPECT_EQ(1024, alone.Wr) << "thresholds compare the full screen";
    EXPECT_EQ(768, alone.Hr);
    EXPECT_FALSE((HostGeometry{0, 300, 5, 5}.found())) << "a host without client width does not count";
}

TEST(Win32DisplayLayout, ButtonRowAndList)
{
    // W 984, H 728: u = 35.
    const Win32DisplayLayout l = LayOutDisplayWin32(984, 728);
    EXPECT_EQ((LayoutRect{0, 0, 984, 633}), l.list);
    EXPECT_EQ((LayoutRect{175, 638, 350, 688}), l.exit);
    EXPECT_EQ((LayoutRect{385, 638, 560, 688}), l.back);
    EXPECT_EQ((LayoutRect{595, 638, 805, 688}), l.print);
    EXPECT_EQ((LayoutRect{5, 638, 85, 688}), l.pageDown);
    EXPECT_EQ((LayoutRect{899, 638, 979, 688}), l.pageUp);
}

TEST(Win32ListLayout, EightButtonsInTenUnits)
{
    // W 760, H 560: u = 76.
    const Win32ListLayout l = LayOutListWin32(760, 560);
    EXPECT_EQ((LayoutRect{0, 0, 760, 30}), l.title);
    EXPECT_EQ((LayoutRect{0, 35, 760, 465}), l.list);
    EXPECT_EQ((LayoutRect{2, 470, 74, 520}), l.arrows[0]);
    EXPECT_EQ((LayoutRect{78, 470, 150, 520}), l.arrows[1]);
    EXPECT_EQ((LayoutRect{154, 470, 226, 520}), l.arrows[2]);
    EXPECT_EQ((LayoutRect{230, 470, 378, 520}), l.ok);
    EXPECT_EQ((LayoutRect{382, 470, 530, 520}), l.abort);
    EXPECT_EQ((LayoutRect{534, 470, 606, 520}), l.arrows[3]);
    EXPECT_EQ((LayoutRect{610, 470, 682, 520}), l.arrows[4]);
    EXPECT_EQ((LayoutRect{686, 470, 755, 520}), l.arrows[5]);
}

TEST(Win32GuestLayout, TallAndCompactRows)
{
    // W 984, H 728, Hr 768: q = 246.
    const Win32GuestLayout tall = LayOutGuestWin32(984, 728, 768);
    EXPECT_EQ((LayoutRect{0, 35, 984, 65}), tall.line1);
    EXPECT_EQ((LayoutRect{0, 70, 984, 105}), tall.line2);
    EXPECT_EQ((LayoutRect{50, 120, 66, 136}), tall.icon);
    EXPECT_EQ((LayoutRect{70, 118, 270, 138}), tall.messageIndicator);
    EXPECT_EQ((LayoutRect{502, 118, 702, 138}), tall.locatorIndicator);
    EXPECT_EQ((LayoutRect{10, 170, 236, 270}), tall.functions[0]);
    EXPECT_EQ((LayoutRect{748, 170, 974, 270}), tall.functions[3]);
    EXPECT_EQ((LayoutRect{502, 280, 728, 380}), tall.functions[4]);
    EXPECT_EQ((LayoutRect{748, 280, 974, 380}), tall.functions[5]);
    EXPECT_EQ((LayoutRect{10, 598, 974, 698}), tall.exit);
    // 800 x 600 without host: W 760, H 560, Hr 600; q = 190.
    const Win32GuestLayout compact = LayOutGuestWin32(760, 560, 600);
    EXPECT_EQ((LayoutRect{200, 170, 370, 240}), compact.functions[1]);
    EXPECT_EQ((LayoutRect{390, 250, 560, 320}), compact.functions[4]);
    EXPECT_EQ((LayoutRect{10, 460, 750, 530}), compact.exit);
}

} // namespace
