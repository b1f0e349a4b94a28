// The engine's system catalogue: users with their authorities, procedures
// and EXECUTE permissions, kept in ordinary SQLite tables that statements can
// read as SYS.SYSUSERPERM, SYS.SYSPROCEDURE and SYS.SYSPROCPERM.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "sql_commands.h"

struct sqlite3;

namespace posdb {

struct User {
    long long id = -1;
    std::string name;
    bool resource = false;  // may create procedures
    bool dba = false;       // may do anything, for any owner
};

class Catalogue {
public:
    static constexpr const char* kUsers = "SYS__SYSUSERPERM";
    static constexpr const char* kProcedures = "SYS__SYSPROCEDURE";
    static constexpr const char* kProcedurePermissions = "SYS__SYSPROCPERM";

    explicit Catalogue(sqlite3* db) : db_(db) {}

    // Creates the system tables and the system users SYS, DBA and PUBLIC.
    bool install(DbError& error);

    // Checks a login. Fails with 28000 for an unknown user, a wrong password or
    // a user without a password (such users own objects but cannot connect).
    bool authenticate(std::string_view user, std::string_view password, User& out, DbError& error);

    // found is false (and the call succeeds) when no such user exists.
    bool find_user(std::string_view name, User& out, bool& found, DbError& error);

    bool owner_names(std::vector<std::string>& out, DbError& error);

    bool create_procedure(const User& by, const CreateProcedure& procedure,
                          std::string_view definition, DbError& error);
    bool grant_execute(const User& by, const GrantExecute& grant, DbError& error);

private:
    DbError last_error() const;
    bool resolve_owner(const User& by, const QualifiedName& name, User& owner, bool& found,
                       DbError& error);

    sqlite3* db_;
};

}  // namespace posdb
