#include "statement.h"

#include <sqlite3.h>

#include <vector>

#include "session.h"
#include "sql_lexer.h"
#include "sql_rewrite.h"

namespace posdb {

Statement::Statement(Session& session, CommandKind kind, std::string text)
    : session_(session), kind_(kind), text_(std::move(text)) {}

Statement::~Statement() { sqlite3_finalize(stmt_); }

std::unique_ptr<Statement> Statement::prepare(Session& session, std::string_view sql,
                                              DbError& error) {
    if (!session.check_alive(error)) return nullptr;
    const CommandKind kind = classify(sql);
    std::unique_ptr<Statement> st(new Statement(session, kind, std::string(sql)));
    switch (kind) {
        case CommandKind::CreateProcedure:
            if (!parse_create_procedure(sql, st->create_, error)) return nullptr;
            return st;
        case CommandKind::Grant:
            if (!parse_grant(sql, st->grant_, error)) return nullptr;
            return st;
        case CommandKind::GrantTable:
            if (!parse_grant_table(sql, st->grant_table_, error)) return nullptr;
            return st;
        case CommandKind::SqliteOnly:
            error = errors::permission_denied(to_upper(command_keyword(sql)) + " is not available");
            return nullptr;
        case CommandKind::Sql:
            break;
    }
    if (!session.refresh_rights(error)) return nullptr;
    std::vector<std::string> owners;
    if (!session.catalogue().owner_names(owners, error)) {
        session.note_failure(error);
        return nullptr;
    }
    const std::string rewritten = rewrite_owner_names(sql, [&](std::string_view name) {
        for (const std::string& owner : owners)
            if (equals_ignore_case(owner, name)) return true;
        return false;
    });
    if (!st->compile(rewritten, error)) return nullptr;
    return st;
}

std::unique_ptr<Statement> Statement::prepare_native(Session& session, std::string_view sql,
                                                     DbError& error) {
    if (!session.check_alive(error)) return nullptr;
    std::unique_ptr<Statement> st(new Statement(session, CommandKind::Sql, std::string(sql)));
    if (!st->compile(sql, error)) return nullptr;
    return st;
}

bool Statement::compile(std::string_view sqlite_text, DbError& error) {
    const char* tail = nullptr;
    int rc = sqlite3_prepare_v2(session_.db(), sqlite_text.data(),
                                static_cast<int>(sqlite_text.size()), &stmt_, &tail);
    if (rc != SQLITE_OK) {
        error = session_.sqlite_error(rc);
        return false;
    }
    if (!stmt_) {  // only blanks or comments
        error = errors::syntax_error("end of statement");
        return false;
    }
    // One statement per call: anything after it other than semicolons is an error.
    const std::string_view rest(tail, static_cast<size_t>(sqlite_text.data() + sqlite_text.size() - tail));
    for (const Token& t : tokenize(rest)) {
        if (!t.is_symbol(";")) {
            error = errors::syntax_error(t.text);
            return false;
        }
    }
    return true;
}

int Statement::step(DbError& error, RunControl* control) {
    int rc;
    {
        RunControl::Run run(session_.db(), control);
        rc = sqlite3_step(stmt_);
    }
    // A result that came too late is not delivered; a change that was made
    // is reported as made.
    const bool late = (rc == SQLITE_ROW || (rc == SQLITE_DONE && sqlite3_stmt_readonly(stmt_))) &&
                      control && control->overran();
    if (late)
        rc = SQLITE_INTERRUPT;
    else if (rc == SQLITE_ROW || rc == SQLITE_DONE)
        return rc;
    if (rc == SQLITE_INTERRUPT && control && control->stop() != RunControl::Stop::None)
        error = control->stop() == RunControl::Stop::Timeout ? errors::timeout_expired() : errors::cancelled();
    else
        error = session_.sqlite_error(sqlite3_extended_errcode(session_.db()));
    sqlite3_reset(stmt_);
    return rc;
}

bool Statement::execute(DbError& error, RunControl* control) {
    close_cursor();
    if (!session_.check_alive(error) || !session_.begin_if_needed(error)) return false;
    switch (kind_) {
        case CommandKind::CreateProcedure:
            if (!session_.catalogue().create_procedure(session_.user(), create_, text_, error)) {
                session_.note_failure(error);
                return false;
            }
            row_count_ = 0;
            return true;
        case CommandKind::Grant:
        case CommandKind::GrantTable: {
            const bool granted =
                kind_ == CommandKind::Grant
                    ? session_.catalogue().grant_execute(session_.user(), grant_, error)
                    : session_.catalogue().grant_table(session_.user(), grant_table_, error);
            if (!granted) {
                session_.note_failure(error);
                return false;
            }
            row_count_ = 0;
            return true;
        }
        case CommandKind::SqliteOnly:  // refused when prepared
        case CommandKind::Sql:
            break;
    }
    if (sqlite3_bind_parameter_count(stmt_) > 0) {
        error = errors::parameters_not_supported();
        return false;
    }
    sqlite3* db = session_.db();
    const long long changes_before = sqlite3_total_changes64(db);
    const int rc = step(error, control);
    if (rc == SQLITE_ROW) {
        pending_row_ = true;
    } else if (rc == SQLITE_DONE) {
        sqlite3_reset(stmt_);
    } else {
        return false;
    }
    row_count_ = column_count() > 0 ? -1 : sqlite3_total_changes64(db) - changes_before;
    return true;
}

int Statement::column_count() const { return stmt_ ? sqlite3_column_count(stmt_) : 0; }

ColumnInfo Statement::column(int index) const {
    const char* name = sqlite3_column_name(stmt_, index);
    const char* declared = sqlite3_column_decltype(stmt_, index);
    const int value_type = on_row_ || pending_row_ ? sqlite3_column_type(stmt_, index) : 0;
    return describe_column(name ? name : "", declared ? declared : "", value_type);
}

Statement::Fetch Statement::fetch(DbError& error, RunControl* control) {
    on_row_ = false;
    if (!stmt_ || column_count() == 0) return Fetch::NoData;
    if (!session_.check_alive(error)) return Fetch::Error;
    if (pending_row_) {
        pending_row_ = false;
        on_row_ = true;
        return Fetch::Row;
    }
    if (sqlite3_stmt_busy(stmt_) == 0) return Fetch::NoData;  // result already ended
    const int rc = step(error, control);
    if (rc == SQLITE_ROW) {
        on_row_ = true;
        return Fetch::Row;
    }
    if (rc == SQLITE_DONE) {
        sqlite3_reset(stmt_);
        return Fetch::NoData;
    }
    return Fetch::Error;
}

Cell Statement::cell(int index) const {
    Cell c;
    switch (sqlite3_column_type(stmt_, index)) {
        case SQLITE_INTEGER:
            c.type = Cell::Type::Integer;
            c.integer = sqlite3_column_int64(stmt_, index);
            break;
        case SQLITE_FLOAT:
            c.type = Cell::Type::Real;
            c.real = sqlite3_column_double(stmt_, index);
            break;
        case SQLITE_TEXT:
        case SQLITE_BLOB: {
            const bool text = sqlite3_column_type(stmt_, index) == SQLITE_TEXT;
            c.type = text ? Cell::Type::Text : Cell::Type::Blob;
            const void* data = text ? static_cast<const void*>(sqlite3_column_text(stmt_, index))
                                    : sqlite3_column_blob(stmt_, index);
            const int size = sqlite3_column_bytes(stmt_, index);
            if (data && size > 0) c.bytes.assign(static_cast<const char*>(data), static_cast<size_t>(size));
            break;
        }
        default:
            break;
    }
    return c;
}

void Statement::close_cursor() {
    pending_row_ = false;
    on_row_ = false;
    if (stmt_) sqlite3_reset(stmt_);
}

}  // namespace posdb
