#include "sqlite_errors.h"

#include <sqlite3.h>

#include <string>

#include "sql_rewrite.h"

namespace posdb {

namespace {

bool starts_with(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// "main.corvane__rvc_def" -> "rvc_def"
std::string table_from_message(std::string_view name) {
    size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) name = name.substr(dot + 1);
    return display_table_name(name);
}

}  // namespace

bool is_file_failure(int result_code) {
    switch (result_code & 0xff) {
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            return true;
        default:
            return false;
    }
}

DbError map_sqlite_error(int result_code, std::string_view message) {
    const int primary = result_code & 0xff;
    if (primary == SQLITE_ERROR) {
        if (starts_with(message, "no such table: "))
            return errors::table_not_found(table_from_message(message.substr(15)));
        if (starts_with(message, "no such column: "))
            return errors::column_not_found(message.substr(16));
        if (starts_with(message, "no such function: "))
            return errors::procedure_not_found(message.substr(18));
        if (starts_with(message, "near \"")) {
            std::string_view rest = message.substr(6);
            return errors::syntax_error(rest.substr(0, rest.find("\": syntax error")));
        }
        if (message == "incomplete input") return errors::syntax_error("end of statement");
        // An unterminated string or name, or a malformed hex literal.
        if (starts_with(message, "unrecognized token: \"")) {
            std::string_view token = message.substr(21);
            if (!token.empty() && token.back() == '"') token.remove_suffix(1);
            return errors::syntax_error(token);
        }
        if (starts_with(message, "table ") && message.find(" already exists") != std::string_view::npos) {
            std::string_view name = message.substr(6, message.find(" already exists") - 6);
            return errors::item_exists(table_from_message(name));
        }
        return errors::runtime(message);
    }
    if (primary == SQLITE_TOOBIG) return DbError{"22001", -638, "Right truncation of string data"};
    if (primary == SQLITE_CONSTRAINT)
        return DbError{"23000", -193, "Integrity constraint violation: " + std::string(message)};
    if (primary == SQLITE_BUSY || primary == SQLITE_LOCKED)
        return DbError{"HYT00", -210, "Database is locked by another connection: " + std::string(message)};
    if (primary == SQLITE_READONLY)
        return DbError{"25006", -757, "Modifications not permitted for read-only database"};
    if (is_file_failure(result_code))
        return DbError{"08S01", -85, "Communication error: " + std::string(message)};
    return errors::runtime(message);
}

}  // namespace posdb
