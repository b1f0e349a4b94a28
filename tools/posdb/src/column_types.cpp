#include "column_types.h"

#include <sqlite3.h>

#include <cstdlib>

#include "sql_lexer.h"

namespace posdb {

namespace {

constexpr SQLULEN kDefaultTextSize = 255;
constexpr SQLULEN kLongTextSize = 32767;

bool contains(const std::string& haystack, std::string_view needle) {
    return haystack.find(needle) != std::string::npos;
}

// "VARCHAR(40)" -> 40, "NUMERIC(10,2)" -> 10 and 2
void read_length(std::string_view declared, SQLULEN& size, SQLSMALLINT* scale) {
    size_t open = declared.find('(');
    if (open == std::string_view::npos) return;
    const std::string args(declared.substr(open + 1));
    char* end = nullptr;
    unsigned long n = std::strtoul(args.c_str(), &end, 10);
    if (end != args.c_str() && n > 0) size = n;
    if (scale && end && *end == ',') *scale = static_cast<SQLSMALLINT>(std::strtol(end + 1, nullptr, 10));
}

void set(ColumnInfo& c, SQLSMALLINT type, SQLULEN size, SQLLEN display, const char* name) {
    c.sql_type = type;
    c.size = size;
    c.display_size = display;
    if (c.type_name.empty()) c.type_name = name;
}

}  // namespace

ColumnInfo describe_column(std::string_view name, std::string_view declared, int value_type) {
    ColumnInfo c;
    c.name = std::string(name);
    c.type_name = std::string(declared);
    std::string t = to_lower(declared);
    if (t.empty()) {
        switch (value_type) {
            case SQLITE_INTEGER: t = "integer"; break;
            case SQLITE_FLOAT: t = "double"; break;
            default: t = "varchar"; break;
        }
    }
    if (contains(t, "bigint")) {
        set(c, SQL_BIGINT, 19, 20, "bigint");
    } else if (contains(t, "smallint")) {
        set(c, SQL_SMALLINT, 5, 6, "smallint");
    } else if (contains(t, "tinyint")) {
        set(c, SQL_TINYINT, 3, 4, "tinyint");
    } else if (contains(t, "int")) {
        set(c, SQL_INTEGER, 10, 11, "integer");
    } else if (t == "bit" || contains(t, "bool")) {
        set(c, SQL_BIT, 1, 1, "bit");
    } else if (contains(t, "real")) {
        set(c, SQL_REAL, 7, 14, "real");
    } else if (contains(t, "floa") || contains(t, "doub")) {
        set(c, SQL_DOUBLE, 15, 24, "double");
    } else if (contains(t, "numeric") || contains(t, "decimal")) {
        SQLULEN precision = 30;
        SQLSMALLINT scale = 6;
        read_length(t, precision, &scale);
        set(c, SQL_NUMERIC, precision, static_cast<SQLLEN>(precision) + 2, "numeric");
        c.digits = scale;
    } else if (contains(t, "long") || t == "text" || contains(t, "clob")) {
        set(c, SQL_LONGVARCHAR, kLongTextSize, kLongTextSize, "long varchar");
    } else if (contains(t, "char")) {
        SQLULEN length = contains(t, "varchar") ? kDefaultTextSize : 1;
        read_length(t, length, nullptr);
        set(c, contains(t, "varchar") ? SQL_VARCHAR : SQL_CHAR, length,
            static_cast<SQLLEN>(length), contains(t, "varchar") ? "varchar" : "char");
    } else {
        set(c, SQL_VARCHAR, kDefaultTextSize, kDefaultTextSize, "varchar");
    }
    return c;
}

}  // namespace posdb
