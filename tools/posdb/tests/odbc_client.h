// A small ODBC client for the tests: it goes through the unixODBC driver
// manager (libodbc) to the driver named in the generated odbcinst.ini.
#pragma once

#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

#include <string>
#include <vector>

#include "test_support.h"

namespace posdb::test {

struct Diag {
    SQLRETURN rc = SQL_SUCCESS;
    std::string state;
    SQLINTEGER native = 0;
    std::string message;
};

// First diagnostic record of a handle, via SQLGetDiagRec.
Diag diag_of(SQLSMALLINT type, SQLHANDLE handle, SQLRETURN rc);

class Statement;

// A connection; the constructor connects and records failure in `diag`.
class Connection {
public:
    Connection(const std::string& dsn, const std::string& user, const std::string& password);
    // SQLDriverConnect with a connection string.
    explicit Connection(const std::string& connection_string);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool connected() const { return connected_; }
    const Diag& diag() const { return diag_; }
    const std::string& out_connection_string() const { return out_; }
    SQLHDBC handle() const { return dbc_; }

    // Runs a statement and returns its rows as text (NULL as "<null>");
    // fails the test when it does not succeed.
    Rows run(const std::string& sql);
    // Runs a statement that must fail; returns its diagnostics.
    Diag run_failing(const std::string& sql);

private:
    void allocate();
    SQLHENV env_ = SQL_NULL_HENV;
    SQLHDBC dbc_ = SQL_NULL_HDBC;
    bool connected_ = false;
    Diag diag_;
    std::string out_;
};

// A statement handle freed on destruction.
class Statement {
public:
    explicit Statement(Connection& c);
    ~Statement();
    SQLHSTMT handle() const { return stmt_; }
    SQLRETURN exec(const std::string& sql);
    Diag diag(SQLRETURN rc) const { return diag_of(SQL_HANDLE_STMT, stmt_, rc); }
    // Reads the remaining rows with SQLGetData in small pieces.
    Rows rows();

private:
    SQLHSTMT stmt_ = SQL_NULL_HSTMT;
};

// Recreates the database file the generated odbc.ini names for DSN Corvane.
class OdbcTest : public ::testing::Test {
protected:
    void SetUp() override;
    static std::string database_path();
};

}  // namespace posdb::test
