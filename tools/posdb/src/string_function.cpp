#include "string_function.h"

#include <sqlite3.h>

#include <string>

namespace posdb {

namespace {

void string_function(sqlite3_context* context, int argc, sqlite3_value** argv) {
    if (argc == 0) {
        sqlite3_result_error(context, "Wrong number of parameters to function 'string'", -1);
        return;
    }
    std::string result;
    bool any_value = false;
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) continue;
        any_value = true;
        const unsigned char* text = sqlite3_value_text(argv[i]);
        if (text) result.append(reinterpret_cast<const char*>(text),
                                static_cast<size_t>(sqlite3_value_bytes(argv[i])));
    }
    if (!any_value) {
        sqlite3_result_null(context);
        return;
    }
    sqlite3_result_text(context, result.data(), static_cast<int>(result.size()), SQLITE_TRANSIENT);
}

}  // namespace

bool register_string_function(sqlite3* db) {
    return sqlite3_create_function(db, "string", -1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                   string_function, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace posdb
