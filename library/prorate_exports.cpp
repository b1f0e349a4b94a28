// The two prorating exports. They run no dialog, keep no state and let no
// fault from the caller's memory reach the caller.
#include "build_flavour.h"
#include "amount_text.h"
#include "fault_guard.h"
#include "prorate.h"
#include "x87_precision.h"

#include <cstdint>
#include <initializer_list>

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
        CopyOut(text, length, result);
    };
    if (RunGuarded(work))
        return length;
    auto fallback = [&] { CopyOut("0.00", 4, result); };
    return RunGuarded(fallback) ? 4 : 0;
}

extern "C" void ProrateEx(int total, int part, int* array1, int count1, int* array2, int count2, int* value1,
                          int* value2, int* value3, int* status)
{
    const X87DoublePrecision precision;
    int outcome = 0;
    if (total != 0) {
        auto work = [&] {
            const float factor = ProrateFactor(part, total, kProrateRounding);
            ProrateArray(array1, count1, factor, kProrateRounding);
            ProrateArray(array2, count2, factor, kProrateRounding);
            for (int* value : {value1, value2, value3}) {
                volatile int32_t* single = value;
                *single = ProrateValue(*single, factor, kProrateRounding);
            }
        };
        if (!RunGuarded(work))
            outcome = 1;
    }
    // A status that cannot be written is left alone.
    auto report = [&] { *static_cast<volatile int*>(status) = outcome; };
    RunGuarded(report);
}
