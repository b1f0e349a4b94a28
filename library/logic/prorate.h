// Prorating arithmetic shared by every build of the library. No platform
// header: this file also builds natively for the sanitizer and fuzz runs.
#pragma once

#include <cstdint>

// Where single precision enters the arithmetic. The CE devices convert the
// operands to single before they divide or multiply; the Win32 workstation
// build works on the exact integers and rounds only the quotient or the
// product. The two agree for every operand up to 2^24 in magnitude.
enum class SingleRounding { Operands, Result };

// part / total as a single; total must not be 0.
float ProrateFactor(int32_t part, int32_t total, SingleRounding rounding);

// value x factor, rounded half away from zero as judged on the fraction.
// Results beyond the 32-bit range saturate.
int32_t ProrateValue(int32_t value, float factor, SingleRounding rounding);

// Prorates the first count elements in place (none when count <= 0), then
// adds the rounding remainder to the first element that is not 0, so the
// array sums to the prorated sum of its old values where it can. Every
// element is read and written exactly once, in order, through the volatile
// pointer, so that a fault part-way leaves the earlier elements replaced.
void ProrateArray(volatile int32_t* values, int32_t count, float factor, SingleRounding rounding);
