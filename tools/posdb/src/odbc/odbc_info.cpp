// What the driver tells about itself: SQLGetInfo and SQLGetFunctions.
#include <sql.h>
#include <sqlext.h>

#include <string>

#include "handles.h"
#include "text_out.h"

using namespace posdb::odbc;

namespace {

// Every function this library exports, and nothing else.
constexpr SQLUSMALLINT kSupported[] = {
    SQL_API_SQLALLOCHANDLE,   SQL_API_SQLFREEHANDLE,    SQL_API_SQLSETENVATTR,
    SQL_API_SQLGETENVATTR,    SQL_API_SQLSETCONNECTATTR, SQL_API_SQLGETCONNECTATTR,
    SQL_API_SQLCONNECT,       SQL_API_SQLDRIVERCONNECT, SQL_API_SQLDISCONNECT,
    SQL_API_SQLEXECDIRECT,    SQL_API_SQLPREPARE,       SQL_API_SQLEXECUTE,
    SQL_API_SQLNUMRESULTCOLS, SQL_API_SQLDESCRIBECOL,   SQL_API_SQLCOLATTRIBUTE,
    SQL_API_SQLFETCH,         SQL_API_SQLFETCHSCROLL,   SQL_API_SQLGETDATA,
    SQL_API_SQLBINDCOL,       SQL_API_SQLROWCOUNT,      SQL_API_SQLCLOSECURSOR,
    SQL_API_SQLFREESTMT,      SQL_API_SQLGETDIAGREC,    SQL_API_SQLGETDIAGFIELD,
    SQL_API_SQLGETINFO,       SQL_API_SQLGETFUNCTIONS,  SQL_API_SQLGETTYPEINFO,
    SQL_API_SQLENDTRAN,       SQL_API_SQLMORERESULTS,   SQL_API_SQLSETSTMTATTR,
    SQL_API_SQLGETSTMTATTR,   SQL_API_SQLCANCEL,
};

enum class Kind { Text, Small, Int };

struct Info {
    SQLUSMALLINT type;
    Kind kind;
    SQLUINTEGER number;
    const char* text;
};

constexpr SQLUINTEGER kAggregates = SQL_AF_ALL | SQL_AF_AVG | SQL_AF_COUNT | SQL_AF_DISTINCT |
                                    SQL_AF_MAX | SQL_AF_MIN | SQL_AF_SUM;

// Facts that do not depend on the connection.
constexpr Info kInfo[] = {
    {SQL_DRIVER_NAME, Kind::Text, 0, "libposdbodbc.so"},
    {SQL_DRIVER_VER, Kind::Text, 0, "01.00.0000"},
    {SQL_DRIVER_ODBC_VER, Kind::Text, 0, "03.00"},
    {SQL_DBMS_NAME, Kind::Text, 0, "posdb"},
    {SQL_DBMS_VER, Kind::Text, 0, "01.00.0000"},
    {SQL_SERVER_NAME, Kind::Text, 0, "posdb"},
    {SQL_DATA_SOURCE_READ_ONLY, Kind::Text, 0, "N"},
    {SQL_ACCESSIBLE_TABLES, Kind::Text, 0, "Y"},
    {SQL_ACCESSIBLE_PROCEDURES, Kind::Text, 0, "Y"},
    {SQL_PROCEDURES, Kind::Text, 0, "N"},
    {SQL_IDENTIFIER_QUOTE_CHAR, Kind::Text, 0, "\""},
    {SQL_SEARCH_PATTERN_ESCAPE, Kind::Text, 0, "\\"},
    {SQL_CATALOG_NAME, Kind::Text, 0, "N"},
    {SQL_CATALOG_NAME_SEPARATOR, Kind::Text, 0, ""},
    {SQL_CATALOG_TERM, Kind::Text, 0, ""},
    {SQL_SCHEMA_TERM, Kind::Text, 0, "owner"},
    {SQL_PROCEDURE_TERM, Kind::Text, 0, "procedure"},
    {SQL_TABLE_TERM, Kind::Text, 0, "table"},
    {SQL_COLUMN_ALIAS, Kind::Text, 0, "Y"},
    {SQL_EXPRESSIONS_IN_ORDERBY, Kind::Text, 0, "Y"},
    {SQL_LIKE_ESCAPE_CLAUSE, Kind::Text, 0, "Y"},
    {SQL_MAX_ROW_SIZE_INCLUDES_LONG, Kind::Text, 0, "N"},
    {SQL_MULT_RESULT_SETS, Kind::Text, 0, "N"},
    {SQL_MULTIPLE_ACTIVE_TXN, Kind::Text, 0, "Y"},
    {SQL_NEED_LONG_DATA_LEN, Kind::Text, 0, "N"},
    {SQL_ORDER_BY_COLUMNS_IN_SELECT, Kind::Text, 0, "N"},
    {SQL_OUTER_JOINS, Kind::Text, 0, "Y"},
    {SQL_ROW_UPDATES, Kind::Text, 0, "N"},
    {SQL_SPECIAL_CHARACTERS, Kind::Text, 0, "@#$"},
    {SQL_KEYWORDS, Kind::Text, 0, ""},
    {SQL_INTEGRITY, Kind::Text, 0, "N"},
    {SQL_DESCRIBE_PARAMETER, Kind::Text, 0, "N"},
    {SQL_COLLATION_SEQ, Kind::Text, 0, ""},
    {SQL_MAX_DRIVER_CONNECTIONS, Kind::Small, 0, nullptr},
    {SQL_MAX_CONCURRENT_ACTIVITIES, Kind::Small, 0, nullptr},
    {SQL_CURSOR_COMMIT_BEHAVIOR, Kind::Small, SQL_CB_CLOSE, nullptr},
    {SQL_CURSOR_ROLLBACK_BEHAVIOR, Kind::Small, SQL_CB_CLOSE, nullptr},
    {SQL_TXN_CAPABLE, Kind::Small, SQL_TC_ALL, nullptr},
    {SQL_IDENTIFIER_CASE, Kind::Small, SQL_IC_MIXED, nullptr},
    {SQL_QUOTED_IDENTIFIER_CASE, Kind::Small, SQL_IC_MIXED, nullptr},
    {SQL_NULL_COLLATION, Kind::Small, SQL_NC_LOW, nullptr},
    {SQL_CONCAT_NULL_BEHAVIOR, Kind::Small, SQL_CB_NULL, nullptr},
    {SQL_CORRELATION_NAME, Kind::Small, SQL_CN_ANY, nullptr},
    {SQL_GROUP_BY, Kind::Small, SQL_GB_GROUP_BY_CONTAINS_SELECT, nullptr},
    {SQL_NON_NULLABLE_COLUMNS, Kind::Small, SQL_NNC_NON_NULL, nullptr},
    {SQL_FILE_USAGE, Kind::Small, SQL_FILE_NOT_SUPPORTED, nullptr},
    {SQL_ODBC_API_CONFORMANCE, Kind::Small, SQL_OAC_LEVEL1, nullptr},
    {SQL_ODBC_SQL_CONFORMANCE, Kind::Small, SQL_OSC_MINIMUM, nullptr},
    {SQL_ODBC_SAG_CLI_CONFORMANCE, Kind::Small, SQL_OSCC_COMPLIANT, nullptr},
    {SQL_MAX_COLUMN_NAME_LEN, Kind::Small, 128, nullptr},
    {SQL_MAX_CURSOR_NAME_LEN, Kind::Small, 128, nullptr},
    {SQL_MAX_SCHEMA_NAME_LEN, Kind::Small, 128, nullptr},
    {SQL_MAX_TABLE_NAME_LEN, Kind::Small, 128, nullptr},
    {SQL_MAX_PROCEDURE_NAME_LEN, Kind::Small, 128, nullptr},
    {SQL_MAX_USER_NAME_LEN, Kind::Small, 128, nullptr},
    {SQL_MAX_IDENTIFIER_LEN, Kind::Small, 128, nullptr},
    {SQL_MAX_CATALOG_NAME_LEN, Kind::Small, 0, nullptr},
    {SQL_MAX_COLUMNS_IN_GROUP_BY, Kind::Small, 0, nullptr},
    {SQL_MAX_COLUMNS_IN_INDEX, Kind::Small, 0, nullptr},
    {SQL_MAX_COLUMNS_IN_ORDER_BY, Kind::Small, 0, nullptr},
    {SQL_MAX_COLUMNS_IN_SELECT, Kind::Small, 0, nullptr},
    {SQL_MAX_COLUMNS_IN_TABLE, Kind::Small, 0, nullptr},
    {SQL_MAX_TABLES_IN_SELECT, Kind::Small, 0, nullptr},
    {SQL_ACTIVE_ENVIRONMENTS, Kind::Small, 0, nullptr},
    {SQL_GETDATA_EXTENSIONS, Kind::Int, SQL_GD_ANY_COLUMN | SQL_GD_ANY_ORDER | SQL_GD_BOUND, nullptr},
    {SQL_SCROLL_OPTIONS, Kind::Int, SQL_SO_FORWARD_ONLY, nullptr},
    {SQL_FETCH_DIRECTION, Kind::Int, SQL_FD_FETCH_NEXT, nullptr},
    {SQL_SCROLL_CONCURRENCY, Kind::Int, SQL_SCCO_READ_ONLY, nullptr},
    {SQL_FORWARD_ONLY_CURSOR_ATTRIBUTES1, Kind::Int, SQL_CA1_NEXT, nullptr},
    {SQL_FORWARD_ONLY_CURSOR_ATTRIBUTES2, Kind::Int,
     SQL_CA2_READ_ONLY_CONCURRENCY | SQL_CA2_MAX_ROWS_SELECT, nullptr},
    {SQL_STATIC_CURSOR_ATTRIBUTES1, Kind::Int, 0, nullptr},
    {SQL_STATIC_CURSOR_ATTRIBUTES2, Kind::Int, 0, nullptr},
    {SQL_KEYSET_CURSOR_ATTRIBUTES1, Kind::Int, 0, nullptr},
    {SQL_KEYSET_CURSOR_ATTRIBUTES2, Kind::Int, 0, nullptr},
    {SQL_DYNAMIC_CURSOR_ATTRIBUTES1, Kind::Int, 0, nullptr},
    {SQL_DYNAMIC_CURSOR_ATTRIBUTES2, Kind::Int, 0, nullptr},
    {SQL_CURSOR_SENSITIVITY, Kind::Int, SQL_INSENSITIVE, nullptr},
    {SQL_DEFAULT_TXN_ISOLATION, Kind::Int, SQL_TXN_SERIALIZABLE, nullptr},
    {SQL_TXN_ISOLATION_OPTION, Kind::Int, SQL_TXN_SERIALIZABLE, nullptr},
    {SQL_ASYNC_MODE, Kind::Int, SQL_AM_NONE, nullptr},
    {SQL_MAX_ASYNC_CONCURRENT_STATEMENTS, Kind::Int, 0, nullptr},
    {SQL_ODBC_INTERFACE_CONFORMANCE, Kind::Int, SQL_OIC_CORE, nullptr},
    {SQL_SQL_CONFORMANCE, Kind::Int, SQL_SC_SQL92_ENTRY, nullptr},
    {SQL_SCHEMA_USAGE, Kind::Int,
     SQL_SU_DML_STATEMENTS | SQL_SU_TABLE_DEFINITION | SQL_SU_PRIVILEGE_DEFINITION, nullptr},
    {SQL_CATALOG_USAGE, Kind::Int, 0, nullptr},
    {SQL_OJ_CAPABILITIES, Kind::Int, SQL_OJ_LEFT | SQL_OJ_NOT_ORDERED | SQL_OJ_ALL_COMPARISON_OPS, nullptr},
    {SQL_AGGREGATE_FUNCTIONS, Kind::Int, kAggregates, nullptr},
    {SQL_SUBQUERIES, Kind::Int,
     SQL_SQ_COMPARISON | SQL_SQ_EXISTS | SQL_SQ_IN | SQL_SQ_QUANTIFIED | SQL_SQ_CORRELATED_SUBQUERIES,
     nullptr},
    {SQL_UNION, Kind::Int, SQL_U_UNION | SQL_U_UNION_ALL, nullptr},
    {SQL_STRING_FUNCTIONS, Kind::Int, 0, nullptr},
    {SQL_NUMERIC_FUNCTIONS, Kind::Int, 0, nullptr},
    {SQL_TIMEDATE_FUNCTIONS, Kind::Int, 0, nullptr},
    {SQL_SYSTEM_FUNCTIONS, Kind::Int, 0, nullptr},
    {SQL_CONVERT_FUNCTIONS, Kind::Int, 0, nullptr},
    {SQL_BOOKMARK_PERSISTENCE, Kind::Int, 0, nullptr},
    {SQL_LOCK_TYPES, Kind::Int, 0, nullptr},
    {SQL_POS_OPERATIONS, Kind::Int, 0, nullptr},
    {SQL_POSITIONED_STATEMENTS, Kind::Int, 0, nullptr},
    {SQL_STATIC_SENSITIVITY, Kind::Int, 0, nullptr},
    {SQL_BATCH_SUPPORT, Kind::Int, 0, nullptr},
    {SQL_BATCH_ROW_COUNT, Kind::Int, 0, nullptr},
    {SQL_PARAM_ARRAY_ROW_COUNTS, Kind::Int, SQL_PARC_NO_BATCH, nullptr},
    {SQL_PARAM_ARRAY_SELECTS, Kind::Int, SQL_PAS_NO_SELECT, nullptr},
    {SQL_MAX_ROW_SIZE, Kind::Int, 0, nullptr},
    {SQL_MAX_STATEMENT_LEN, Kind::Int, 0, nullptr},
    {SQL_MAX_CHAR_LITERAL_LEN, Kind::Int, 0, nullptr},
    {SQL_MAX_BINARY_LITERAL_LEN, Kind::Int, 0, nullptr},
    {SQL_MAX_INDEX_SIZE, Kind::Int, 0, nullptr},
    {SQL_DATETIME_LITERALS, Kind::Int, 0, nullptr},
    {SQL_TIMEDATE_ADD_INTERVALS, Kind::Int, 0, nullptr},
    {SQL_TIMEDATE_DIFF_INTERVALS, Kind::Int, 0, nullptr},
    {SQL_CREATE_TABLE, Kind::Int, SQL_CT_CREATE_TABLE, nullptr},
    {SQL_DROP_TABLE, Kind::Int, SQL_DT_DROP_TABLE, nullptr},
    {SQL_ALTER_TABLE, Kind::Int, SQL_AT_ADD_COLUMN, nullptr},
    {SQL_INSERT_STATEMENT, Kind::Int, SQL_IS_INSERT_LITERALS | SQL_IS_INSERT_SEARCHED, nullptr},
    {SQL_INDEX_KEYWORDS, Kind::Int, SQL_IK_NONE, nullptr},
};

const Info* find_info(SQLUSMALLINT type) {
    for (const Info& info : kInfo)
        if (info.type == type) return &info;
    return nullptr;
}

// Facts of the connection; false for a type that is not one of them.
bool connection_text(Dbc* dbc, SQLUSMALLINT type, std::string& out) {
    const bool connected = dbc->session != nullptr;
    switch (type) {
        case SQL_DATA_SOURCE_NAME: out = dbc->dsn; return true;
        case SQL_USER_NAME: out = connected ? dbc->session->user().name : ""; return true;
        case SQL_DATABASE_NAME: {
            out = connected ? dbc->session->path() : "";
            size_t slash = out.rfind('/');
            if (slash != std::string::npos) out = out.substr(slash + 1);
            size_t dot = out.rfind('.');
            if (dot != std::string::npos && dot > 0) out = out.substr(0, dot);
            return true;
        }
        default: return false;
    }
}

}  // namespace

extern "C" {

SQLRETURN SQL_API SQLGetInfo(SQLHDBC ConnectionHandle, SQLUSMALLINT InfoType, SQLPOINTER InfoValue,
                             SQLSMALLINT BufferLength, SQLSMALLINT* StringLength) {
    Dbc* dbc = as_dbc(ConnectionHandle);
    if (!dbc) return SQL_INVALID_HANDLE;
    dbc->diag.clear();
    std::string text;
    const Info* info = find_info(InfoType);
    if (!info && !connection_text(dbc, InfoType, text))
        return dbc->diag.done(dbc->diag.error("HY096"));
    if (!info || info->kind == Kind::Text) {
        if (info) text = info->text;
        if (!copy_out(text, InfoValue, BufferLength, StringLength) && InfoValue)
            return dbc->diag.done(dbc->diag.warning("01004"));
        return SQL_SUCCESS;
    }
    if (info->kind == Kind::Small) {
        if (InfoValue) *static_cast<SQLUSMALLINT*>(InfoValue) = static_cast<SQLUSMALLINT>(info->number);
        if (StringLength) *StringLength = sizeof(SQLUSMALLINT);
    } else {
        if (InfoValue) *static_cast<SQLUINTEGER*>(InfoValue) = info->number;
        if (StringLength) *StringLength = sizeof(SQLUINTEGER);
    }
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLGetFunctions(SQLHDBC ConnectionHandle, SQLUSMALLINT FunctionId,
                                  SQLUSMALLINT* Supported) {
    Dbc* dbc = as_dbc(ConnectionHandle);
    if (!dbc) return SQL_INVALID_HANDLE;
    dbc->diag.clear();
    if (!Supported) return dbc->diag.done(dbc->diag.error("HY009"));
    if (FunctionId == SQL_API_ODBC3_ALL_FUNCTIONS) {
        for (int i = 0; i < SQL_API_ODBC3_ALL_FUNCTIONS_SIZE; ++i) Supported[i] = 0;
        for (SQLUSMALLINT id : kSupported)
            Supported[id >> 4] = static_cast<SQLUSMALLINT>(Supported[id >> 4] | (1 << (id & 0xF)));
        return SQL_SUCCESS;
    }
    if (FunctionId == SQL_API_ALL_FUNCTIONS) {
        for (int i = 0; i < 100; ++i) Supported[i] = SQL_FALSE;
        for (SQLUSMALLINT id : kSupported)
            if (id < 100) Supported[id] = SQL_TRUE;
        return SQL_SUCCESS;
    }
    *Supported = SQL_FALSE;
    for (SQLUSMALLINT id : kSupported)
        if (id == FunctionId) *Supported = SQL_TRUE;
    return SQL_SUCCESS;
}

}  // extern "C"
