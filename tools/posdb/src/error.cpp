#include "error.h"

namespace posdb::errors {

namespace {
DbError make(const char* state, int native, std::string message) {
    return DbError{state, native, std::move(message)};
}
std::string quoted(std::string_view s) { return "'" + std::string(s) + "'"; }
}  // namespace

DbError invalid_login() { return make("28000", -103, "Invalid user ID or password"); }

DbError database_not_found(std::string_view path) {
    return make("08001", -83, "Specified database not found: " + quoted(path));
}

DbError no_database_file(std::string_view dsn) {
    return make("08001", -83,
                "Specified database not found: data source " + quoted(dsn) +
                    " names no database file");
}

DbError cannot_start_database(std::string_view detail) {
    return make("08001", -82, "Unable to start specified database: " + std::string(detail));
}

DbError connection_lost(std::string_view path) {
    return make("08S01", -85,
                "Communication error: database file " + quoted(path) + " is no longer available");
}

DbError item_exists(std::string_view name) {
    return make("42S01", -110, "Item " + quoted(name) + " already exists");
}

DbError permission_denied(std::string_view detail) {
    return make("42501", -121, "Permission denied: " + std::string(detail));
}

DbError procedure_not_found(std::string_view name) {
    return make("42S02", -265, "Procedure " + quoted(name) + " not found");
}

DbError user_not_found(std::string_view name) {
    return make("42000", -140, "User ID " + quoted(name) + " does not exist");
}

DbError table_not_found(std::string_view name) {
    return make("42S02", -141, "Table " + quoted(name) + " not found");
}

DbError column_not_found(std::string_view name) {
    return make("42S22", -143, "Column " + quoted(name) + " not found");
}

DbError syntax_error(std::string_view near) {
    return make("42000", -131, "Syntax error near " + quoted(near));
}

DbError not_implemented(std::string_view feature) {
    return make("0A000", -134, "Feature " + quoted(feature) + " not implemented");
}

DbError parameters_not_supported() {
    return make("07002", -188, "Not enough values for host variables");
}

DbError runtime(std::string_view detail) {
    return make("HY000", -300, "Run time SQL error -- " + std::string(detail));
}

DbError timeout_expired() { return make("HYT00", -299, "Statement interrupted: time limit reached"); }

DbError cancelled() { return make("HY008", -299, "Statement interrupted by user"); }

}  // namespace posdb::errors
