// Amount texts of the text prorating call: reading as atof reads, writing
// as "%.2f" bounded to the caller's 64 characters. No platform header.
#pragma once

#include <cstddef>

// Size of the caller's result buffer, terminator included.
constexpr std::size_t kAmountTextCapacity = 64;

// Leading white space, an optional sign, digits with an optional point, an
// optional exponent; reading stops at the first character that does not
// fit, and a text without a number is 0. Always a point, whatever the
// locale. Too large a magnitude gives infinity, too small a one 0.
double ParseAmount(const char* text);

// amount x (part / total), or amount itself when total is 0.
double ProrateAmount(double total, double part, double amount);

// Writes "%.2f" of value into out, terminated, within kAmountTextCapacity
// characters: a text that does not fit keeps its first 63 characters.
// Returns the number of characters written, without the terminator.
int FormatAmount(double value, char (&out)[kAmountTextCapacity]);
