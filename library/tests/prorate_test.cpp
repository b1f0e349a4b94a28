// Prorating arithmetic, both single-precision rules.
#include "prorate.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

constexpr SingleRounding kBoth[] = {SingleRounding::Operands, SingleRounding::Result};

std::vector<int32_t> Prorated(std::vector<int32_t> values, int32_t part, int32_t total, SingleRounding r)
{
    ProrateArray(values.data(), static_cast<int32_t>(values.size()), ProrateFactor(part, total, r), r);
    return values;
}

TEST(ProrateValue, RoundsHalfAwayFromZeroOnTheFraction)
{
    for (SingleRounding r : kBoth) {
        const float half = ProrateFactor(1, 2, r);
        EXPECT_EQ(4, ProrateValue(7, half, r));
        EXPECT_EQ(-4, ProrateValue(-7, half, r));
        EXPECT_EQ(3, ProrateValue(5, half, r)); // 2.5 goes up, not to even
        EXPECT_EQ(-3, ProrateValue(-5, half, r));
        EXPECT_EQ(1, ProrateValue(1, half, r));
        EXPECT_EQ(3, ProrateValue(34999, ProrateFactor(1, 10000, r), r));
        EXPECT_EQ(-3, ProrateValue(-34999, ProrateFactor(1, 10000, r), r));
        EXPECT_EQ(0, ProrateValue(0, half, r));
        EXPECT_EQ(-4, ProrateValue(7, ProrateFactor(-1, 2, r), r));
    }
}

TEST(ProrateValue, SaturatesBeyondTheIntegerRange)
{
    for (SingleRounding r : kBoth) {
        EXPECT_EQ(INT_MAX, ProrateValue(INT_MAX, ProrateFactor(2, 1, r), r));
        EXPECT_EQ(INT_MIN, ProrateValue(INT_MIN, ProrateFactor(2, 1, r), r));
        EXPECT_EQ(INT_MIN, ProrateValue(INT_MAX, ProrateFactor(-3, 1, r), r));
    }
}

TEST(ProrateValue, RulesAgreeUpTo2Pow24AndDifferBeyond)
{
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < 200000; ++i) {
        const int32_t value = static_cast<int32_t>(next() % 33554433u) - 16777216;
        const int32_t total = static_cast<int32_t>(next() % 4000u) + 1;
        const int32_t part = static_cast<int32_t>(next() % 4001u) - 2000;
        const int32_t ce = ProrateValue(value, ProrateFactor(part, total, SingleRounding::Operands),
                                        SingleRounding::Operands);
        const int32_t win32 = ProrateValue(value, ProrateFactor(part, total, SingleRounding::Result),
                                           SingleRounding::Result);
        ASSERT_EQ(ce, win32) << value << " * " << part << " / " << total;
    }
    // 16777217 is no single: the CE rule sees 16777216 before multiplying.
    EXPECT_EQ(12582912, ProrateValue(16777217, ProrateFactor(3, 4, SingleRounding::Operands), SingleRounding::Operands));
    EXPECT_EQ(12582913, ProrateValue(16777217, ProrateFactor(3, 4, SingleRounding::Result), SingleRounding::Result));
    // A total beyond 2^24 changes the factor itself.
    EXPECT_EQ(999999744, ProrateValue(1000000000, ProrateFactor(16777217, 16777219, SingleRounding::Operands),
                                      SingleRounding::Operands));
    EXPECT_EQ(999999872, ProrateValue(1000000000, ProrateFactor(16777217, 16777219, SingleRounding::Result),
                                      SingleRounding::Result));
}

TEST(ProrateValue, Win32RuleRoundsTheExactResultOnce)
{
    // Rounding through a double first would give 1549095936 here.
    const float factor = ProrateFactor(16777213, 16777216, SingleRounding::Result);
    EXPECT_EQ(16777213.0f / 16777216.0f, factor);
    EXPECT_EQ(1549096064, ProrateValue(1549096277, factor, SingleRounding::Result));
    EXPECT_EQ(-1549096064, ProrateValue(-1549096277, factor, SingleRounding::Result));
    // The double quotient of these lies exactly halfway between two singles;
    // the exact quotient lies above it.
    EXPECT_EQ(0x1.555556p-1f, ProrateFactor(715827874, 1073741827, SingleRounding::Result));
    EXPECT_EQ(-0x1.555556p-1f, ProrateFactor(-715827874, 1073741827, SingleRounding::Result));
    EXPECT_EQ(-0x1.555556p-1f, ProrateFactor(715827874, -1073741827, SingleRounding::Result));
    // Exact quotients and products stay as they are.
    EXPECT_EQ(0.5f, ProrateFactor(1, 2, SingleRounding::Result));
    EXPECT_EQ(0.0f, ProrateFactor(0, 7, SingleRounding::Result));
    EXPECT_EQ(0, ProrateValue(123456789, 0.0f, SingleRounding::Result));
    EXPECT_EQ(0, ProrateValue(-123456789, -0.0f, SingleRounding::Result));
    EXPECT_EQ(-1, ProrateValue(1, ProrateFactor(-2147483647 - 1, 2147483647, SingleRounding::Result),
                               SingleRounding::Result));
}

TEST(ProrateArray, PutsTheRemainderOnTheFirstNonZeroElement)
{
    for (SingleRounding r : kBoth) {
        EXPECT_EQ((std::vector<int32_t>{3, 4, 4}), Prorated({7, 7, 7}, 1, 2, r));
        EXPECT_EQ((std::vector<int32_t>{4, 3, 3}), Prorated({10, 10, 10}, 1, 3, r));
        EXPECT_EQ((std::vector<int32_t>{0, 4, 3, 3}), Prorated({0, 10, 10, 10}, 1, 3, r));
        EXPECT_EQ((std::vector<int32_t>{0, 0, 0}), Prorated({1, 1, 1}, 1, 3, r));
        EXPECT_EQ((std::vector<int32_t>{0, 0, 0, 0, 0, 0}), Prorated({1, 1, 1, 1, 1, 1}, 1, 4, r));
        EXPECT_EQ((std::vector<int32_t>{-3, -4, -4}), Prorated({7, 7, 7}, -1, 2, r));
        EXPECT_EQ((std::vector<int32_t>{-3, -4, -4}), Prorated({-7, -7, -7}, 1, 2, r));
    }
}

TEST(ProrateArray, FactorOneKeepsValuesUntilTheSumPasses2Pow24)
{
    for (SingleRounding r : kBoth) {
        EXPECT_EQ((std::vector<int32_t>{16777215, 1, -5}), Prorated({16777215, 1, -5}, 9, 9, r));
        // The target is a single: 16777217 becomes 16777216, so the first
        // element carries the difference.
        EXPECT_EQ((std::vector<int32_t>{16777214, 2}), Prorated({16777215, 2}, 9, 9, r));
    }
}

TEST(ProrateArray, CountOfZeroOrLessReadsNothing)
{
    for (SingleRounding r : kBoth) {
        ProrateArray(nullptr, 0, 0.5f, r);
        ProrateArray(nullptr, -3, 0.5f, r);
    }
    SUCCEED() << "a null array was not touched";
}

TEST(ProrateArray, RunningSumsWrapAround)
{
    // The unscaled sum wraps to INT_MIN; both sums must wrap the same way.
    for (SingleRounding r : kBoth)
        EXPECT_EQ((std::vector<int32_t>{INT_MAX, 1}), Prorated({INT_MAX, 1}, 1, 1, r));
}

} // namespace
