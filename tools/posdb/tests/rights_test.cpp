// Rights in the engine: the catalogue belongs to DBA, passwords are hashes
// nobody else reads, other owners' tables change only with a grant, and
// SQLite's own file-reaching features are closed to everyone.
#include <gtest/gtest.h>
#include <unistd.h>

#include "password.h"
#include "test_support.h"

namespace posdb {
namespace {

class RightsTest : public ::testing::Test {
protected:
    void SetUp() override { test::make_demo_database(db_); }
    std::unique_ptr<Session> as(const char* user, const char* password) {
        return test::login(db_, user, password);
    }
    bool can_login(const char* user, const char* password) {
        DbError error;
        return Session::connect(db_, user, password, error) != nullptr;
    }
    test::TempDir dir_;
    std::string db_ = dir_.file("corvane.db");
};

TEST_F(RightsTest, PasswordsAreKeptAsSaltedHashes) {
    auto dba = as("DBA", "sql");
    test::query(*dba, "insert into SYS.SYSUSERPERM(user_id, user_name, password) values (200, 'twin', 'tarvel')");
    const test::Rows stored = test::query(
        *dba, "select password from SYS.SYSUSERPERM where user_name in ('tarvel', 'twin', 'DBA') order by user_id");
    ASSERT_EQ(stored.size(), 3u);
    for (const auto& row : stored) EXPECT_TRUE(is_password_hash(row[0])) << row[0];
    EXPECT_NE(stored[1][0], stored[2][0]);  // the same password, salted apart
    EXPECT_TRUE(can_login("twin", "tarvel"));

    test::query(*dba, "update SYS.SYSUSERPERM set password = 'changed' where user_name = 'tarvel'");
    EXPECT_TRUE(can_login("tarvel", "changed"));
    EXPECT_FALSE(can_login("tarvel", "tarvel"));
    // Copying a stored hash keeps it as it is.
    test::query(*dba, "update SYS.SYSUSERPERM set password = (select password from SYS.SYSUSERPERM "
                      "where user_name = 'DBA') where user_name = 'clerk'");
    EXPECT_TRUE(can_login("clerk", "sql"));
}

TEST_F(RightsTest, OnlyDbaSeesPasswordHashes) {
    auto clerk = as("clerk", "clerk");
    EXPECT_EQ(test::query(*clerk, "select user_name, password from SYS.SYSUSERPERM where user_name = 'DBA'"),
              (test::Rows{{"DBA", "<null>"}}));
    EXPECT_EQ(test::query(*clerk, "select count(*) from SYS__SYSUSERPERM where password is not null"),
              (test::Rows{{"0"}}));
    // Through a view of one's own the column reads as NULL just the same.
    test::query(*clerk, "create temp view v as select password as p from SYS.SYSUSERPERM");
    EXPECT_EQ(test::query(*clerk, "select count(p) from v"), (test::Rows{{"0"}}));
    auto dba = as("DBA", "sql");
    EXPECT_EQ(test::query(*dba, "select count(*) from SYS.SYSUSERPERM where password is not null"),
              (test::Rows{{"3"}}));
}

TEST_F(RightsTest, CatalogueChangesOnlyForDba) {
    auto tarvel = as("tarvel", "tarvel");
    for (const char* sql : {"update SYS.SYSUSERPERM set dbaauth = 'Y' where user_name = 'tarvel'",
                            "update SYS__SYSUSERPERM set dbaauth = 'Y' where user_name = 'tarvel'",
                            "insert into SYS.SYSUSERPERM(user_id, user_name, password, dbaauth) values (300, 'x', 'x', 'Y')",
                            "delete from SYS.SYSPROCPERM",
                            "insert into SYS.SYSTABLEPERM values ('corvane__rvc_def', 101, 101, 'Y', 'Y', 'Y')",
                            "drop table SYS.SYSPROCEDURE",
                            "alter table SYS.SYSUSERPERM add column x integer",
                            "create index SYS.byname on SYS__SYSUSERPERM(remarks)"}) {
        const DbError e = test::failure(*tarvel, sql);
        EXPECT_EQ(e.sqlstate, "42501") << sql << ": " << e.message;
        EXPECT_EQ(e.native, -121) << sql;
    }
    EXPECT_EQ(test::query(*tarvel, "select dbaauth from SYS.SYSUSERPERM where user_name = 'tarvel'"),
              (test::Rows{{"N"}}));
    auto dba = as("DBA", "sql");
    test::query(*dba, "update SYS.SYSUSERPERM set remarks = 'checked' where user_name = 'tarvel'");
    EXPECT_EQ(test::query(*tarvel, "select remarks from SYS.SYSUSERPERM where user_name = 'tarvel'"),
              (test::Rows{{"checked"}}));
}

TEST_F(RightsTest, OtherOwnersTablesChangeOnlyWithAGrant) {
    auto tarvel = as("tarvel", "tarvel");
    DbError e = test::failure(*tarvel, "delete from corvane.rvc_def");
    EXPECT_EQ(e.sqlstate, "42501");
    EXPECT_EQ(e.message, "Permission denied: you do not have permission to delete from 'rvc_def'");
    EXPECT_EQ(test::failure(*tarvel, "insert into corvane.rvc_def values (6, 'Beach')").sqlstate, "42501");
    EXPECT_EQ(test::failure(*tarvel, "grant insert on corvane.rvc_def to tarvel").sqlstate, "42501");

    auto dba = as("DBA", "sql");
    test::query(*dba, "grant insert, update on corvane.rvc_def to tarvel");
    test::query(*tarvel, "insert into corvane.rvc_def values (6, 'Beach Grill')");
    test::query(*tarvel, "update corvane.rvc_def set name = 'Beach Bar' where obj_num = 6");
    EXPECT_EQ(test::failure(*tarvel, "delete from corvane.rvc_def where obj_num = 6").sqlstate, "42501");
    auto clerk = as("clerk", "clerk");
    EXPECT_EQ(test::failure(*clerk, "update corvane.rvc_def set name = 'x'").sqlstate, "42501");

    // PUBLIC's grants hold for everyone; grants add up.
    test::query(*dba, "grant delete on corvane.rvc_def to PUBLIC");
    test::query(*clerk, "delete from corvane.rvc_def where obj_num = 6");
    test::query(*tarvel, "update corvane.rvc_def set name = name");
    EXPECT_EQ(test::query(*dba, "select count(*) from corvane.rvc_def"), (test::Rows{{"5"}}));

    EXPECT_EQ(test::failure(*dba, "grant all on corvane.no_such to clerk").sqlstate, "42S02");
    EXPECT_EQ(test::failure(*dba, "grant all on corvane.rvc_def to nobody").sqlstate, "42000");
    EXPECT_EQ(test::failure(*dba, "grant select on corvane.rvc_def to clerk").sqlstate, "0A000");
}

TEST_F(RightsTest, OwnersKeepTheirOwnTables) {
    auto tarvel = as("tarvel", "tarvel");
    test::query(*tarvel, "create table tarvel.notes(id integer primary key, body varchar(20))");
    test::query(*tarvel, "insert into tarvel.notes values (1, 'printer')");
    test::query(*tarvel, "create index tarvel.notes_body on tarvel__notes(body)");
    test::query(*tarvel, "update tarvel.notes set body = 'drawer'");
    EXPECT_EQ(test::query(*tarvel, "select body from tarvel.notes"), (test::Rows{{"drawer"}}));

    auto clerk = as("clerk", "clerk");
    EXPECT_EQ(test::query(*clerk, "select body from tarvel.notes"), (test::Rows{{"drawer"}}));
    EXPECT_EQ(test::failure(*clerk, "delete from tarvel.notes").sqlstate, "42501");
    EXPECT_EQ(test::failure(*clerk, "drop table tarvel.notes").sqlstate, "42501");
    // Without RESOURCE authority not even one's own tables.
    EXPECT_EQ(test::failure(*clerk, "create table clerk.mine(a integer)").sqlstate, "42501");
    for (const char* sql : {"create table corvane.extra(a integer)", "drop table corvane.rvc_def",
                            "create index corvane.ix on corvane__rvc_def(name)",
                            "alter table corvane.rvc_def rename to gone"})
        EXPECT_EQ(test::failure(*tarvel, sql).sqlstate, "42501") << sql;
    // A session's temporary tables are its own business.
    test::query(*clerk, "create temp table scratch(a integer)");
    test::query(*clerk, "insert into scratch values (1)");
}

TEST_F(RightsTest, OnlyDbaDefinesTriggers) {
    auto tarvel = as("tarvel", "tarvel");
    test::query(*tarvel, "create table tarvel.notes(a integer)");
    for (const char* sql : {"create trigger tarvel.wipe after insert on tarvel__notes begin "
                            "delete from corvane__rvc_def; end",
                            "create temp trigger wipe after insert on tarvel__notes begin "
                            "delete from corvane__rvc_def; end"})
        EXPECT_EQ(test::failure(*tarvel, sql).sqlstate, "42501") << sql;
}

TEST_F(RightsTest, SqliteFileFeaturesAreClosedEvenToDba) {
    auto dba = as("DBA", "sql");
    const std::string other = dir_.file("other.db");
    for (const std::string& sql : std::vector<std::string>{
          "attach database '" + other + "' as other", "ATTACH '" + other + "' AS other",
          "detach database main", "vacuum", "vacuum into '" + other + "'",
          "explain vacuum into '" + other + "'", "pragma writable_schema = 1",
          "PRAGMA journal_mode = off", "select load_extension('/lib/x86_64-linux-gnu/libc.so.6')"}) {
        const DbError e = test::failure(*dba, sql);
        EXPECT_EQ(e.sqlstate, "42501") << sql << ": " << e.message;
    }
    EXPECT_NE(access(other.c_str(), F_OK), 0) << "a file was written";
    // The refusals leave the session as it was.
    EXPECT_FALSE(dba->lost());
    EXPECT_EQ(test::query(*dba, "select count(*) from corvane.rvc_def"), (test::Rows{{"5"}}));
}

}  // namespace
}  // namespace posdb
