#include "odbc_client.h"

#include <stdlib.h>

namespace posdb::test {

namespace {

// Lets the test program also run outside CTest, which sets these itself.
struct OdbcIniEnvironment : ::testing::Environment {
    void SetUp() override {
        setenv("ODBCSYSINI", POSDB_TEST_ODBC_DIR, 0);
        setenv("ODBCINI", POSDB_TEST_ODBC_DIR "/odbc.ini", 0);
    }
};
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new OdbcIniEnvironment);

}  // namespace

Diag diag_of(SQLSMALLINT type, SQLHANDLE handle, SQLRETURN rc) {
    Diag d;
    d.rc = rc;
    SQLCHAR state[6] = "";
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH] = "";
    SQLSMALLINT length = 0;
    if (SQL_SUCCEEDED(SQLGetDiagRec(type, handle, 1, state, &d.native, message, sizeof message, &length))) {
        d.state = reinterpret_cast<char*>(state);
        d.message = reinterpret_cast<char*>(message);
    }
    return d;
}

void Connection::allocate() {
    EXPECT_EQ(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env_), SQL_SUCCESS);
    SQLSetEnvAttr(env_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    EXPECT_EQ(SQLAllocHandle(SQL_HANDLE_DBC, env_, &dbc_), SQL_SUCCESS);
}

Connection::Connection(const std::string& dsn, const std::string& user, const std::string& password) {
    allocate();
    SQLRETURN rc = SQLConnect(dbc_, (SQLCHAR*)dsn.c_str(), SQL_NTS, (SQLCHAR*)user.c_str(), SQL_NTS,
                              (SQLCHAR*)password.c_str(), SQL_NTS);
    connected_ = SQL_SUCCEEDED(rc);
    diag_ = diag_of(SQL_HANDLE_DBC, dbc_, rc);
}

Connection::Connection(const std::string& connection_string) {
    allocate();
    SQLCHAR out[1024] = "";
    SQLSMALLINT out_length = 0;
    SQLRETURN rc = SQLDriverConnect(dbc_, nullptr, (SQLCHAR*)connection_string.c_str(), SQL_NTS, out,
                                    sizeof out, &out_length, SQL_DRIVER_NOPROMPT);
    connected_ = SQL_SUCCEEDED(rc);
    diag_ = diag_of(SQL_HANDLE_DBC, dbc_, rc);
    out_ = reinterpret_cast<char*>(out);
}

Connection::~Connection() {
    if (connected_) {
        EXPECT_EQ(SQLDisconnect(dbc_), SQL_SUCCESS);
    }
    SQLFreeHandle(SQL_HANDLE_DBC, dbc_);
    SQLFreeHandle(SQL_HANDLE_ENV, env_);
}

Rows Connection::run(const std::string& sql) {
    Statement st(*this);
    SQLRETURN rc = st.exec(sql);
    if (!SQL_SUCCEEDED(rc)) {
        ADD_FAILURE() << sql << "\n-> " << st.diag(rc).state << " " << st.diag(rc).message;
        return {};
    }
    return st.rows();
}

Diag Connection::run_failing(const std::string& sql) {
    Statement st(*this);
    SQLRETURN rc = st.exec(sql);
    EXPECT_EQ(rc, SQL_ERROR) << sql;
    return st.diag(rc);
}

Statement::Statement(Connection& c) {
    EXPECT_EQ(SQLAllocHandle(SQL_HANDLE_STMT, c.handle(), &stmt_), SQL_SUCCESS);
}

Statement::~Statement() { SQLFreeHandle(SQL_HANDLE_STMT, stmt_); }

SQLRETURN Statement::exec(const std::string& sql) {
    return SQLExecDirect(stmt_, (SQLCHAR*)sql.c_str(), static_cast<SQLINTEGER>(sql.size()));
}

Rows Statement::rows() {
    Rows rows;
    SQLSMALLINT columns = 0;
    EXPECT_EQ(SQLNumResultCols(stmt_, &columns), SQL_SUCCESS);
    if (columns == 0) return rows;
    SQLRETURN rc;
    while ((rc = SQLFetch(stmt_)) == SQL_SUCCESS) {
        std::vector<std::string> row;
        for (SQLUSMALLINT c = 1; c <= columns; ++c) {
            std::string value;
            char piece[16];  // small on purpose: long values arrive in several pieces
            SQLLEN indicator = 0;
            SQLRETURN g;
            while ((g = SQLGetData(stmt_, c, SQL_C_CHAR, piece, sizeof piece, &indicator)) != SQL_NO_DATA) {
                if (!SQL_SUCCEEDED(g)) {
                    ADD_FAILURE() << "SQLGetData: " << diag(g).message;
                    break;
                }
                if (indicator == SQL_NULL_DATA) {
                    value = "<null>";
                    break;
                }
                value += piece;
                if (g == SQL_SUCCESS) break;
            }
            row.push_back(value);
        }
        rows.push_back(row);
    }
    EXPECT_EQ(rc, SQL_NO_DATA) << diag(rc).message;
    return rows;
}

void OdbcTest::SetUp() { make_demo_database(database_path()); }

std::string OdbcTest::database_path() { return POSDB_TEST_ODBC_DIR "/corvane.db"; }

}  // namespace posdb::test
