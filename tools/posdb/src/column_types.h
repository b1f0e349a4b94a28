// How a result column presents itself to ODBC: SQL type, size and name,
// derived from the column's declared type (or, for expressions, its value).
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <string_view>

namespace posdb {

struct ColumnInfo {
    std::string name;
    std::string type_name;  // declared type, or the type's ODBC name
    SQLSMALLINT sql_type = SQL_VARCHAR;
    SQLULEN size = 0;            // column size in the ODBC sense
    SQLSMALLINT digits = 0;      // decimal digits
    SQLLEN display_size = 0;
};

// declared: the column's declared type ("" for expressions).
// value_type: SQLite's storage class of the current value, or 0 when unknown;
// used only when nothing is declared.
ColumnInfo describe_column(std::string_view name, std::string_view declared, int value_type);

}  // namespace posdb
