// STRING(a, b, ...): the engine's concatenation function.
#pragma once

struct sqlite3;

namespace posdb {

// Registers STRING on a connection. Arguments are concatenated as text; a
// NULL argument counts as empty text, but when every argument is NULL the
// result is NULL.
bool register_string_function(sqlite3* db);

}  // namespace posdb
