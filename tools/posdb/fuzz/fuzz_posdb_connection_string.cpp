// Connection strings as an application may pass them: parsing takes
// anything, and what is read back is what was parsed.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "odbc/connection_string.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    posdb::odbc::ConnectionAttributes attributes = posdb::odbc::ConnectionAttributes::parse(text);
    (void)attributes.to_string();
    // A value set is the value got, whatever the string held before.
    attributes.set("uid", "tarvel");
    if (attributes.get(posdb::odbc::kUserKeys) != "tarvel") std::abort();
    return 0;
}
