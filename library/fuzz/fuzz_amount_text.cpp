// Amount texts: the reader agrees with strtod (C locale) on the number it
// finds, never reads past the terminator, and the writer stays within 64.
#include "amount_text.h"

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Only the bytes before the first NUL form the text; a fresh copy with
    // no slack lets AddressSanitizer catch a read past the terminator.
    const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    char* exact = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(exact, text.c_str(), text.size() + 1);
    const double parsed = ParseAmount(exact);

    // strtod also reads hexadecimal, infinity and nan: compare only where
    // the text is decimal.
    const bool decimalOnly = text.find_first_of("xXiInN") == std::string::npos;
    if (decimalOnly) {
        const double expected = std::strtod(exact, nullptr);
        if (!(parsed == expected || (std::isnan(parsed) && std::isnan(expected))))
            std::abort();
    }
    std::free(exact);

    char out[kAmountTextCapacity];
    const int written = FormatAmount(ProrateAmount(parsed, 3.0, parsed), out);
    if (written < 0 || written > 63 || std::strlen(out) != static_cast<size_t>(written))
        std::abort();
    return 0;
}
