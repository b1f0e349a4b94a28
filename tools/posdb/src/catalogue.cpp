#include "catalogue.h"

#include <sqlite3.h>

#include "password.h"
#include "sql_lexer.h"
#include "sql_rewrite.h"
#include "sqlite_errors.h"
#include "sqlite_util.h"

namespace posdb {

namespace {

const char* const kInstall = R"sql(
CREATE TABLE SYS__SYSUSERPERM(
    user_id INTEGER PRIMARY KEY,
    user_name VARCHAR(128) NOT NULL UNIQUE COLLATE NOCASE,
    password VARCHAR(128),
    resourceauth CHAR(1) NOT NULL DEFAULT 'N',
    dbaauth CHAR(1) NOT NULL DEFAULT 'N',
    remarks LONG VARCHAR);
CREATE TABLE SYS__SYSPROCEDURE(
    proc_id INTEGER PRIMARY KEY,
    creator INTEGER NOT NULL REFERENCES SYS__SYSUSERPERM(user_id),
    proc_name VARCHAR(128) NOT NULL COLLATE NOCASE,
    proc_defn LONG VARCHAR,
    remarks LONG VARCHAR,
    UNIQUE(creator, proc_name));
CREATE TABLE SYS__SYSPROCPERM(
    proc_id INTEGER NOT NULL REFERENCES SYS__SYSPROCEDURE(proc_id) ON DELETE CASCADE,
    grantee INTEGER NOT NULL REFERENCES SYS__SYSUSERPERM(user_id),
    PRIMARY KEY(proc_id, grantee));
CREATE TABLE SYS__SYSTABLEPERM(
    table_name VARCHAR(257) NOT NULL COLLATE NOCASE,
    grantee INTEGER NOT NULL REFERENCES SYS__SYSUSERPERM(user_id),
    grantor INTEGER NOT NULL REFERENCES SYS__SYSUSERPERM(user_id),
    insertauth CHAR(1) NOT NULL DEFAULT 'N',
    updateauth CHAR(1) NOT NULL DEFAULT 'N',
    deleteauth CHAR(1) NOT NULL DEFAULT 'N',
    PRIMARY KEY(table_name, grantee));
-- Whatever writes a password, the table keeps only its hash.
CREATE TRIGGER SYS__SYSUSERPERM_hash_new AFTER INSERT ON SYS__SYSUSERPERM
WHEN NEW.password IS NOT NULL
BEGIN
    UPDATE SYS__SYSUSERPERM SET password = password_hash(NEW.password) WHERE user_id = NEW.user_id;
END;
CREATE TRIGGER SYS__SYSUSERPERM_hash_changed AFTER UPDATE OF password ON SYS__SYSUSERPERM
WHEN NEW.password IS NOT NULL
BEGIN
    UPDATE SYS__SYSUSERPERM SET password = password_hash(NEW.password) WHERE user_id = NEW.user_id;
END;
INSERT INTO SYS__SYSUSERPERM(user_id, user_name, password, resourceauth, dbaauth, remarks) VALUES
    (0, 'SYS', NULL, 'Y', 'Y', 'owner of the system catalogue'),
    (1, 'DBA', 'sql', 'Y', 'Y', 'database administrator'),
    (2, 'PUBLIC', NULL, 'N', 'N', 'group of every user');
)sql";

const char* const kUserColumns =
    "SELECT user_id, user_name, password, upper(resourceauth) = 'Y', upper(dbaauth) = 'Y' "
    "FROM SYS__SYSUSERPERM WHERE user_name = ?1";

void read_user(const SqliteQuery& q, User& out) {
    out.id = q.integer(0);
    out.name = q.text(1);
    out.resource = q.integer(3) != 0;
    out.dba = q.integer(4) != 0;
}

// Runs body inside a savepoint so that a failing step leaves no partial change.
template <class Body>
bool atomically(sqlite3* db, Body body) {
    if (sqlite3_exec(db, "SAVEPOINT posdb_catalogue", nullptr, nullptr, nullptr) != SQLITE_OK)
        return body();
    const bool ok = body();
    if (!ok) sqlite3_exec(db, "ROLLBACK TO posdb_catalogue", nullptr, nullptr, nullptr);
    sqlite3_exec(db, "RELEASE posdb_catalogue", nullptr, nullptr, nullptr);
    return ok;
}

}  // namespace

DbError Catalogue::last_error() {
    failed_code_ = sqlite3_extended_errcode(db_);
    failed_message_ = sqlite3_errmsg(db_);
    return map_sqlite_error(failed_code_, failed_message_);
}

bool Catalogue::install(DbError& error) {
    Rights::EngineScope engine(rights_);
    if (sqlite3_exec(db_, kInstall, nullptr, nullptr, nullptr) != SQLITE_OK) {
        error = last_error();
        return false;
    }
    return true;
}

bool Catalogue::find_user(std::string_view name, User& out, bool& found, DbError& error) {
    Rights::EngineScope engine(rights_);
    SqliteQuery q(db_, kUserColumns);
    q.bind(1, name);
    found = q.step();
    if (!q.ok()) {
        error = last_error();
        return false;
    }
    if (found) read_user(q, out);
    return true;
}

bool Catalogue::authenticate(std::string_view user, std::string_view password, User& out,
                             DbError& error) {
    Rights::EngineScope engine(rights_);
    SqliteQuery q(db_, kUserColumns);
    q.bind(1, user);
    const bool found = q.step();
    if (!q.ok()) {
        error = last_error();
        return false;
    }
    if (!found || q.is_null(2) || !password_matches(password, q.text(2))) {
        error = errors::invalid_login();
        return false;
    }
    read_user(q, out);
    return true;
}

bool Catalogue::owner_names(std::vector<std::string>& out, DbError& error) {
    Rights::EngineScope engine(rights_);
    out.clear();
    SqliteQuery q(db_, "SELECT user_name FROM SYS__SYSUSERPERM");
    while (q.step()) out.push_back(q.text(0));
    if (!q.ok()) {
        error = last_error();
        return false;
    }
    return true;
}

bool Catalogue::resolve_owner(const User& by, const QualifiedName& name, User& owner, bool& found,
                              DbError& error) {
    if (name.owner.empty()) {
        owner = by;
        found = true;
        return true;
    }
    return find_user(name.owner, owner, found, error);
}

bool Catalogue::create_procedure(const User& by, const CreateProcedure& procedure,
                                 std::string_view definition, DbError& error) {
    Rights::EngineScope engine(rights_);
    const std::string& name = procedure.procedure.name;
    User owner;
    bool found = false;
    if (!resolve_owner(by, procedure.procedure, owner, found, error)) return false;
    if (!found) {
        error = errors::user_not_found(procedure.procedure.owner);
        return false;
    }
    if (!by.dba && !by.resource) {
        error = errors::permission_denied("you do not have permission to create procedures");
        return false;
    }
    if (owner.id != by.id && !by.dba) {
        error = errors::permission_denied("you do not have permission to create procedures for user '" +
                                          owner.name + "'");
        return false;
    }
    SqliteQuery exists(db_, "SELECT 1 FROM SYS__SYSPROCEDURE WHERE creator = ?1 AND proc_name = ?2");
    exists.bind(1, owner.id).bind(2, name);
    const bool taken = exists.step();
    if (!exists.ok()) {
        error = last_error();
        return false;
    }
    if (taken) {
        error = errors::item_exists(name);
        return false;
    }
    SqliteQuery insert(db_,
                       "INSERT INTO SYS__SYSPROCEDURE(creator, proc_name, proc_defn) VALUES (?1, ?2, ?3)");
    insert.bind(1, owner.id).bind(2, name).bind(3, definition);
    insert.step();
    if (!insert.ok()) {
        error = last_error();
        return false;
    }
    return true;
}

bool Catalogue::grant_execute(const User& by, const GrantExecute& grant, DbError& error) {
    Rights::EngineScope engine(rights_);
    const std::string& name = grant.procedure.name;
    User owner;
    bool found = false;
    if (!resolve_owner(by, grant.procedure, owner, found, error)) return false;
    long long proc_id = -1;
    if (found) {
        SqliteQuery q(db_, "SELECT proc_id FROM SYS__SYSPROCEDURE WHERE creator = ?1 AND proc_name = ?2");
        q.bind(1, owner.id).bind(2, name);
        if (q.step()) proc_id = q.integer(0);
        if (!q.ok()) {
            error = last_error();
            return false;
        }
    }
    if (proc_id < 0) {
        error = errors::procedure_not_found(name);
        return false;
    }
    if (owner.id != by.id && !by.dba) {
        error = errors::permission_denied("you do not have permission to grant permissions on procedure '" +
                                          name + "'");
        return false;
    }
    return for_each_grantee(grant.grantees, [&](const User& grantee) {
        SqliteQuery insert(db_, "INSERT OR IGNORE INTO SYS__SYSPROCPERM(proc_id, grantee) VALUES (?1, ?2)");
        insert.bind(1, proc_id).bind(2, grantee.id);
        insert.step();
        return insert.ok();
    }, error);
}

bool Catalogue::grant_table(const User& by, const GrantTable& grant, DbError& error) {
    Rights::EngineScope engine(rights_);
    const std::string physical = grant.table.owner.empty()
                                     ? grant.table.name
                                     : physical_table_name(grant.table.owner, grant.table.name);
    bool found = false;
    if (!find_table(physical, found, error)) return false;
    if (!found) {
        error = errors::table_not_found(grant.table.name);
        return false;
    }
    const std::string owner = table_owner(physical);
    if (!by.dba && (owner.empty() || !equals_ignore_case(owner, by.name))) {
        error = errors::permission_denied("you do not have permission to grant permissions on '" +
                                          grant.table.name + "'");
        return false;
    }
    auto has = [&](TableRight r) {
        for (TableRight g : grant.rights)
            if (g == r) return 1;
        return 0;
    };
    return for_each_grantee(grant.grantees, [&](const User& grantee) {
        // Rights add up: a grant never takes away one given before.
        SqliteQuery upsert(db_,
            "INSERT INTO SYS__SYSTABLEPERM(table_name, grantee, grantor, insertauth, updateauth, deleteauth) "
            "VALUES (?1, ?2, ?3, CASE ?4 WHEN 1 THEN 'Y' ELSE 'N' END, CASE ?5 WHEN 1 THEN 'Y' ELSE 'N' END, "
            "CASE ?6 WHEN 1 THEN 'Y' ELSE 'N' END) "
            "ON CONFLICT(table_name, grantee) DO UPDATE SET "
            "insertauth = CASE WHEN ?4 = 1 THEN 'Y' ELSE insertauth END, "
            "updateauth = CASE WHEN ?5 = 1 THEN 'Y' ELSE updateauth END, "
            "deleteauth = CASE WHEN ?6 = 1 THEN 'Y' ELSE deleteauth END");
        upsert.bind(1, physical).bind(2, grantee.id).bind(3, by.id);
        upsert.bind(4, static_cast<long long>(has(TableRight::Insert)));
        upsert.bind(5, static_cast<long long>(has(TableRight::Update)));
        upsert.bind(6, static_cast<long long>(has(TableRight::Delete)));
        upsert.step();
        return upsert.ok();
    }, error);
}

bool Catalogue::table_grants(const User& user, std::vector<TableGrant>& out, DbError& error) {
    Rights::EngineScope engine(rights_);
    out.clear();
    SqliteQuery q(db_,
        "SELECT table_name, upper(insertauth) = 'Y', upper(updateauth) = 'Y', upper(deleteauth) = 'Y' "
        "FROM SYS__SYSTABLEPERM WHERE grantee = ?1 "
        "OR grantee = (SELECT user_id FROM SYS__SYSUSERPERM WHERE user_name = 'PUBLIC')");
    q.bind(1, user.id);
    while (q.step()) {
        const std::string table = q.text(0);
        if (q.integer(1)) out.push_back({table, TableRight::Insert});
        if (q.integer(2)) out.push_back({table, TableRight::Update});
        if (q.integer(3)) out.push_back({table, TableRight::Delete});
    }
    if (!q.ok()) {
        error = last_error();
        return false;
    }
    return true;
}

bool Catalogue::find_table(const std::string& physical, bool& found, DbError& error) {
    SqliteQuery q(db_, "SELECT 1 FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ?1 COLLATE NOCASE");
    q.bind(1, physical);
    found = q.step();
    if (!q.ok()) {
        error = last_error();
        return false;
    }
    return true;
}

template <class Record>
bool Catalogue::for_each_grantee(const std::vector<std::string>& grantees, Record record, DbError& error) {
    return atomically(db_, [&] {
        for (const std::string& grantee_name : grantees) {
            User grantee;
            bool exists = false;
            if (!find_user(grantee_name, grantee, exists, error)) return false;
            if (!exists) {
                error = errors::user_not_found(grantee_name);
                return false;
            }
            if (!record(grantee)) {
                error = last_error();
                return false;
            }
        }
        return true;
    });
}

}  // namespace posdb
