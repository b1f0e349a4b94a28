// Errors as the POS database engine reports them: an ODBC SQLSTATE, the
// engine's own (negative) SQLCODE as native code, and its message text.
#pragma once

#include <string>
#include <string_view>

namespace posdb {

struct DbError {
    std::string sqlstate;
    int native = 0;
    std::string message;
};

namespace errors {

DbError invalid_login();
DbError database_not_found(std::string_view path);
DbError no_database_file(std::string_view dsn);
DbError cannot_start_database(std::string_view detail);
DbError connection_lost(std::string_view path);
DbError item_exists(std::string_view name);
DbError permission_denied(std::string_view detail);
DbError procedure_not_found(std::string_view name);
DbError user_not_found(std::string_view name);
DbError table_not_found(std::string_view name);
DbError column_not_found(std::string_view name);
DbError syntax_error(std::string_view near);
DbError not_implemented(std::string_view feature);
DbError parameters_not_supported();
DbError runtime(std::string_view detail);
DbError timeout_expired();
DbError cancelled();

}  // namespace errors
}  // namespace posdb
