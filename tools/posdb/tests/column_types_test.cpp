// How declared column types present themselves to ODBC.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "column_types.h"

namespace posdb {
namespace {

TEST(ColumnTypes, DeclaredTypes) {
    struct Case {
        const char* declared;
        SQLSMALLINT type;
        SQLULEN size;
    } cases[] = {
        {"VARCHAR(20)", SQL_VARCHAR, 20},   {"CHAR(1)", SQL_CHAR, 1},
        {"INTEGER", SQL_INTEGER, 10},       {"smallint", SQL_SMALLINT, 5},
        {"BIGINT", SQL_BIGINT, 19},         {"LONG VARCHAR", SQL_LONGVARCHAR, 32767},
        {"REAL", SQL_REAL, 7},              {"DOUBLE", SQL_DOUBLE, 15},
        {"NUMERIC(7,4)", SQL_NUMERIC, 7},   {"BIT", SQL_BIT, 1},
        {"varchar", SQL_VARCHAR, 255},
    };
    for (const Case& c : cases) {
        const ColumnInfo info = describe_column("x", c.declared, 0);
        EXPECT_EQ(info.sql_type, c.type) << c.declared;
        EXPECT_EQ(info.size, c.size) << c.declared;
        EXPECT_EQ(info.type_name, c.declared);
    }
    EXPECT_EQ(describe_column("p", "NUMERIC(7,4)", 0).digits, 4);
}

TEST(ColumnTypes, ExpressionsTakeTheTypeOfTheirValue) {
    const ColumnInfo text = describe_column("Text", "", SQLITE_TEXT);
    EXPECT_EQ(text.name, "Text");
    EXPECT_EQ(text.sql_type, SQL_VARCHAR);
    EXPECT_EQ(text.type_name, "varchar");
    EXPECT_EQ(describe_column("n", "", SQLITE_INTEGER).sql_type, SQL_INTEGER);
    EXPECT_EQ(describe_column("d", "", SQLITE_FLOAT).sql_type, SQL_DOUBLE);
    EXPECT_EQ(describe_column("u", "", 0).sql_type, SQL_VARCHAR);
}

}  // namespace
}  // namespace posdb
