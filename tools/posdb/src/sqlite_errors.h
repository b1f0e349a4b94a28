// Translation of SQLite's result codes and messages into the engine's errors.
#pragma once

#include <string_view>

#include "error.h"

namespace posdb {

DbError map_sqlite_error(int result_code, std::string_view message);

// True for results that mean the database file itself is gone or damaged.
bool is_file_failure(int result_code);

}  // namespace posdb
