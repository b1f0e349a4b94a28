// Connecting through the driver manager: users, data sources and files.
#include <cstdio>

#include "odbc_client.h"

namespace posdb::test {
namespace {

using Connect = OdbcTest;

TEST_F(Connect, WrongPasswordOrUserIsRefused) {
    for (const auto& [user, password] : {std::pair<const char*, const char*>{"tarvel", "wrong"},
                                         {"nobody", "tarvel"},
                                         {"tarvel", ""}}) {
        Connection c("Corvane", user, password);
        EXPECT_FALSE(c.connected()) << user;
        EXPECT_EQ(c.diag().state, "28000") << user;
        EXPECT_EQ(c.diag().native, -103);
        // The driver manager puts its own tag in front.
        EXPECT_EQ(c.diag().message, "[unixODBC][posdb]Invalid user ID or password");
    }
}

TEST_F(Connect, DriverConnectWithUserAndPassword) {
    Connection c("DSN=Corvane;UID=tarvel;PWD=tarvel");
    ASSERT_TRUE(c.connected()) << c.diag().message;
    EXPECT_NE(c.out_connection_string().find("DSN=Corvane"), std::string::npos);
    EXPECT_NE(c.out_connection_string().find("DATABASE=" + std::string(POSDB_TEST_ODBC_DIR)),
              std::string::npos)
        << c.out_connection_string();
    EXPECT_EQ(c.run("SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status"), (Rows{{"4.10"}}));

    Connection wrong("DSN=Corvane;UID=tarvel;PWD={tar;vel}");
    EXPECT_FALSE(wrong.connected());
    EXPECT_EQ(wrong.diag().state, "28000");
}

TEST_F(Connect, DatabaseInTheConnectionStringWins) {
    TempDir dir;
    make_demo_database(dir.file("other.db"));
    Connection direct("DSN=CorvaneNoFile;DATABASE=" + dir.file("other.db") + ";UID=DBA;PWD=sql");
    ASSERT_TRUE(direct.connected()) << direct.diag().message;
    direct.run("delete from corvane.rvc_def");
    Connection demo("Corvane", "clerk", "clerk");
    EXPECT_EQ(demo.run("select count(*) from corvane.rvc_def"), (Rows{{"5"}}));
}

TEST_F(Connect, MissingDatabaseFileIsACleanError) {
    Connection missing("CorvaneMissing", "tarvel", "tarvel");
    EXPECT_FALSE(missing.connected());
    EXPECT_EQ(missing.diag().state, "08001");
    EXPECT_NE(missing.diag().message.find("Specified database not found"), std::string::npos);

    Connection none("CorvaneNoFile", "tarvel", "tarvel");
    EXPECT_FALSE(none.connected());
    EXPECT_EQ(none.diag().state, "08001");
    EXPECT_NE(none.diag().message.find("CorvaneNoFile"), std::string::npos) << none.diag().message;
}

TEST_F(Connect, DatabaseDeletedWhileConnected) {
    Connection c("Corvane", "tarvel", "tarvel");
    ASSERT_TRUE(c.connected());
    Statement open(c);
    ASSERT_EQ(open.exec("select obj_num from corvane.rvc_def"), SQL_SUCCESS);
    ASSERT_EQ(SQLFetch(open.handle()), SQL_SUCCESS);

    ASSERT_EQ(std::remove(database_path().c_str()), 0);
    SQLRETURN rc = SQLFetch(open.handle());
    EXPECT_EQ(rc, SQL_ERROR);
    EXPECT_EQ(open.diag(rc).state, "08S01");
    const Diag d = c.run_failing("SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status");
    EXPECT_EQ(d.state, "08S01");
    EXPECT_NE(d.message.find("Communication error"), std::string::npos) << d.message;

    SQLUINTEGER dead = SQL_CD_FALSE;
    EXPECT_EQ(SQLGetConnectAttr(c.handle(), SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr), SQL_SUCCESS);
    EXPECT_EQ(dead, static_cast<SQLUINTEGER>(SQL_CD_TRUE));
    // Disconnecting still works (the destructor checks it).
}

TEST_F(Connect, DriverDescribesItself) {
    Connection c("Corvane", "tarvel", "tarvel");
    char text[64] = "";
    SQLSMALLINT length = 0;
    ASSERT_EQ(SQLGetInfo(c.handle(), SQL_DBMS_NAME, text, sizeof text, &length), SQL_SUCCESS);
    EXPECT_STREQ(text, "posdb");
    ASSERT_EQ(SQLGetInfo(c.handle(), SQL_USER_NAME, text, sizeof text, &length), SQL_SUCCESS);
    EXPECT_STREQ(text, "tarvel");
    ASSERT_EQ(SQLGetInfo(c.handle(), SQL_DATA_SOURCE_NAME, text, sizeof text, &length), SQL_SUCCESS);
    EXPECT_STREQ(text, "Corvane");
    SQLUSMALLINT txn = 0;
    ASSERT_EQ(SQLGetInfo(c.handle(), SQL_TXN_CAPABLE, &txn, sizeof txn, nullptr), SQL_SUCCESS);
    EXPECT_EQ(txn, SQL_TC_ALL);
    SQLUSMALLINT supported = SQL_FALSE;
    ASSERT_EQ(SQLGetFunctions(c.handle(), SQL_API_SQLFETCHSCROLL, &supported), SQL_SUCCESS);
    EXPECT_EQ(supported, SQL_TRUE);
}

TEST_F(Connect, TransactionsInManualCommitMode) {
    Connection c("Corvane", "DBA", "sql");
    ASSERT_EQ(SQLSetConnectAttr(c.handle(), SQL_ATTR_AUTOCOMMIT,
                                reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
              SQL_SUCCESS);
    c.run("delete from corvane.tmed_def");
    ASSERT_EQ(SQLEndTran(SQL_HANDLE_DBC, c.handle(), SQL_ROLLBACK), SQL_SUCCESS);
    EXPECT_EQ(c.run("select count(*) from corvane.tmed_def"), (Rows{{"10"}}));
    c.run("delete from corvane.tmed_def where type <> 'T'");
    ASSERT_EQ(SQLEndTran(SQL_HANDLE_DBC, c.handle(), SQL_COMMIT), SQL_SUCCESS);
    Connection other("Corvane", "tarvel", "tarvel");
    EXPECT_EQ(other.run("select count(*) from corvane.tmed_def"), (Rows{{"7"}}));
}

}  // namespace
}  // namespace posdb::test
