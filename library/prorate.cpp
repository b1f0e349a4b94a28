#include "prorate.h"

#include <cmath>
#include <limits>

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

} // namespace

float ProrateFactor(int32_t part, int32_t total, SingleRounding rounding)
{
    if (rounding == SingleRounding::Operands)
        return static_cast<float>(part) / static_cast<float>(total);
    return static_cast<float>(static_cast<double>(part) / static_cast<double>(total));
}

int32_t ProrateValue(int32_t value, float factor, SingleRounding rounding)
{
    const float x = rounding == SingleRounding::Operands
                        ? static_cast<float>(value) * factor
                        : static_cast<float>(static_cast<double>(value) * static_cast<double>(factor));
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
