// Reading results: fetching rows, bound columns and SQLGetData.
#include <sql.h>
#include <sqlext.h>

#include "../value_convert.h"
#include "handles.h"

using namespace posdb::odbc;
using posdb::Cell;
using posdb::ConvertResult;
using posdb::DbError;
using posdb::Statement;

namespace {

SQLRETURN report(Stmt* stmt, const ConvertResult& r) {
    if (r.sqlstate) {
        if (r.rc == SQL_ERROR) return stmt->diag.error(r.sqlstate);
        return stmt->diag.warning(r.sqlstate);
    }
    return r.rc;
}

SQLSMALLINT resolve_c_type(Stmt* stmt, SQLUSMALLINT column, SQLSMALLINT c_type) {
    if (c_type != SQL_C_DEFAULT) return c_type;
    return posdb::default_c_type(stmt->statement->column(column - 1).sql_type);
}

// Delivers one column of the current row into an application buffer.
SQLRETURN deliver(Stmt* stmt, SQLUSMALLINT column, SQLSMALLINT c_type, SQLPOINTER target,
                  SQLLEN buffer_length, SQLLEN* indicator, size_t& offset, bool& done) {
    const Cell cell = stmt->statement->cell(column - 1);
    if (cell.type == Cell::Type::Null) {
        if (done) return SQL_NO_DATA;
        if (!indicator) return stmt->diag.error("22002");
        *indicator = SQL_NULL_DATA;
        done = true;
        return SQL_SUCCESS;
    }
    c_type = resolve_c_type(stmt, column, c_type);
    if (posdb::is_variable_c_type(c_type)) {
        const ConvertResult r =
            posdb::convert_piece(cell, c_type, target, buffer_length, indicator, offset);
        return report(stmt, r);
    }
    if (done) return SQL_NO_DATA;
    if (!target) return stmt->diag.error("HY009");
    done = true;
    return report(stmt, posdb::convert_fixed(cell, c_type, target, indicator));
}

SQLRETURN fetch_next(Stmt* stmt) {
    if (!stmt->has_result_set()) return stmt->diag.error("24000");
    if (stmt->rows_fetched_ptr) *stmt->rows_fetched_ptr = 0;
    stmt->reset_getdata();
    Statement::Fetch f = Statement::Fetch::NoData;
    DbError error;
    if (stmt->max_rows == 0 || stmt->rows_in_result < stmt->max_rows)
        f = stmt->statement->fetch(error, &stmt->run);
    if (f == Statement::Fetch::Error) return stmt->diag.error(error);
    if (f == Statement::Fetch::NoData) {
        stmt->statement->close_cursor();
        return SQL_NO_DATA;
    }
    ++stmt->rows_in_result;
    SQLRETURN rc = SQL_SUCCESS;
    for (auto& [column, b] : stmt->bindings) {
        if (column > stmt->statement->column_count()) {
            rc = worst(rc, stmt->diag.error("07009"));
            continue;
        }
        size_t offset = 0;
        bool done = false;
        rc = worst(rc, deliver(stmt, column, b.c_type, b.target, b.buffer_length, b.indicator,
                               offset, done));
    }
    if (stmt->rows_fetched_ptr) *stmt->rows_fetched_ptr = 1;
    if (stmt->row_status_ptr)
        *stmt->row_status_ptr = rc == SQL_SUCCESS   ? SQL_ROW_SUCCESS
                                : rc == SQL_ERROR   ? SQL_ROW_ERROR
                                                    : SQL_ROW_SUCCESS_WITH_INFO;
    return rc;
}

}  // namespace

extern "C" {

SQLRETURN SQL_API SQLFetch(SQLHSTMT StatementHandle) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    return stmt->diag.done(fetch_next(stmt));
}

SQLRETURN SQL_API SQLFetchScroll(SQLHSTMT StatementHandle, SQLSMALLINT FetchOrientation,
                                 SQLLEN /*FetchOffset*/) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    if (FetchOrientation != SQL_FETCH_NEXT) return stmt->diag.done(stmt->diag.error("HY106"));
    return stmt->diag.done(fetch_next(stmt));
}

SQLRETURN SQL_API SQLGetData(SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber,
                             SQLSMALLINT TargetType, SQLPOINTER TargetValue, SQLLEN BufferLength,
                             SQLLEN* StrLen_or_Ind) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    if (!stmt->has_result_set() || !stmt->statement->on_row())
        return stmt->diag.done(stmt->diag.error("24000"));
    if (ColumnNumber < 1 || ColumnNumber > stmt->statement->column_count())
        return stmt->diag.done(stmt->diag.error("07009"));
    if (BufferLength < 0) return stmt->diag.done(stmt->diag.error("HY090"));
    if (ColumnNumber != stmt->getdata_column) {
        stmt->reset_getdata();
        stmt->getdata_column = ColumnNumber;
    }
    return stmt->diag.done(deliver(stmt, ColumnNumber, TargetType, TargetValue, BufferLength,
                                   StrLen_or_Ind, stmt->getdata_offset, stmt->getdata_done));
}

SQLRETURN SQL_API SQLBindCol(SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber,
                             SQLSMALLINT TargetType, SQLPOINTER TargetValue, SQLLEN BufferLength,
                             SQLLEN* StrLen_or_Ind) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    if (ColumnNumber == 0) return stmt->diag.done(stmt->diag.error("07009"));  // no bookmarks
    if (BufferLength < 0) return stmt->diag.done(stmt->diag.error("HY090"));
    if (!TargetValue) {
        stmt->bindings.erase(ColumnNumber);
        return SQL_SUCCESS;
    }
    stmt->bindings[ColumnNumber] = Binding{TargetType, TargetValue, BufferLength, StrLen_or_Ind};
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLCloseCursor(SQLHSTMT StatementHandle) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    if (!stmt->has_result_set()) return stmt->diag.done(stmt->diag.error("24000"));
    stmt->close_cursor();
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLFreeStmt(SQLHSTMT StatementHandle, SQLUSMALLINT Option) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    switch (Option) {
        case SQL_CLOSE: stmt->close_cursor(); return SQL_SUCCESS;
        case SQL_UNBIND: stmt->bindings.clear(); return SQL_SUCCESS;
        case SQL_RESET_PARAMS: return SQL_SUCCESS;  // parameters are never bound
        case SQL_DROP: free_statement(stmt); return SQL_SUCCESS;
        default: return stmt->diag.done(stmt->diag.error("HY092"));
    }
}

}  // extern "C"
