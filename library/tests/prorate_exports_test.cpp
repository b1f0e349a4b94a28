// The prorating exports of every build, called through the DLL boundary as
// the POS script engine calls them.
#include "library_loader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using DoProrateFn = int (*)(const char*, const char*, const char*, char*);
using ProrateExFn = void (*)(int, int, int*, int, int*, int, int*, int*, int*, int*);

// Two pages: the first readable and writable, the second never accessible,
// so that data placed at the end of the first runs into a fault.
class FencedPage {
public:
    FencedPage()
    {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        m_size = info.dwPageSize;
        m_base = static_cast<char*>(VirtualAlloc(nullptr, 2 * m_size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(m_base + m_size, m_size, PAGE_NOACCESS, &old);
    }
    ~FencedPage() { VirtualFree(m_base, 0, MEM_RELEASE); }

    // n ints that end right at the fence, holding values.
    int* IntsBeforeFence(const std::vector<int>& values)
    {
        int* at = reinterpret_cast<int*>(m_base + m_size) - values.size();
        std::memcpy(at, values.data(), values.size() * sizeof(int));
        return at;
    }
    char* BytesBeforeFence(size_t n) { return m_base + m_size - n; }
    int* Fence() { return reinterpret_cast<int*>(m_base + m_size); }
    void Protect(DWORD protection)
    {
        DWORD old;
        VirtualProtect(m_base, m_size, protection, &old);
    }

private:
    char* m_base = nullptr;
    size_t m_size = 0;
};

struct Result {
    std::vector<int> a1, a2;
    int v1, v2, v3, status;
};

class ProrateExports : public testing::TestWithParam<Flavour> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_library.ok()) << GetParam().path;
        m_doProrate = m_library.Export<DoProrateFn>("do_prorate");
        m_prorateEx = m_library.Export<ProrateExFn>("ProrateEx");
        ASSERT_NE(nullptr, m_doProrate);
        ASSERT_NE(nullptr, m_prorateEx);
    }

    std::string DoProrate(const char* total, const char* part, const char* amount, int expectedLength)
    {
        char buffer[64 + 16];
        std::memset(buffer, 0x5A, sizeof buffer);
        const int written = m_doProrate(total, part, amount, buffer);
        EXPECT_EQ(expectedLength, written);
        for (size_t i = 64; i < sizeof buffer; ++i)
            EXPECT_EQ(0x5A, static_cast<unsigned char>(buffer[i])) << "byte " << i << " touched";
        EXPECT_EQ(std::strlen(buffer), static_cast<size_t>(written));
        return buffer;
    }

    Result ProrateEx(int total, int part, std::vector<int> a1, std::vector<int> a2, int v1, int v2, int v3)
    {
        Result r{a1, a2, v1, v2, v3, 99};
        m_prorateEx(total, part, r.a1.data(), static_cast<int>(r.a1.size()), r.a2.data(),
                    static_cast<int>(r.a2.size()), &r.v1, &r.v2, &r.v3, &r.status);
        return r;
    }

    bool ConvertsOperands() const { return GetParam().convertsOperands; }

    LoadedLibrary m_library{GetParam()};
    DoProrateFn m_doProrate = nullptr;
    ProrateExFn m_prorateEx = nullptr;
};

TEST_P(ProrateExports, DoProrateWorkedValues)
{
    EXPECT_EQ("3.50", DoProrate("10", "5", "7", 4));
    EXPECT_EQ("7.00", DoProrate("0", "5", "7", 4));
    EXPECT_EQ("7.00", DoProrate("-0.0", "5", "7", 4));
    EXPECT_EQ("7.00", DoProrate("none", "5", "7", 4));
    EXPECT_EQ("-3.50", DoProrate("10", "-5", "7", 5));
    EXPECT_EQ("1234.57", DoProrate(" 3", "3", "1234.5678", 7));
    // The quotient first, then the product: 0.03 * (1 / 6) lies just below
    // 0.005, where 0.03 * 1 / 6 would give 0.01.
    EXPECT_EQ("0.00", DoProrate("6", "1", "0.03", 4));
}

TEST_P(ProrateExports, DoProrateStaysWithinSixtyFourCharacters)
{
    const std::string huge = DoProrate("1", "1", "1e300", 63);
    EXPECT_EQ("100000000000000005250476025520442024870446858110815915491585411", huge) << "the first 63 characters of the full text";
    EXPECT_EQ('-', DoProrate("1", "-1", "1e62", 63)[0]);
    EXPECT_EQ("inf", DoProrate("1e-300", "1e300", "1e300", 3));
}

TEST_P(ProrateExports, ZeroTotalChangesNothing)
{
    const Result r = ProrateEx(0, 1, {7, 7, 7}, {1}, 7, -7, 1);
    EXPECT_EQ((std::vector<int>{7, 7, 7}), r.a1);
    EXPECT_EQ((std::vector<int>{1}), r.a2);
    EXPECT_EQ(7, r.v1);
    EXPECT_EQ(-7, r.v2);
    EXPECT_EQ(1, r.v3);
    EXPECT_EQ(0, r.status);
}

TEST_P(ProrateExports, FactorOneHalf)
{
    const Result r = ProrateEx(2, 1, {7, 7, 7}, {}, 7, -7, 1);
    EXPECT_EQ((std::vector<int>{3, 4, 4}), r.a1);
    EXPECT_EQ(4, r.v1);
    EXPECT_EQ(-4, r.v2);
    EXPECT_EQ(1, r.v3);
    EXPECT_EQ(0, r.status);
}

TEST_P(ProrateExports, FactorOneThirdAndOneQuarter)
{
    Result r = ProrateEx(3, 1, {10, 10, 10}, {0, 10, 10, 10}, 3, 0, -3);
    EXPECT_EQ((std::vector<int>{4, 3, 3}), r.a1);
    EXPECT_EQ((std::vector<int>{0, 4, 3, 3}), r.a2);
    EXPECT_EQ(1, r.v1);
    EXPECT_EQ(0, r.v2);
    EXPECT_EQ(-1, r.v3);
    r = ProrateEx(3, 1, {1, 1, 1}, {1, 1, 1, 1, 1, 1}, 0, 0, 0);
    EXPECT_EQ((std::vector<int>{0, 0, 0}), r.a1);
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 0}), r.a2);
    r = ProrateEx(4, 1, {1, 1, 1, 1, 1, 1}, {}, 0, 0, 0);
    EXPECT_EQ((std::vector<int>{0, 0, 0, 0, 0, 0}), r.a1);
    EXPECT_EQ(0, r.status);
}

TEST_P(ProrateExports, NegativeFactorFlipsSigns)
{
    const Result r = ProrateEx(-2, 1, {7, 7, 7}, {-5}, 7, -7, 3);
    EXPECT_EQ((std::vector<int>{-3, -4, -4}), r.a1);
    EXPECT_EQ((std::vector<int>{3}), r.a2);
    EXPECT_EQ(-4, r.v1);
    EXPECT_EQ(4, r.v2);
    EXPECT_EQ(-2, r.v3);
}

TEST_P(ProrateExports, CountOfZeroOrLessIsNeverRead)
{
    FencedPage page;
    int v1 = 8, v2 = 2, v3 = -2, status = 99;
    m_prorateEx(2, 1, page.Fence(), 0, page.Fence(), -5, &v1, &v2, &v3, &status);
    EXPECT_EQ(0, status);
    EXPECT_EQ(4, v1);
    EXPECT_EQ(1, v2);
    EXPECT_EQ(-1, v3);
}

TEST_P(ProrateExports, SinglePrecisionRuleOfTheBuild)
{
    const Result big = ProrateEx(4, 3, {16777217}, {}, 16777217, 0, 0);
    const Result bigTotal = ProrateEx(16777219, 16777217, {}, {}, 1000000000, 0, 0);
    if (ConvertsOperands()) {
        EXPECT_EQ(12582912, big.v1);
        EXPECT_EQ(999999744, bigTotal.v1);
    } else {
        EXPECT_EQ(12582913, big.v1);
        EXPECT_EQ(999999872, bigTotal.v1);
    }
    EXPECT_EQ(big.v1, big.a1[0]);
    // Below 2^24 every build gives the same.
    EXPECT_EQ(12582911, ProrateEx(4, 3, {}, {}, 16777215, 0, 0).v1);
    EXPECT_EQ(-12582911, ProrateEx(4, 3, {}, {}, -16777215, 0, 0).v1);
}

TEST_P(ProrateExports, UnreadableArrayAbandonsTheCall)
{
    FencedPage page;
    int v1 = 7, v2 = 7, v3 = 7, status = 99;
    std::vector<int> second{7, 7};
    m_prorateEx(2, 1, page.Fence(), 3, second.data(), 2, &v1, &v2, &v3, &status);
    EXPECT_EQ(1, status);
    EXPECT_EQ((std::vector<int>{7, 7}), second);
    EXPECT_EQ(7, v1);
}

TEST_P(ProrateExports, ArrayRunningIntoAFenceKeepsTheReplacedElements)
{
    FencedPage page;
    int* first = page.IntsBeforeFence({7, 7, 7});
    int v1 = 7, v2 = 7, v3 = 7, status = 99;
    m_prorateEx(2, 1, first, 5, first, 0, &v1, &v2, &v3, &status);
    EXPECT_EQ(1, status);
    EXPECT_EQ(4, first[0]);
    EXPECT_EQ(4, first[1]);
    EXPECT_EQ(4, first[2]);
    EXPECT_EQ(7, v1);
}

TEST_P(ProrateExports, ReadOnlyArrayIsLeftAsItWas)
{
    FencedPage page;
    int* first = page.IntsBeforeFence({7, 7, 7});
    page.Protect(PAGE_READONLY);
    int v1 = 7, v2 = 7, v3 = 7, status = 99;
    m_prorateEx(2, 1, first, 3, nullptr, 0, &v1, &v2, &v3, &status);
    EXPECT_EQ(1, status);
    EXPECT_EQ(7, first[0]);
    EXPECT_EQ(7, first[2]);
}

TEST_P(ProrateExports, BadSingleValueStopsAtThatValue)
{
    FencedPage page;
    int a = 7, v1 = 7, v3 = 7, status = 99;
    m_prorateEx(2, 1, &a, 1, nullptr, 0, &v1, page.Fence(), &v3, &status);
    EXPECT_EQ(1, status);
    EXPECT_EQ(4, a);
    EXPECT_EQ(4, v1);
    EXPECT_EQ(7, v3);

    int* readOnly = page.IntsBeforeFence({7});
    page.Protect(PAGE_READONLY);
    v1 = 7;
    int v2 = 7;
    m_prorateEx(2, 1, nullptr, 0, nullptr, 0, &v1, &v2, readOnly, &status);
    EXPECT_EQ(1, status);
    EXPECT_EQ(4, v1);
    EXPECT_EQ(4, v2);
    EXPECT_EQ(7, *readOnly);

    m_prorateEx(2, 1, nullptr, 0, nullptr, 0, nullptr, &v2, &v3, &status);
    EXPECT_EQ(1, status);
}

TEST_P(ProrateExports, UnwritableStatusIsLeftAlone)
{
    FencedPage page;
    int a = 7, v = 7;
    m_prorateEx(2, 1, &a, 1, nullptr, 0, &v, &v, &v, page.Fence());
    m_prorateEx(0, 1, &a, 1, nullptr, 0, &v, &v, &v, nullptr);
    EXPECT_EQ(4, a) << "the call ran to its end";
}

TEST_P(ProrateExports, DoProrateFaultsGiveZero)
{
    FencedPage page;
    EXPECT_EQ("0.00", DoProrate(nullptr, "5", "7", 4));
    EXPECT_EQ("0.00", DoProrate("10", reinterpret_cast<const char*>(page.Fence()), "7", 4));
    // A number that runs into the fence without a terminator.
    char* digits = page.BytesBeforeFence(3);
    std::memcpy(digits, "123", 3);
    EXPECT_EQ("0.00", DoProrate("10", "5", digits, 4));

    // A result buffer that cannot take the text: nothing is written.
    EXPECT_EQ(0, m_doProrate("10", "5", "7", reinterpret_cast<char*>(page.Fence())));
    char* three = page.BytesBeforeFence(3);
    EXPECT_EQ(0, m_doProrate("10", "5", "7", three));
}

TEST_P(ProrateExports, FaultsDoNotWearOut)
{
    FencedPage page;
    for (int i = 0; i < 200; ++i) {
        int status = 99, v = 9;
        m_prorateEx(3, 1, page.Fence(), 1, nullptr, 0, &v, &v, &v, &status);
        ASSERT_EQ(1, status);
        ASSERT_EQ("3.50", DoProrate("10", "5", "7", 4));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBuild, ProrateExports, testing::ValuesIn(AllFlavours()),
                         [](const testing::TestParamInfo<Flavour>& p) { return std::string(p.param.name); });

TEST(LibraryLoading, EveryBuildLoadsAndUnloadsRepeatedly)
{
    for (const Flavour& flavour : AllFlavours()) {
        for (int i = 0; i < 3; ++i) {
            HMODULE module = LoadLibraryA(BesideProgram(flavour.path).c_str());
            ASSERT_NE(nullptr, module) << flavour.path << " error " << GetLastError();
            auto doProrate = reinterpret_cast<DoProrateFn>(reinterpret_cast<void*>(GetProcAddress(module, "do_prorate")));
            ASSERT_NE(nullptr, doProrate);
            FencedPage page; // fault after each load: the handler is registered anew
            char out[64];
            EXPECT_EQ(4, doProrate(reinterpret_cast<const char*>(page.Fence()), "1", "1", out));
            EXPECT_TRUE(FreeLibrary(module));
        }
    }
}

} // namespace
