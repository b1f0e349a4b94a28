// Runs a script of statements separated by semicolons, as the demo database
// is built from demo.sql.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "error.h"

namespace posdb {

class Session;

struct ScriptFailure {
    DbError error;
    int line = 0;  // 1-based line where the failing statement starts
};

bool run_script(Session& session, std::string_view script, ScriptFailure& failure);

// Creates a database file holding only the catalogue, replacing any file
// of that name; the session acts as DBA.
std::unique_ptr<Session> create_empty_database(const std::string& path, DbError& error);

// create_empty_database, then run_script.
bool create_database_from_script(const std::string& path, std::string_view script,
                                 ScriptFailure& failure);

}  // namespace posdb
