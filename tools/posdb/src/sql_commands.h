// The statements the engine handles itself instead of handing to SQLite:
// CREATE PROCEDURE and GRANT, plus splitting a script into statements and
// refusing SQLite's own commands.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "rights.h"

namespace posdb {

struct QualifiedName {
    std::string owner;  // empty when the statement names none
    std::string name;
};

struct ProcedureParameter {
    std::string mode;  // "IN", "OUT" or "INOUT"
    std::string name;
    std::string type;  // as written, e.g. "real" or "numeric(10,2)"
};

struct CreateProcedure {
    QualifiedName procedure;
    std::vector<ProcedureParameter> parameters;
};

struct GrantExecute {
    QualifiedName procedure;
    std::vector<std::string> grantees;
};

// GRANT INSERT, UPDATE, DELETE or ALL [PRIVILEGES] ON table TO users.
struct GrantTable {
    std::vector<TableRight> rights;
    QualifiedName table;
    std::vector<std::string> grantees;
};

// SqliteOnly: ATTACH, DETACH, VACUUM and PRAGMA (also behind EXPLAIN), which
// reach SQLite's files and settings; the engine has no such commands.
enum class CommandKind { Sql, CreateProcedure, Grant, GrantTable, SqliteOnly };

CommandKind classify(std::string_view statement);

// The word that names the statement's command, past EXPLAIN [QUERY PLAN].
std::string_view command_keyword(std::string_view statement);

bool parse_create_procedure(std::string_view statement, CreateProcedure& out, DbError& error);
bool parse_grant(std::string_view statement, GrantExecute& out, DbError& error);
bool parse_grant_table(std::string_view statement, GrantTable& out, DbError& error);

// Splits at semicolons outside strings, comments and BEGIN ... END blocks.
// Empty statements are dropped.
std::vector<std::string_view> split_statements(std::string_view script);

}  // namespace posdb
