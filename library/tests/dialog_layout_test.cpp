// The CE 3.0 screen class and guest layout, worked through by hand.
#include "dialog_layout.h"

#include <gtest/gtest.h>

#include <ostream>

std::ostream& operator<<(std::ostream& os, const LayoutRect& r)
{
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}

namespace {

TEST(Ce30Screen, SmallBelow480WideOr640High)
{
    struct Case {
        int w, h;
        bool large;
    } cases[] = {{240, 320, false}, {640, 480, false}, {479, 800, false}, {480, 639, false},
                 {480, 640, true},  {480, 800, true},  {1024, 768, true}};
    for (const Case& c : cases) {
        const Ce30Screen s = Ce30ScreenFor(c.w, c.h);
        EXPECT_EQ(c.large, s.large) << c.w << "x" << c.h;
        EXPECT_EQ(c.large ? 2 : 1, s.g) << c.w << "x" << c.h;
        EXPECT_EQ(c.large ? 52 : 26, s.taskBarHeight) << c.w << "x" << c.h;
    }
}

TEST(Ce30GuestLayout, SmallScreen)
{
    // 240 x 320 risen by 26: R 240, B 320, H 346.
    const GuestLayout l = LayOutGuestCe30(240, 320, 346, Ce30ScreenFor(240, 320));
    EXPECT_EQ((LayoutRect{0, 0, 240, 25}), l.title);
    EXPECT_EQ((LayoutRect{0, 30, 240, 85}), l.list);
    EXPECT_EQ((LayoutRect{10, 90, 26, 115}), l.icon);
    EXPECT_EQ((LayoutRect{30, 85, 200, 110}), l.messageIndicator);
    EXPECT_EQ((LayoutRect{30, 110, 200, 135}), l.locatorIndicator);
    // t1 = 173, hb = (320 - 173) x 0.33 = 48, u = 80.
    EXPECT_EQ((LayoutRect{2, 173, 78, 221}), l.functions[0]);
    EXPECT_EQ((LayoutRect{82, 173, 158, 221}), l.functions[1]);
    EXPECT_EQ((LayoutRect{162, 173, 238, 221}), l.functions[2]);
    EXPECT_EQ((LayoutRect{2, 221, 78, 269}), l.functions[3]);
    EXPECT_EQ((LayoutRect{162, 221, 238, 269}), l.functions[5]);
    EXPECT_EQ((LayoutRect{2, 269, 238, 317}), l.exit);
}

TEST(Ce30GuestLayout, LargeScreen)
{
    // 480 x 800 risen by 52: H 852; t1 = 426, hb = (800 - 426) x 0.33 = 123.
    const GuestLayout l = LayOutGuestCe30(480, 800, 852, Ce30ScreenFor(480, 800));
    EXPECT_EQ((LayoutRect{0, 30, 480, 124}), l.list);
    EXPECT_EQ((LayoutRect{10, 129, 52, 179}), l.icon);
    EXPECT_EQ((LayoutRect{60, 119, 400, 169}), l.messageIndicator);
    EXPECT_EQ((LayoutRect{60, 169, 400, 219}), l.locatorIndicator);
    EXPECT_EQ((LayoutRect{2, 426, 158, 549}), l.functions[0]);
    EXPECT_EQ((LayoutRect{322, 549, 478, 672}), l.functions[5]);
    EXPECT_EQ((LayoutRect{2, 672, 478, 795}), l.exit);
}

} // namespace
