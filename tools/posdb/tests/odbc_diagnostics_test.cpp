// What the driver reports about failures and names: syntax errors in the
// syntax class, and lengths that a 16-bit field cannot hold clamped, never
// wrapped.
#include <cstring>

#include "odbc_client.h"

namespace posdb::test {
namespace {

using Diagnostics = OdbcTest;

TEST_F(Diagnostics, MalformedLiteralsAreSyntaxErrors) {
    Connection c("Corvane", "tarvel", "tarvel");
    for (const char* sql : {"select 'abc", "select x'ZZ'", "select \"abc", "select [abc"}) {
        const Diag d = c.run_failing(sql);
        EXPECT_EQ(d.state, "42000") << sql << ": " << d.message;
        EXPECT_EQ(d.native, -131) << sql;
    }
}

// A column alias of the given length, and what SQLDescribeCol and
// SQLColAttribute report for it into a buffer that holds all of it.
struct Described {
    SQLRETURN rc;
    SQLSMALLINT length;
    size_t delivered;
    std::string state;
};

Described describe_alias(Connection& c, size_t length, bool col_attribute) {
    Statement st(c);
    const std::string alias(length, 'a');
    EXPECT_EQ(st.exec("select 1 as " + alias), SQL_SUCCESS);
    std::vector<char> name(length + 1, '?');
    Described out{};
    out.length = -1;
    if (col_attribute)
        out.rc = SQLColAttribute(st.handle(), 1, SQL_DESC_NAME, name.data(), SQLSMALLINT(32767), &out.length,
                                 nullptr);
    else
        out.rc = SQLDescribeCol(st.handle(), 1, reinterpret_cast<SQLCHAR*>(name.data()), SQLSMALLINT(32767),
                                &out.length, nullptr, nullptr, nullptr, nullptr);
    out.delivered = strnlen(name.data(), name.size());
    out.state = st.diag(out.rc).state;
    return out;
}

TEST_F(Diagnostics, LongNamesAreClampedWithATruncationWarning) {
    Connection c("Corvane", "tarvel", "tarvel");
    for (bool col_attribute : {false, true}) {
        for (size_t length : {40000u, 70000u}) {
            const Described d = describe_alias(c, length, col_attribute);
            EXPECT_EQ(d.rc, SQL_SUCCESS_WITH_INFO) << length;
            EXPECT_EQ(d.state, "01004") << length;
            EXPECT_EQ(d.length, 32767) << length;       // not -25536 or 4464
            EXPECT_EQ(d.delivered, 32766u) << length;  // the buffer's room
        }
        const Described fits = describe_alias(c, 32000, col_attribute);
        EXPECT_EQ(fits.rc, SQL_SUCCESS);
        EXPECT_EQ(fits.length, 32000);
    }
}

TEST_F(Diagnostics, LongMessagesAreClampedWithATruncationWarning) {
    Connection c("Corvane", "tarvel", "tarvel");
    Statement st(c);
    const SQLRETURN rc = st.exec("select * from corvane.t" + std::string(40000, 'x'));
    ASSERT_EQ(rc, SQL_ERROR);
    std::vector<SQLCHAR> message(70000, '?');
    SQLCHAR state[6] = "";
    SQLINTEGER native = 0;
    SQLSMALLINT length = -1;
    EXPECT_EQ(SQLGetDiagRec(SQL_HANDLE_STMT, st.handle(), 1, state, &native, message.data(), 32767, &length),
              SQL_SUCCESS_WITH_INFO);
    EXPECT_STREQ(reinterpret_cast<char*>(state), "42S02");
    EXPECT_EQ(length, 32767);
    SQLSMALLINT field_length = -1;
    EXPECT_EQ(SQLGetDiagField(SQL_HANDLE_STMT, st.handle(), 1, SQL_DIAG_MESSAGE_TEXT, message.data(), 32767,
                              &field_length),
              SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(field_length, 32767);
}

}  // namespace
}  // namespace posdb::test
