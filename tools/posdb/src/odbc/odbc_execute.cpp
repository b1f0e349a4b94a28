// Preparing and executing statements, and describing their results.
#include <sql.h>
#include <sqlext.h>

#include "handles.h"
#include "text_out.h"

using namespace posdb::odbc;
using posdb::ColumnInfo;
using posdb::DbError;
using posdb::Statement;

namespace {

SQLRETURN prepare(Stmt* stmt, SQLCHAR* text, SQLINTEGER length) {
    if (!text) return stmt->diag.error("HY009");
    stmt->close_cursor();
    stmt->statement.reset();
    stmt->executed = false;
    DbError error;
    stmt->statement = Statement::prepare(*stmt->dbc->session, text_in(text, length), error);
    if (!stmt->statement) return stmt->diag.error(error);
    return SQL_SUCCESS;
}

SQLRETURN execute(Stmt* stmt) {
    if (!stmt->statement) return stmt->diag.error("HY010");
    stmt->close_cursor();
    stmt->executed = false;
    DbError error;
    stmt->run.set_timeout(static_cast<unsigned long>(stmt->query_timeout));
    if (!stmt->statement->execute(error, &stmt->run)) return stmt->diag.error(error);
    stmt->executed = true;
    return SQL_SUCCESS;
}

bool valid_column(Stmt* stmt, SQLUSMALLINT column) {
    return stmt->statement && column >= 1 && column <= stmt->statement->column_count();
}

bool is_numeric(SQLSMALLINT sql_type) {
    switch (sql_type) {
        case SQL_INTEGER: case SQL_SMALLINT: case SQL_TINYINT: case SQL_BIGINT:
        case SQL_REAL: case SQL_FLOAT: case SQL_DOUBLE: case SQL_NUMERIC: case SQL_DECIMAL:
        case SQL_BIT:
            return true;
        default:
            return false;
    }
}

SQLLEN octet_length(const ColumnInfo& c) {
    switch (c.sql_type) {
        case SQL_INTEGER: return 4;
        case SQL_SMALLINT: return 2;
        case SQL_TINYINT: case SQL_BIT: return 1;
        case SQL_BIGINT: case SQL_DOUBLE: case SQL_FLOAT: return 8;
        case SQL_REAL: return 4;
        default: return static_cast<SQLLEN>(c.size);
    }
}

}  // namespace

extern "C" {

SQLRETURN SQL_API SQLPrepare(SQLHSTMT StatementHandle, SQLCHAR* StatementText, SQLINTEGER TextLength) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    return stmt->diag.done(prepare(stmt, StatementText, TextLength));
}

SQLRETURN SQL_API SQLExecute(SQLHSTMT StatementHandle) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    return stmt->diag.done(execute(stmt));
}

SQLRETURN SQL_API SQLExecDirect(SQLHSTMT StatementHandle, SQLCHAR* StatementText, SQLINTEGER TextLength) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    SQLRETURN rc = prepare(stmt, StatementText, TextLength);
    if (rc == SQL_SUCCESS) rc = execute(stmt);
    return stmt->diag.done(rc);
}

SQLRETURN SQL_API SQLNumResultCols(SQLHSTMT StatementHandle, SQLSMALLINT* ColumnCount) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    if (!stmt->statement) return stmt->diag.done(stmt->diag.error("HY010"));
    if (ColumnCount) *ColumnCount = static_cast<SQLSMALLINT>(stmt->statement->column_count());
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLDescribeCol(SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber,
                                 SQLCHAR* ColumnName, SQLSMALLINT BufferLength,
                                 SQLSMALLINT* NameLength, SQLSMALLINT* DataType,
                                 SQLULEN* ColumnSize, SQLSMALLINT* DecimalDigits,
                                 SQLSMALLINT* Nullable) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    if (!stmt->statement) return stmt->diag.done(stmt->diag.error("HY010"));
    if (!valid_column(stmt, ColumnNumber)) return stmt->diag.done(stmt->diag.error("07009"));
    const ColumnInfo c = stmt->statement->column(ColumnNumber - 1);
    SQLRETURN rc = SQL_SUCCESS;
    if (!copy_out(c.name, ColumnName, BufferLength, NameLength) && ColumnName)
        rc = stmt->diag.warning("01004");
    if (DataType) *DataType = c.sql_type;
    if (ColumnSize) *ColumnSize = c.size;
    if (DecimalDigits) *DecimalDigits = c.digits;
    if (Nullable) *Nullable = SQL_NULLABLE_UNKNOWN;
    return stmt->diag.done(rc);
}

SQLRETURN SQL_API SQLColAttribute(SQLHSTMT StatementHandle, SQLUSMALLINT ColumnNumber,
                                  SQLUSMALLINT FieldIdentifier, SQLPOINTER CharacterAttribute,
                                  SQLSMALLINT BufferLength, SQLSMALLINT* StringLength,
                                  SQLLEN* NumericAttribute) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    if (!stmt->statement) return stmt->diag.done(stmt->diag.error("HY010"));
    if (FieldIdentifier == SQL_DESC_COUNT || FieldIdentifier == SQL_COLUMN_COUNT) {
        if (NumericAttribute) *NumericAttribute = stmt->statement->column_count();
        return SQL_SUCCESS;
    }
    if (!valid_column(stmt, ColumnNumber)) return stmt->diag.done(stmt->diag.error("07009"));
    const ColumnInfo c = stmt->statement->column(ColumnNumber - 1);
    const bool numeric = is_numeric(c.sql_type);

    auto text = [&](const std::string& value) {
        if (!copy_out(value, CharacterAttribute, BufferLength, StringLength) && CharacterAttribute)
            return stmt->diag.done(stmt->diag.warning("01004"));
        return SQLRETURN(SQL_SUCCESS);
    };
    SQLLEN n = 0;
    switch (FieldIdentifier) {
        case SQL_DESC_NAME: case SQL_COLUMN_NAME: case SQL_DESC_LABEL: case SQL_DESC_BASE_COLUMN_NAME:
            return text(c.name);
        case SQL_DESC_TYPE_NAME: return text(c.type_name);
        case SQL_DESC_LOCAL_TYPE_NAME: case SQL_DESC_TABLE_NAME: case SQL_DESC_BASE_TABLE_NAME:
        case SQL_DESC_SCHEMA_NAME: case SQL_DESC_CATALOG_NAME:
            return text("");
        case SQL_DESC_LITERAL_PREFIX: case SQL_DESC_LITERAL_SUFFIX:
            return text(numeric ? "" : "'");
        case SQL_DESC_TYPE: case SQL_DESC_CONCISE_TYPE: n = c.sql_type; break;  // = SQL_COLUMN_TYPE
        case SQL_DESC_LENGTH: case SQL_COLUMN_LENGTH: case SQL_DESC_PRECISION: case SQL_COLUMN_PRECISION:
            n = static_cast<SQLLEN>(c.size);
            break;
        case SQL_DESC_OCTET_LENGTH: n = octet_length(c); break;
        case SQL_DESC_SCALE: case SQL_COLUMN_SCALE: n = c.digits; break;
        case SQL_DESC_DISPLAY_SIZE: n = c.display_size; break;
        case SQL_DESC_NULLABLE: case SQL_COLUMN_NULLABLE: n = SQL_NULLABLE_UNKNOWN; break;
        case SQL_DESC_UNSIGNED: n = numeric ? SQL_FALSE : SQL_TRUE; break;
        case SQL_DESC_FIXED_PREC_SCALE: case SQL_DESC_AUTO_UNIQUE_VALUE: n = SQL_FALSE; break;
        case SQL_DESC_CASE_SENSITIVE: n = SQL_FALSE; break;  // comparisons ignore case
        case SQL_DESC_SEARCHABLE:
            n = c.sql_type == SQL_LONGVARCHAR ? SQL_PRED_CHAR : SQL_PRED_SEARCHABLE;
            break;
        case SQL_DESC_UPDATABLE: n = SQL_ATTR_READWRITE_UNKNOWN; break;
        case SQL_DESC_NUM_PREC_RADIX: n = numeric ? 10 : 0; break;
        case SQL_DESC_UNNAMED: n = SQL_NAMED; break;
        default: return stmt->diag.done(stmt->diag.error("HY091"));
    }
    if (NumericAttribute) *NumericAttribute = n;
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLRowCount(SQLHSTMT StatementHandle, SQLLEN* RowCount) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    if (!stmt->statement || !stmt->executed) return stmt->diag.done(stmt->diag.error("HY010"));
    if (RowCount) *RowCount = static_cast<SQLLEN>(stmt->statement->row_count());
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLMoreResults(SQLHSTMT StatementHandle) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    stmt->close_cursor();  // one result per statement
    return SQL_NO_DATA;
}

// Called from another thread while the statement runs; so it leaves the
// handle's diagnostics, which belong to that thread's call, alone.
SQLRETURN SQL_API SQLCancel(SQLHSTMT StatementHandle) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->run.cancel();
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLGetTypeInfo(SQLHSTMT StatementHandle, SQLSMALLINT /*DataType*/) {
    Stmt* stmt = as_stmt(StatementHandle);
    if (!stmt) return SQL_INVALID_HANDLE;
    stmt->diag.clear();
    // The result has the standard columns and no rows: the driver offers no
    // type catalogue.
    static const char* const kNoTypes =
        "SELECT NULL AS TYPE_NAME, NULL AS DATA_TYPE, NULL AS COLUMN_SIZE, NULL AS LITERAL_PREFIX,"
        " NULL AS LITERAL_SUFFIX, NULL AS CREATE_PARAMS, NULL AS NULLABLE, NULL AS CASE_SENSITIVE,"
        " NULL AS SEARCHABLE, NULL AS UNSIGNED_ATTRIBUTE, NULL AS FIXED_PREC_SCALE,"
        " NULL AS AUTO_UNIQUE_VALUE, NULL AS LOCAL_TYPE_NAME, NULL AS MINIMUM_SCALE,"
        " NULL AS MAXIMUM_SCALE, NULL AS SQL_DATA_TYPE, NULL AS SQL_DATETIME_SUB,"
        " NULL AS NUM_PREC_RADIX, NULL AS INTERVAL_PRECISION WHERE 0";
    stmt->close_cursor();
    stmt->statement.reset();
    stmt->executed = false;
    DbError error;
    stmt->statement = Statement::prepare_native(*stmt->dbc->session, kNoTypes, error);
    if (!stmt->statement) return stmt->diag.done(stmt->diag.error(error));
    return stmt->diag.done(execute(stmt));
}

}  // extern "C"
