// The stand-in tried as a hostile client would, with plain SQL through the
// driver manager: a user without DBA rights may read but not change what
// is not his, nobody reads passwords, and SQLite's file commands are closed.
#include <unistd.h>

#include "odbc_client.h"

namespace posdb::test {
namespace {

using HostileClient = OdbcTest;

TEST_F(HostileClient, ClerkCannotMakeHimselfDba) {
    Connection clerk("Corvane", "clerk", "clerk");
    ASSERT_TRUE(clerk.connected()) << clerk.diag().message;
    const Diag d = clerk.run_failing("update SYS.SYSUSERPERM set dbaauth='Y', password='x' where user_name='DBA'");
    EXPECT_EQ(d.state, "42501");
    EXPECT_EQ(d.native, -121);
    EXPECT_FALSE(Connection("Corvane", "DBA", "x").connected());
    EXPECT_TRUE(Connection("Corvane", "DBA", "sql").connected());
    EXPECT_EQ(clerk.run("select dbaauth from SYS.SYSUSERPERM where user_name = 'clerk'"), (Rows{{"N"}}));
}

TEST_F(HostileClient, CatalogueIsReadableWithoutPasswords) {
    Connection clerk("Corvane", "clerk", "clerk");
    EXPECT_EQ(clerk.run("select user_name, password from SYS.SYSUSERPERM order by user_id"),
              (Rows{{"SYS", "<null>"},
                    {"DBA", "<null>"},
                    {"PUBLIC", "<null>"},
                    {"corvane", "<null>"},
                    {"tarvel", "<null>"},
                    {"clerk", "<null>"}}));
    // Not even as a condition.
    EXPECT_EQ(clerk.run("select count(*) from SYS.SYSUSERPERM where password like '%'"), (Rows{{"0"}}));
    // DBA sees that something is stored, and that it is not the password.
    Connection dba("Corvane", "DBA", "sql");
    const Rows stored = dba.run("select password from SYS.SYSUSERPERM where user_name = 'clerk'");
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_NE(stored[0][0], "clerk");
    EXPECT_EQ(stored[0][0].size(), 60u) << stored[0][0];
}

TEST_F(HostileClient, AnotherOwnersTableCannotBeEmptied) {
    Connection clerk("Corvane", "clerk", "clerk");
    const Diag d = clerk.run_failing("delete from corvane.rest_status");
    EXPECT_EQ(d.state, "42501");
    EXPECT_EQ(d.message, "[posdb]Permission denied: you do not have permission to delete from 'rest_status'");
    EXPECT_EQ(clerk.run("SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status"), (Rows{{"4.10"}}));
}

TEST_F(HostileClient, SqliteFileCommandsAreRefused) {
    TempDir dir;
    const std::string target = dir.file("copy.db");
    Connection clerk("Corvane", "clerk", "clerk");
    for (const std::string& sql : {"ATTACH DATABASE '" + target + "' AS copy",
                                   "ATTACH DATABASE '" + dir.file("missing/none.db") + "' AS gone",
                                   "VACUUM INTO '" + target + "'", std::string("PRAGMA writable_schema=1")}) {
        const Diag d = clerk.run_failing(sql);
        EXPECT_EQ(d.state, "42501") << sql << ": " << d.message;
    }
    EXPECT_NE(access(target.c_str(), F_OK), 0) << "a file was written";
    // The connection is as healthy as before.
    SQLUINTEGER dead = SQL_CD_TRUE;
    ASSERT_EQ(SQLGetConnectAttr(clerk.handle(), SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr), SQL_SUCCESS);
    EXPECT_EQ(dead, static_cast<SQLUINTEGER>(SQL_CD_FALSE));
    EXPECT_EQ(clerk.run("select count(*) from corvane.rvc_def"), (Rows{{"5"}}));
}

}  // namespace
}  // namespace posdb::test
