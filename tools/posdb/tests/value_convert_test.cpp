// Conversions of result values to the C types of SQLGetData and SQLBindCol.
#include <gtest/gtest.h>

#include <cstring>

#include "value_convert.h"

namespace posdb {
namespace {

Cell text(const std::string& s) {
    Cell c;
    c.type = Cell::Type::Text;
    c.bytes = s;
    return c;
}
Cell integer(long long v) {
    Cell c;
    c.type = Cell::Type::Integer;
    c.integer = v;
    return c;
}
Cell real(double v) {
    Cell c;
    c.type = Cell::Type::Real;
    c.real = v;
    return c;
}

TEST(TextPieces, LongTextArrivesInPiecesThenNoData) {
    const Cell c = text("Harbour Restaurant");
    char buf[8];
    SQLLEN len = 0;
    size_t offset = 0;
    ConvertResult r = convert_piece(c, SQL_C_CHAR, buf, sizeof buf, &len, offset);
    EXPECT_EQ(r.rc, SQL_SUCCESS_WITH_INFO);
    EXPECT_STREQ(r.sqlstate, "01004");
    EXPECT_EQ(len, 18);
    EXPECT_STREQ(buf, "Harbour");
    r = convert_piece(c, SQL_C_CHAR, buf, sizeof buf, &len, offset);
    EXPECT_STREQ(buf, " Restau");
    EXPECT_EQ(len, 11);
    r = convert_piece(c, SQL_C_CHAR, buf, sizeof buf, &len, offset);
    EXPECT_EQ(r.rc, SQL_SUCCESS);
    EXPECT_STREQ(buf, "rant");
    EXPECT_EQ(len, 4);
    EXPECT_EQ(convert_piece(c, SQL_C_CHAR, buf, sizeof buf, &len, offset).rc, SQL_NO_DATA);
}

TEST(TextPieces, LengthOnlyRequestsDoNotConsume) {
    const Cell c = text("Lobby Bar");
    SQLLEN len = 0;
    size_t offset = 0;
    EXPECT_STREQ(convert_piece(c, SQL_C_CHAR, nullptr, 0, &len, offset).sqlstate, "01004");
    EXPECT_EQ(len, 9);
    char buf[16];
    EXPECT_EQ(convert_piece(c, SQL_C_CHAR, buf, sizeof buf, &len, offset).rc, SQL_SUCCESS);
    EXPECT_STREQ(buf, "Lobby Bar");
}

TEST(TextPieces, EmptyTextIsDeliveredOnce) {
    const Cell c = text("");
    char buf[4] = "xyz";
    SQLLEN len = -5;
    size_t offset = 0;
    EXPECT_EQ(convert_piece(c, SQL_C_CHAR, buf, sizeof buf, &len, offset).rc, SQL_SUCCESS);
    EXPECT_EQ(len, 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(convert_piece(c, SQL_C_CHAR, buf, sizeof buf, &len, offset).rc, SQL_NO_DATA);
}

TEST(TextPieces, NumbersAsText) {
    char buf[32];
    size_t offset = 0;
    convert_piece(integer(-104), SQL_C_CHAR, buf, sizeof buf, nullptr, offset);
    EXPECT_STREQ(buf, "-104");
    offset = 0;
    convert_piece(real(2.25), SQL_C_CHAR, buf, sizeof buf, nullptr, offset);
    EXPECT_STREQ(buf, "2.25");
    offset = 0;
    convert_piece(real(0.1), SQL_C_CHAR, buf, sizeof buf, nullptr, offset);
    EXPECT_STREQ(buf, "0.1");
    EXPECT_EQ(cell_text(real(1.0 / 3.0)), "0.33333333333333331");  // survives a round trip
}

TEST(TextPieces, WideTextIsUtf16) {
    const Cell c = text("Caf\xc3\xa9 \xf0\x9f\x8d\xb7");  // "Café" and U+1F377
    SQLWCHAR buf[16];
    SQLLEN len = 0;
    size_t offset = 0;
    EXPECT_EQ(convert_piece(c, SQL_C_WCHAR, buf, sizeof buf, &len, offset).rc, SQL_SUCCESS);
    EXPECT_EQ(len, 7 * 2);
    EXPECT_EQ(buf[3], 0xE9);
    EXPECT_EQ(buf[5], 0xD83C);
    EXPECT_EQ(buf[6], 0xDF77);
    EXPECT_EQ(buf[7], 0);
    // A buffer with room for less than a terminator gets nothing written.
    SQLWCHAR tiny[1] = {0x1234};
    offset = 0;
    EXPECT_STREQ(convert_piece(c, SQL_C_WCHAR, tiny, 1, &len, offset).sqlstate, "01004");
    EXPECT_EQ(tiny[0], 0x1234);
}

TEST(Integers, FromIntegersRealsAndText) {
    SQLINTEGER v = 0;
    SQLLEN len = 0;
    EXPECT_EQ(convert_fixed(integer(410), SQL_C_SLONG, &v, &len).rc, SQL_SUCCESS);
    EXPECT_EQ(v, 410);
    EXPECT_EQ(len, 4);
    EXPECT_EQ(convert_fixed(text(" 101 "), SQL_C_LONG, &v, nullptr).rc, SQL_SUCCESS);
    EXPECT_EQ(v, 101);
    ConvertResult r = convert_fixed(text("4.10"), SQL_C_SLONG, &v, nullptr);
    EXPECT_EQ(r.rc, SQL_SUCCESS_WITH_INFO);
    EXPECT_STREQ(r.sqlstate, "01S07");
    EXPECT_EQ(v, 4);
    r = convert_fixed(real(-2.75), SQL_C_SLONG, &v, nullptr);
    EXPECT_STREQ(r.sqlstate, "01S07");
    EXPECT_EQ(v, -2);
}

TEST(Integers, RangeAndCharacterErrors) {
    SQLINTEGER v = 7;
    EXPECT_STREQ(convert_fixed(integer(3000000000LL), SQL_C_SLONG, &v, nullptr).sqlstate, "22003");
    EXPECT_STREQ(convert_fixed(integer(-1), SQL_C_ULONG, &v, nullptr).sqlstate, "22003");
    EXPECT_STREQ(convert_fixed(text("Cash"), SQL_C_SLONG, &v, nullptr).sqlstate, "22018");
    EXPECT_STREQ(convert_fixed(text(""), SQL_C_SLONG, &v, nullptr).sqlstate, "22018");
    EXPECT_EQ(v, 7);  // untouched by a failed conversion
    SQLSMALLINT s = 0;
    EXPECT_STREQ(convert_fixed(integer(40000), SQL_C_SSHORT, &s, nullptr).sqlstate, "22003");
    long long big = 0;
    EXPECT_EQ(convert_fixed(text("9007199254740993"), SQL_C_SBIGINT, &big, nullptr).rc, SQL_SUCCESS);
    EXPECT_EQ(big, 9007199254740993LL);  // exact, not via double
}

TEST(Floating, FromTextAndNumbers) {
    double d = 0;
    EXPECT_EQ(convert_fixed(text("4.10"), SQL_C_DOUBLE, &d, nullptr).rc, SQL_SUCCESS);
    EXPECT_DOUBLE_EQ(d, 4.10);
    EXPECT_EQ(convert_fixed(integer(19), SQL_C_DOUBLE, &d, nullptr).rc, SQL_SUCCESS);
    EXPECT_DOUBLE_EQ(d, 19.0);
    EXPECT_STREQ(convert_fixed(text("n/a"), SQL_C_DOUBLE, &d, nullptr).sqlstate, "22018");
    float f = 0;
    EXPECT_STREQ(convert_fixed(real(1e300), SQL_C_FLOAT, &f, nullptr).sqlstate, "22003");
}

TEST(Bits, OnlyZeroAndOne) {
    unsigned char b = 9;
    EXPECT_EQ(convert_fixed(integer(1), SQL_C_BIT, &b, nullptr).rc, SQL_SUCCESS);
    EXPECT_EQ(b, 1);
    EXPECT_STREQ(convert_fixed(integer(2), SQL_C_BIT, &b, nullptr).sqlstate, "22003");
    EXPECT_STREQ(convert_fixed(text("T"), SQL_C_BIT, &b, nullptr).sqlstate, "22018");
}

TEST(CTypes, DefaultsAndUnsupportedTypes) {
    EXPECT_EQ(default_c_type(SQL_INTEGER), SQL_C_SLONG);
    EXPECT_EQ(default_c_type(SQL_DOUBLE), SQL_C_DOUBLE);
    EXPECT_EQ(default_c_type(SQL_VARCHAR), SQL_C_CHAR);
    char buf[8];
    EXPECT_STREQ(convert_fixed(integer(1), SQL_C_TYPE_DATE, buf, nullptr).sqlstate, "07006");
}

}  // namespace
}  // namespace posdb
