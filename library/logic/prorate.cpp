#include "prorate.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

// Every single-precision operation must round once, as written. The x87 unit
// keeps more (x86 builds without -msse2 -mfpmath=sse, for instance when
// CMAKE_CXX_FLAGS replaces the toolchain's flags) and prorates differently.
#if FLT_EVAL_METHOD != 0
#error "single precision must round as written: build x86 with -msse2 -mfpmath=sse"
#endif

namespace {

// Float to int32 with saturation; the platform conversion is undefined
// outside the range and differs between x86 (0x80000000) and ARM.
int32_t SaturatingInt32(float x)
{
    if (std::isnan(x))
        return 0;
    if (x >= 2147483648.0f)
        return std::numeric_limits<int32_t>::max();
    if (x < -2147483648.0f)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(x);
}

// Whether |part| / |total| is above (1), at (0) or below (-1) mid, a
// positive double of at most 25 significant bits: exact integer arithmetic.
int CompareQuotient(uint64_t part, uint64_t total, double mid)
{
    int exponent = 0;
    const double fraction = std::frexp(mid, &exponent);
    const uint64_t digits = static_cast<uint64_t>(std::ldexp(fraction, 25)); // mid = digits x 2^shift
    const int shift = exponent - 25;
    const uint64_t right = digits * total; // below 2^57
    if (shift >= 0) {
        const uint64_t scaled = right << shift; // below 2^64: the quotient is below 2^31
        return part > scaled ? 1 : part < scaled ? -1 : 0;
    }
    // part x 2^-shift, as two 64-bit halves.
    const int up = -shift;
    const uint64_t high = up >= 64 ? part : (up == 0 ? 0 : part >> (64 - up));
    const uint64_t low = up >= 64 ? 0 : part << up;
    if (high != 0)
        return 1;
    return low > right ? 1 : low < right ? -1 : 0;
}

// The single nearest to the exact quotient, rounded once.
float RoundedQuotient(int32_t part, int32_t total)
{
    const double q = static_cast<double>(part) / static_cast<double>(total);
    const float nearest = static_cast<float>(q);
    const double magnitude = std::fabs(q);
    const float low = static_cast<float>(std::fabs(static_cast<double>(nearest)) <= magnitude
                                             ? std::fabs(nearest)
                                             : std::nextafter(std::fabs(nearest), 0.0f));
    const float high = std::nextafter(low, std::numeric_limits<float>::infinity());
    const double mid = (static_cast<double>(low) + static_cast<double>(high)) / 2;
    // The double can only mislead the second rounding when it lies exactly
    // halfway between two singles; then the integers decide.
    if (magnitude != mid)
        return nearest;
    const int side = CompareQuotient(static_cast<uint64_t>(std::llabs(part)), static_cast<uint64_t>(std::llabs(total)), mid);
    if (side == 0)
        return nearest; // a true tie: to even, as the conversion did
    const float chosen = side > 0 ? high : low;
    return q < 0 ? -chosen : chosen;
}

// The single nearest to the exact product value x factor, rounded once:
// the product of the integer and the factor's 24-bit significand is exact
// in 64 bits, its conversion rounds once, and the power of two is exact.
// Read from the bits, as this runs for every element of large arrays.
float RoundedProduct(int32_t value, float factor)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &factor, sizeof bits);
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
    if (biased == 0 || biased == 0xFF) {
        // Zero, subnormal or not finite: the general way.
        int exponent = 0;
        const float fraction = std::frexp(factor, &exponent);
        const int64_t significand = static_cast<int64_t>(std::ldexp(fraction, 24));
        return std::ldexp(static_cast<float>(static_cast<int64_t>(value) * significand), exponent - 24);
    }
    int64_t significand = static_cast<int64_t>((bits & 0x7FFFFFu) | 0x800000u);
    if (bits >> 31)
        significand = -significand;
    const float product = static_cast<float>(static_cast<int64_t>(value) * significand);
    const int exponent = biased - 150; // factor = significand x 2^exponent
    if (exponent < -126)
        return std::ldexp(product, exponent);
    const uint32_t powerBits = static_cast<uint32_t>(exponent + 127) << 23;
    float power = 0;
    std::memcpy(&power, &powerBits, sizeof power);
    return product * power;
}

} // namespace

float ProrateFactor(int32_t part, int32_t total, SingleRounding rounding)
{
    if (rounding == SingleRounding::Operands)
        return static_cast<float>(part) / static_cast<float>(total);
    return RoundedQuotient(part, total);
}

int32_t ProrateValue(int32_t value, float factor, SingleRounding rounding)
{
    const float x = rounding == SingleRounding::Operands
                        ? static_cast<float>(value) * factor
                        : RoundedProduct(value, factor);
    // fmod(x, 1.0) in double, taken back to single. For a double holding a
    // single, x - trunc(x) is exact and equals fmod, without its cost.
    const double xd = x;
    const float fraction = static_cast<float>(xd - std::trunc(xd));
    const int32_t whole = SaturatingInt32(x - fraction);
    if (std::fabs(static_cast<double>(fraction * 10.0f)) < 5.0)
        return SaturatingInt32(x);
    // Only reached with |x| < 2^23 (larger singles have no fraction).
    return x < 0 ? whole - 1 : whole + 1;
}

void ProrateArray(volatile int32_t* values, int32_t count, float factor, SingleRounding rounding)
{
    // Running sums wrap around like the 32-bit registers they model.
    uint32_t unscaled = 0;
    uint32_t scaled = 0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t old = values[i];
        unscaled += static_cast<uint32_t>(old);
        const int32_t prorated = ProrateValue(old, factor, rounding);
        values[i] = prorated;
        scaled += static_cast<uint32_t>(prorated);
    }
    const int32_t target = ProrateValue(static_cast<int32_t>(unscaled), factor, rounding);
    if (static_cast<int32_t>(scaled) == target)
        return;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t current = values[i];
        if (current != 0) {
            values[i] = static_cast<int32_t>(static_cast<uint32_t>(current) + static_cast<uint32_t>(target) - scaled);
            return;
        }
    }
}
