// Statement attributes: a forward-only, read-only cursor of one row at a time.
#include <sql.h>
#include <sqlext.h>

#include "handles.h"

using namespace posdb::odbc;

extern "C" {

SQLRETURN SQL_API SQLSetStmtAttr(SQLHSTMT StatementHandle, SQLINTEGER Attribute, SQLPOINTER Value,
                                 SQLINTEGER /*StringLength*/) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    const SQLULEN v = reinterpret_cast<SQLULEN>(Value);
    auto only = [&](SQLULEN supported) {
        return stmt->diag.done(v == supported ? SQL_SUCCESS : stmt->diag.warning("01S02"));
    };
    switch (Attribute) {
        case SQL_ATTR_CURSOR_TYPE: return only(SQL_CURSOR_FORWARD_ONLY);
        case SQL_ATTR_CONCURRENCY: return only(SQL_CONCUR_READ_ONLY);
        case SQL_ATTR_ROW_ARRAY_SIZE:
        case SQL_ROWSET_SIZE: return only(1);
        case SQL_ATTR_CURSOR_SENSITIVITY:
            return v == SQL_UNSPECIFIED || v == SQL_INSENSITIVE
                       ? SQL_SUCCESS
                       : stmt->diag.done(stmt->diag.error("HYC00"));
        case SQL_ATTR_CURSOR_SCROLLABLE:
        case SQL_ATTR_ASYNC_ENABLE:
        case SQL_ATTR_USE_BOOKMARKS:
        case SQL_ATTR_ROW_BIND_TYPE:
        case SQL_ATTR_ENABLE_AUTO_IPD:
            // all of these are off (SQL_NONSCROLLABLE, SQL_ASYNC_ENABLE_OFF, SQL_UB_OFF,
            // SQL_BIND_BY_COLUMN, SQL_FALSE) and stay so
            return v == 0 ? SQL_SUCCESS : stmt->diag.done(stmt->diag.error("HYC00"));
        case SQL_ATTR_RETRIEVE_DATA:
            return v == SQL_RD_ON ? SQL_SUCCESS : stmt->diag.done(stmt->diag.error("HYC00"));
        case SQL_ATTR_ROW_BIND_OFFSET_PTR:
            return Value == nullptr ? SQL_SUCCESS : stmt->diag.done(stmt->diag.error("HYC00"));
        case SQL_ATTR_MAX_ROWS: stmt->max_rows = v; return SQL_SUCCESS;
        case SQL_ATTR_QUERY_TIMEOUT: stmt->query_timeout = v; return SQL_SUCCESS;
        case SQL_ATTR_MAX_LENGTH: stmt->max_length = v; return SQL_SUCCESS;
        case SQL_ATTR_NOSCAN: stmt->noscan = v; return SQL_SUCCESS;
        case SQL_ATTR_ROWS_FETCHED_PTR: stmt->rows_fetched_ptr = static_cast<SQLULEN*>(Value); return SQL_SUCCESS;
        case SQL_ATTR_ROW_STATUS_PTR: stmt->row_status_ptr = static_cast<SQLUSMALLINT*>(Value); return SQL_SUCCESS;
        default: return stmt->diag.done(stmt->diag.error("HY092"));
    }
}

SQLRETURN SQL_API SQLGetStmtAttr(SQLHSTMT StatementHandle, SQLINTEGER Attribute, SQLPOINTER Value,
                                 SQLINTEGER /*BufferLength*/, SQLINTEGER* StringLength) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    SQLULEN v = 0;
    switch (Attribute) {
        case SQL_ATTR_CURSOR_TYPE: v = SQL_CURSOR_FORWARD_ONLY; break;
        case SQL_ATTR_CONCURRENCY: v = SQL_CONCUR_READ_ONLY; break;
        case SQL_ATTR_ROW_ARRAY_SIZE:
        case SQL_ROWSET_SIZE: v = 1; break;
        case SQL_ATTR_CURSOR_SENSITIVITY: v = SQL_INSENSITIVE; break;
        case SQL_ATTR_CURSOR_SCROLLABLE: v = SQL_NONSCROLLABLE; break;
        case SQL_ATTR_ASYNC_ENABLE: v = SQL_ASYNC_ENABLE_OFF; break;
        case SQL_ATTR_USE_BOOKMARKS: v = SQL_UB_OFF; break;
        case SQL_ATTR_ROW_BIND_TYPE: v = SQL_BIND_BY_COLUMN; break;
        case SQL_ATTR_RETRIEVE_DATA: v = SQL_RD_ON; break;
        case SQL_ATTR_ENABLE_AUTO_IPD: v = SQL_FALSE; break;
        case SQL_ATTR_MAX_ROWS: v = stmt->max_rows; break;
        case SQL_ATTR_QUERY_TIMEOUT: v = stmt->query_timeout; break;
        case SQL_ATTR_MAX_LENGTH: v = stmt->max_length; break;
        case SQL_ATTR_NOSCAN: v = stmt->noscan; break;
        case SQL_ATTR_ROW_NUMBER: v = stmt->statement && stmt->statement->on_row() ? stmt->rows_in_result : 0; break;
        case SQL_ATTR_ROWS_FETCHED_PTR: v = reinterpret_cast<SQLULEN>(stmt->rows_fetched_ptr); break;
        case SQL_ATTR_ROW_STATUS_PTR: v = reinterpret_cast<SQLULEN>(stmt->row_status_ptr); break;
        case SQL_ATTR_ROW_BIND_OFFSET_PTR: v = 0; break;
        // No descriptor handles: the driver manager then keeps its own.
        case SQL_ATTR_APP_ROW_DESC:
        case SQL_ATTR_APP_PARAM_DESC:
        case SQL_ATTR_IMP_ROW_DESC:
        case SQL_ATTR_IMP_PARAM_DESC:
            return stmt->diag.done(stmt->diag.error("HYC00"));
        default: return stmt->diag.done(stmt->diag.error("HY092"));
    }
    if (Value) *static_cast<SQLULEN*>(Value) = v;
    if (StringLength) *StringLength = sizeof v;
    return SQL_SUCCESS;
}

}  // extern "C"
