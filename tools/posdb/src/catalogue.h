// The engine's system catalogue: users with their authorities, procedures
// with EXECUTE permissions, and table permissions, kept in ordinary SQLite
// tables that statements can read as SYS.SYSUSERPERM, SYS.SYSPROCEDURE,
// SYS.SYSPROCPERM and SYS.SYSTABLEPERM.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "error.h"
#include "rights.h"
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
    static constexpr const char* kTablePermissions = "SYS__SYSTABLEPERM";

    // The catalogue's own statements run past the session's rights.
    Catalogue(sqlite3* db, Rights& rights) : db_(db), rights_(rights) {}

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
    bool grant_table(const User& by, const GrantTable& grant, DbError& error);

    // The table rights a user holds, directly or through PUBLIC.
    bool table_grants(const User& user, std::vector<TableGrant>& out, DbError& error);

    // The SQLite failure behind the last error reported: the rollback of a
    // failed step clears the connection's own record of it.
    int failed_code() const { return failed_code_; }
    const std::string& failed_message() const { return failed_message_; }

private:
    DbError last_error();
    bool resolve_owner(const User& by, const QualifiedName& name, User& owner, bool& found,
                       DbError& error);

    bool find_table(const std::string& physical, bool& found, DbError& error);
    // Runs record for each grantee, all or none.
    template <class Record>
    bool for_each_grantee(const std::vector<std::string>& grantees, Record record, DbError& error);

    sqlite3* db_;
    Rights& rights_;
    int failed_code_ = 0;
    std::string failed_message_;
};

}  // namespace posdb
