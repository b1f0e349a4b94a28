#include "rights.h"

#include <sqlite3.h>

#include "catalogue.h"
#include "sql_lexer.h"
#include "sql_rewrite.h"

namespace posdb {

namespace {

constexpr const char* kUsersTable = Catalogue::kUsers;

// SQLite functions that open, read or write files, or hand out pointers.
constexpr const char* kFileFunctions[] = {"load_extension", "readfile", "writefile", "edit",
                                          "fts3_tokenizer"};

bool starts_with_ignore_case(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equals_ignore_case(s.substr(0, prefix.size()), prefix);
}

std::string text(const char* s) { return s ? s : ""; }

const char* right_name(TableRight right) {
    switch (right) {
        case TableRight::Insert: return "insert into";
        case TableRight::Update: return "update";
        case TableRight::Delete: return "delete from";
    }
    return "change";
}

}  // namespace

Rights::Rights(sqlite3* db) { sqlite3_set_authorizer(db, &Rights::authorize, this); }

void Rights::set_user(const User& user) {
    user_name_ = user.name;
    dba_ = user.dba;
    resource_ = user.resource;
    logged_in_ = true;
}

int Rights::authorize(void* self, int action, const char* a, const char* b, const char* database,
                      const char* /*trigger*/) {
    Rights& rights = *static_cast<Rights*>(self);
    if (rights.engine_depth_ > 0) return SQLITE_OK;
    return rights.check(action, a, b, database);
}

int Rights::deny(std::string reason) {
    denial_ = std::move(reason);
    return SQLITE_DENY;
}

bool Rights::owns(const std::string& table) const {
    const std::string owner = table_owner(table);
    return !owner.empty() && equals_ignore_case(owner, user_name_);
}

bool Rights::may_create(const std::string& table) const {
    return dba_ || (resource_ && owns(table));
}

bool Rights::may_write(const std::string& table, TableRight right) const {
    if (dba_ || owns(table)) return true;
    for (const TableGrant& g : grants_)
        if (g.right == right && equals_ignore_case(g.table, table)) return true;
    return false;
}

int Rights::check(int action, const char* a, const char* b, const char* database) {
    if (!logged_in_) return deny("not logged in");
    const bool temp = text(database) == "temp";
    switch (action) {
        case SQLITE_SELECT:
        case SQLITE_RECURSIVE:
        case SQLITE_TRANSACTION:
        case SQLITE_SAVEPOINT:
            return SQLITE_OK;
        case SQLITE_READ:
            // The catalogue is public, its passwords are not: they read as NULL.
            if (!dba_ && equals_ignore_case(text(a), kUsersTable) && equals_ignore_case(text(b), "password"))
                return SQLITE_IGNORE;
            return SQLITE_OK;
        case SQLITE_FUNCTION:
            for (const char* f : kFileFunctions)
                if (equals_ignore_case(text(b), f))
                    return deny("function '" + text(b) + "' is not available");
            return SQLITE_OK;
        case SQLITE_ATTACH:
        case SQLITE_DETACH:
            return deny("other database files cannot be attached");
        case SQLITE_PRAGMA:
            return deny("PRAGMA is not available");
        case SQLITE_INSERT:
        case SQLITE_UPDATE:
        case SQLITE_DELETE: {
            const std::string table = text(a);
            // SQLite keeps its own tables consistent itself.
            if (temp || starts_with_ignore_case(table, "sqlite_")) return SQLITE_OK;
            const TableRight right = action == SQLITE_INSERT   ? TableRight::Insert
                                     : action == SQLITE_UPDATE ? TableRight::Update
                                                               : TableRight::Delete;
            if (may_write(table, right)) return SQLITE_OK;
            return deny(std::string("you do not have permission to ") + right_name(right) + " '" +
                        display_table_name(table) + "'");
        }
        case SQLITE_CREATE_TEMP_TABLE:
        case SQLITE_CREATE_TEMP_VIEW:
        case SQLITE_CREATE_TEMP_INDEX:
        case SQLITE_DROP_TEMP_TABLE:
        case SQLITE_DROP_TEMP_VIEW:
        case SQLITE_DROP_TEMP_INDEX:
            return SQLITE_OK;  // the session's own scratch objects
        case SQLITE_CREATE_TABLE:
        case SQLITE_CREATE_VIEW:
        case SQLITE_DROP_TABLE:
        case SQLITE_DROP_VIEW:
        case SQLITE_CREATE_VTABLE:
        case SQLITE_DROP_VTABLE:
        case SQLITE_REINDEX:  // also part of CREATE INDEX; names the index
            if (may_create(text(a))) return SQLITE_OK;
            return deny("you do not have permission to create or drop '" + display_table_name(text(a)) + "'");
        case SQLITE_CREATE_INDEX:
        case SQLITE_DROP_INDEX:
        case SQLITE_ALTER_TABLE:
            // The table is the fourth argument of each.
            if (may_create(text(b))) return SQLITE_OK;
            return deny("you do not have permission to alter '" + display_table_name(text(b)) + "'");
        default:
            // Triggers run with the rights of whoever fires them, so only
            // DBA defines them; ANALYZE is DBA's too.
            if (dba_) return SQLITE_OK;
            return deny("only DBA may do this");
    }
}

}  // namespace posdb
