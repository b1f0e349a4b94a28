// Conversion of one result value to the C types an application asks for in
// SQLGetData / SQLBindCol, with ODBC's truncation and range rules.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>

namespace posdb {

struct Cell {
    enum class Type { Null, Integer, Real, Text, Blob };
    Type type = Type::Null;
    long long integer = 0;
    double real = 0.0;
    std::string bytes;  // text (UTF-8) or blob
};

// The value as text, the way SQL_C_CHAR delivers it.
std::string cell_text(const Cell& cell);

struct ConvertResult {
    SQLRETURN rc = SQL_SUCCESS;
    const char* sqlstate = nullptr;  // set for warnings and errors
};

// The C type SQL_C_DEFAULT stands for with a column of this SQL type.
SQLSMALLINT default_c_type(SQLSMALLINT sql_type);

// Variable-length targets (SQL_C_CHAR, SQL_C_WCHAR, SQL_C_BINARY) are read in
// pieces; everything else is delivered whole.
bool is_variable_c_type(SQLSMALLINT c_type);

// Writes a fixed-size value. length receives its size in bytes (may be null).
ConvertResult convert_fixed(const Cell& cell, SQLSMALLINT c_type, SQLPOINTER target,
                            SQLLEN* length);

// Writes the next piece of a variable-length value, starting at offset (in
// bytes of the converted data), and advances offset by what was written.
// length receives the bytes remaining from offset before the call (may be null).
// Returns SQL_NO_DATA when an earlier call already delivered everything.
ConvertResult convert_piece(const Cell& cell, SQLSMALLINT c_type, SQLPOINTER target,
                            SQLLEN buffer_length, SQLLEN* length, size_t& offset);

}  // namespace posdb
