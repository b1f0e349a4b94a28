// The two prorating exports. They run no dialog, keep no state and let no
// fault from the caller's memory reach the caller.
#include "build_flavour.h"
#include "amount_text.h"
#include "fault_guard.h"
#include "prorate.h"
#include "x87_precision.h"

#include <cstdint>
#include <cstddef>

namespace {

// Copies text with its terminator into the caller's buffer; may fault.
void CopyOut(const char* text, int length, char* out)
{
    volatile char* target = out;
    for (int i = 0; i <= length; ++i)
        target[i] = text[i];
}

} // namespace

extern "C" int do_prorate(const char* total, const char* part, const char* amount, char* result)
{
    const X87DoublePrecision precision;
    char text[kAmountTextCapacity];
    int length = 0;
    auto work = [&] {
        const double t = ParseAmount(total);
        const double p = ParseAmount(part);
        const double a = ParseAmount(amount);
        length = FormatAmount(ProrateAmount(t, p, a), text);
    };
    auto copy = [&] { CopyOut(text, length, result); };
    if (CallerTextReadable(total) && CallerTextReadable(part) && CallerTextReadable(amount) && RunGuarded(work) &&
        CallerMemoryWritable(result, static_cast<size_t>(length) + 1, 1) && RunGuarded(copy))
        return length;
    auto fallback = [&] { CopyOut("0.00", 4, result); };
    return CallerMemoryWritable(result, 5, 1) && RunGuarded(fallback) ? 4 : 0;
}

extern "C" void ProrateEx(int32_t total, int32_t part, int32_t* array1, int32_t count1, int32_t* array2,
                          int32_t count2, int32_t* value1, int32_t* value2, int32_t* value3, int32_t* status)
{
    const X87DoublePrecision precision;
    int32_t outcome = 0;
    if (total != 0) {
        const float factor = ProrateFactor(part, total, kProrateRounding);
        // Each array and value in turn; a fault abandons the rest.
        auto prorateArray = [&](int32_t* values, int32_t count) {
            auto work = [&] { ProrateArray(values, count, factor, kProrateRounding); };
            return CallerMemoryWritable(values, count > 0 ? static_cast<size_t>(count) : 0, sizeof *values) &&
                   RunGuarded(work);
        };
        auto prorateValue = [&](int32_t* value) {
            auto work = [&] {
                volatile int32_t* single = value;
                *single = ProrateValue(*single, factor, kProrateRounding);
            };
            return CallerMemoryWritable(value, 1, sizeof *value) && RunGuarded(work);
        };
        if (!(prorateArray(array1, count1) && prorateArray(array2, count2) && prorateValue(value1) &&
              prorateValue(value2) && prorateValue(value3)))
            outcome = 1;
    }
    // A status that cannot be written is left alone.
    auto report = [&] { *static_cast<volatile int32_t*>(status) = outcome; };
    if (CallerMemoryWritable(status, 1, sizeof *status))
        RunGuarded(report);
}
