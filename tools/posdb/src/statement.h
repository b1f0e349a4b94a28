// One statement on a session: prepared once, executed any number of times,
// its result read forward only.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "column_types.h"
#include "error.h"
#include "run_control.h"
#include "sql_commands.h"
#include "value_convert.h"

struct sqlite3_stmt;

namespace posdb {

class Session;

class Statement {
public:
    // Parses, rewrites and compiles the statement text.
    static std::unique_ptr<Statement> prepare(Session& session, std::string_view sql,
                                              DbError& error);
    // Compiles SQLite text as it stands, for the driver's own result sets.
    static std::unique_ptr<Statement> prepare_native(Session& session, std::string_view sql,
                                                     DbError& error);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // control, when given, may stop the statement while SQLite works on it.
    bool execute(DbError& error, RunControl* control = nullptr);

    int column_count() const;
    ColumnInfo column(int index) const;  // 0-based

    enum class Fetch { Row, NoData, Error };
    Fetch fetch(DbError& error, RunControl* control = nullptr);
    bool on_row() const { return on_row_; }
    Cell cell(int index) const;  // 0-based, current row

    // Rows changed by the last execution; -1 for a query.
    long long row_count() const { return row_count_; }

    // Ends the current result; the statement can be executed again.
    void close_cursor();

private:
    Statement(Session& session, CommandKind kind, std::string text);
    bool compile(std::string_view sqlite_text, DbError& error);
    // One step of SQLite's work, with the error of a failed one.
    int step(DbError& error, RunControl* control);

    Session& session_;
    CommandKind kind_;
    std::string text_;
    CreateProcedure create_;
    GrantExecute grant_;
    GrantTable grant_table_;
    sqlite3_stmt* stmt_ = nullptr;
    bool pending_row_ = false;  // execute() stepped onto the first row already
    bool on_row_ = false;
    long long row_count_ = -1;
};

}  // namespace posdb
