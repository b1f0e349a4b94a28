// The wide-character entry points, which the driver manager maps onto the
// driver's narrow ones; Windows programs under Wine may come this way.
#include <algorithm>
#include <array>
#include <string>

#include "odbc_client.h"

namespace posdb::test {
namespace {

using WideText = std::u16string;

// An argument in a roomy zero-filled buffer: the driver manager converts
// some arguments (the data source name) at their maximum length, reading
// past a short string's end.
class W {
public:
    explicit W(const WideText& text) { std::copy(text.begin(), text.end(), buffer_.begin()); }
    operator SQLWCHAR*() { return buffer_.data(); }

private:
    std::array<SQLWCHAR, 2048> buffer_{};
};

class WideCalls : public OdbcTest {
protected:
    void SetUp() override {
        OdbcTest::SetUp();
        ASSERT_EQ(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_), SQL_SUCCESS);
        SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        ASSERT_EQ(SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_), SQL_SUCCESS);
    }
    void TearDown() override {
        if (connected_) SQLDisconnect(dbc_);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
        SQLFreeHandle(SQL_HANDLE_ENV, env_);
    }
    SQLRETURN connect(const WideText& user, const WideText& password) {
        SQLRETURN rc = SQLConnectW(dbc_, W(u"Corvane"), SQL_NTS, W(user), SQL_NTS, W(password), SQL_NTS);
        connected_ = SQL_SUCCEEDED(rc);
        return rc;
    }
    SQLHENV env_ = SQL_NULL_HENV;
    SQLHDBC dbc_ = SQL_NULL_HDBC;
    bool connected_ = false;
};

TEST_F(WideCalls, QueryAndReadAsWideText) {
    ASSERT_EQ(connect(u"tarvel", u"tarvel"), SQL_SUCCESS);
    SQLHSTMT st = SQL_NULL_HSTMT;
    ASSERT_EQ(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &st), SQL_SUCCESS);
    const WideText sql =
        u"Select obj_num, name, string(obj_num, ', ', name) as Text\r\n"
        u"from corvane.rvc_def\r\n"
        u"order by obj_num";
    ASSERT_EQ(SQLExecDirectW(st, W(sql), SQL_NTS), SQL_SUCCESS);

    SQLWCHAR name[16] = {};
    SQLSMALLINT length = 0, type = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    ASSERT_EQ(SQLDescribeColW(st, 3, name, 16, &length, &type, &size, &digits, &nullable), SQL_SUCCESS);
    EXPECT_EQ(WideText(reinterpret_cast<char16_t*>(name)), u"Text");

    std::vector<WideText> items;
    while (SQLFetch(st) == SQL_SUCCESS) {
        SQLWCHAR text[64] = {};
        SQLLEN indicator = 0;
        ASSERT_EQ(SQLGetData(st, 3, SQL_C_WCHAR, text, sizeof text, &indicator), SQL_SUCCESS);
        items.emplace_back(reinterpret_cast<char16_t*>(text));
    }
    EXPECT_EQ(items, (std::vector<WideText>{u"1, Harbour Restaurant", u"2, Lobby Bar", u"3, Room Service",
                                            u"4, Captain's Lounge", u"5, Pool Terrace"}));
    SQLFreeHandle(SQL_HANDLE_STMT, st);
}

TEST_F(WideCalls, CreateProcedureAndErrorsAsWideText) {
    ASSERT_EQ(connect(u"tarvel", u"tarvel"), SQL_SUCCESS);
    const std::string create = prorate_procedure();
    const WideText wide_create(create.begin(), create.end());
    SQLHSTMT st = SQL_NULL_HSTMT;
    ASSERT_EQ(SQLAllocHandle(SQL_HANDLE_STMT, dbc_, &st), SQL_SUCCESS);
    ASSERT_EQ(SQLExecDirectW(st, W(wide_create), SQL_NTS), SQL_SUCCESS);
    ASSERT_EQ(SQLExecDirectW(st, W(u"grant EXECUTE on tarvel.sp_PvoFo_DoProrate TO PUBLIC"), SQL_NTS),
              SQL_SUCCESS);
    ASSERT_EQ(SQLExecDirectW(st, W(wide_create), SQL_NTS), SQL_ERROR);

    SQLWCHAR state[6] = {};
    SQLWCHAR message[256] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    ASSERT_EQ(SQLGetDiagRecW(SQL_HANDLE_STMT, st, 1, state, &native, message, 256, &length), SQL_SUCCESS);
    EXPECT_EQ(WideText(reinterpret_cast<char16_t*>(state)), u"42S01");
    EXPECT_EQ(native, -110);
    EXPECT_NE(WideText(reinterpret_cast<char16_t*>(message)).find(u"Item 'sp_PvoFo_DoProrate' already exists"),
              WideText::npos);
    SQLFreeHandle(SQL_HANDLE_STMT, st);
}

TEST_F(WideCalls, WrongPasswordIsRefused) {
    ASSERT_EQ(connect(u"tarvel", u"nope"), SQL_ERROR);
    SQLWCHAR state[6] = {};
    SQLWCHAR message[256] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    ASSERT_EQ(SQLGetDiagRecW(SQL_HANDLE_DBC, dbc_, 1, state, &native, message, 256, &length), SQL_SUCCESS);
    EXPECT_EQ(WideText(reinterpret_cast<char16_t*>(state)), u"28000");
}

TEST_F(WideCalls, DriverConnect) {
    SQLWCHAR out[512] = {};
    SQLSMALLINT out_length = 0;
    const SQLRETURN rc = SQLDriverConnectW(dbc_, nullptr, W(u"DSN=Corvane;UID=tarvel;PWD=tarvel"), SQL_NTS,
                                           out, 512, &out_length, SQL_DRIVER_NOPROMPT);
    ASSERT_EQ(rc, SQL_SUCCESS);
    connected_ = true;
    EXPECT_EQ(WideText(reinterpret_cast<char16_t*>(out)).substr(0, 12), u"DSN=Corvane;");
}

}  // namespace
}  // namespace posdb::test
