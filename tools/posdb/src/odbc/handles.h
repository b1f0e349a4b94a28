// The driver's environment, connection and statement handles.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "../session.h"
#include "../statement.h"
#include "diagnostics.h"

namespace posdb::odbc {

struct Handle {
    explicit Handle(uint32_t tag) : tag(tag) {}
    ~Handle() { tag = 0; }
    uint32_t tag;
    Diagnostics diag;
};

struct Dbc;
struct Stmt;

struct Env : Handle {
    static constexpr uint32_t kTag = 0x706f6531;
    Env() : Handle(kTag) {}
    SQLINTEGER odbc_version = SQL_OV_ODBC3;
    std::vector<Dbc*> connections;
};

struct Dbc : Handle {
    static constexpr uint32_t kTag = 0x706f6432;
    explicit Dbc(Env* env) : Handle(kTag), env(env) {}
    Env* env;
    std::unique_ptr<Session> session;
    std::string dsn;
    std::vector<Stmt*> statements;
    SQLUINTEGER login_timeout = 0;
    SQLUINTEGER connection_timeout = 0;
    SQLUINTEGER access_mode = SQL_MODE_READ_WRITE;
    SQLUINTEGER txn_isolation = SQL_TXN_SERIALIZABLE;

    // Frees every statement; the engine statements must go before the session.
    void free_statements();
    void close_cursors();
};

struct Binding {
    SQLSMALLINT c_type;
    SQLPOINTER target;
    SQLLEN buffer_length;
    SQLLEN* indicator;
};

struct Stmt : Handle {
    static constexpr uint32_t kTag = 0x706f7333;
    explicit Stmt(Dbc* dbc) : Handle(kTag), dbc(dbc) {}
    Dbc* dbc;
    std::unique_ptr<Statement> statement;
    bool executed = false;
    RunControl run;  // time limit and SQLCancel of what runs on this handle
    std::map<SQLUSMALLINT, Binding> bindings;

    // Progress of SQLGetData on the current row.
    SQLUSMALLINT getdata_column = 0;
    size_t getdata_offset = 0;
    bool getdata_done = false;

    SQLULEN max_rows = 0;
    SQLULEN rows_in_result = 0;
    SQLULEN* rows_fetched_ptr = nullptr;
    SQLUSMALLINT* row_status_ptr = nullptr;
    SQLULEN query_timeout = 0;
    SQLULEN max_length = 0;
    SQLULEN noscan = SQL_NOSCAN_OFF;

    bool has_result_set() const { return statement && executed && statement->column_count() > 0; }
    void reset_getdata() {
        getdata_column = 0;
        getdata_offset = 0;
        getdata_done = false;
    }
    void close_cursor() {
        if (statement) statement->close_cursor();
        rows_in_result = 0;
        reset_getdata();
    }
};

// The handle behind an ODBC handle value, or null when it is not one of ours.
Env* as_env(SQLHANDLE handle);
Dbc* as_dbc(SQLHANDLE handle);
Stmt* as_stmt(SQLHANDLE handle);
Handle* as_handle(SQLSMALLINT type, SQLHANDLE handle);

void free_statement(Stmt* stmt);

}  // namespace posdb::odbc
