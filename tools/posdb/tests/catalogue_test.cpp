// The catalogue: creating procedures and granting EXECUTE, with the
// engine's checks of rights and names.
#include <gtest/gtest.h>

#include "test_support.h"

namespace posdb {
namespace {

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { test::make_demo_database(db_); }
    std::unique_ptr<Session> as(const char* user, const char* password) {
        return test::login(db_, user, password);
    }
    test::TempDir dir_;
    std::string db_ = dir_.file("corvane.db");
};

constexpr const char* kLookup =
    "select proc_name, creator, proc_defn from SYS.SYSPROCEDURE where proc_name = 'sp_PvoFo_DoProrate'";

TEST_F(CatalogueTest, DemoHasThePosProceduresButNotTheProratingOne) {
    auto s = as("tarvel", "tarvel");
    EXPECT_TRUE(test::query(*s, kLookup).empty());
    EXPECT_EQ(test::query(*s, "select proc_name from SYS.SYSPROCEDURE order by proc_name"),
              (test::Rows{{"sp_purge_checks"}, {"sp_R_rvc_sales"}}));
    EXPECT_EQ(test::query(*s, "select u.user_name from SYS.SYSPROCEDURE p, SYS.SYSUSERPERM u "
                              "where u.user_id = p.creator group by u.user_name"),
              (test::Rows{{"corvane"}}));
}

TEST_F(CatalogueTest, CreateRecordsTheWholeStatementUnderItsOwner) {
    auto s = as("tarvel", "tarvel");
    const std::string create = test::prorate_procedure();
    test::query(*s, create);
    EXPECT_EQ(test::query(*s, kLookup), (test::Rows{{"sp_PvoFo_DoProrate", "101", create}}));
    // The lookup by name ignores case, as the engine's comparisons do.
    EXPECT_EQ(test::query(*s, "select count(*) from SYS.SYSPROCEDURE where proc_name = 'SP_PVOFO_DOPRORATE'"),
              (test::Rows{{"1"}}));
}

TEST_F(CatalogueTest, CreateWithoutOwnerBelongsToTheConnectedUser) {
    auto s = as("tarvel", "tarvel");
    test::query(*s, "create procedure sp_local() begin end");
    EXPECT_EQ(test::query(*s, "select creator from SYS.SYSPROCEDURE where proc_name = 'sp_local'"),
              (test::Rows{{"101"}}));
}

TEST_F(CatalogueTest, SecondCreateOfTheSameNameFails) {
    auto s = as("tarvel", "tarvel");
    test::query(*s, test::prorate_procedure());
    const DbError e = test::failure(*s, test::prorate_procedure("\n"));
    EXPECT_EQ(e.sqlstate, "42S01");
    EXPECT_EQ(e.native, -110);
    EXPECT_EQ(e.message, "Item 'sp_PvoFo_DoProrate' already exists");
    // The same name under another owner is another procedure.
    auto dba = as("DBA", "sql");
    test::query(*dba, "create procedure corvane.sp_PvoFo_DoProrate() begin end");
    EXPECT_EQ(test::query(*dba, "select count(*) from SYS.SYSPROCEDURE where proc_name = 'sp_PvoFo_DoProrate'"),
              (test::Rows{{"2"}}));
}

TEST_F(CatalogueTest, UserWithoutResourceAuthorityCannotCreate) {
    auto s = as("clerk", "clerk");
    const DbError e = test::failure(*s, test::prorate_procedure());
    EXPECT_EQ(e.sqlstate, "42501");
    EXPECT_EQ(e.native, -121);
    EXPECT_EQ(e.message.rfind("Permission denied: ", 0), 0u) << e.message;
    EXPECT_TRUE(test::query(*s, kLookup).empty());
}

TEST_F(CatalogueTest, OnlyDbaCreatesForAnotherOwner) {
    auto s = as("tarvel", "tarvel");
    EXPECT_EQ(test::failure(*s, "create procedure corvane.sp_x() begin end").sqlstate, "42501");
    EXPECT_EQ(test::failure(*s, "create procedure nobody.sp_x() begin end").message,
              "User ID 'nobody' does not exist");
    auto dba = as("DBA", "sql");
    test::query(*dba, "create procedure corvane.sp_x() begin end");
    EXPECT_EQ(test::query(*dba, "select creator from SYS.SYSPROCEDURE where proc_name = 'sp_x'"),
              (test::Rows{{"100"}}));
}

TEST_F(CatalogueTest, GrantRecordsExecuteForPublic) {
    auto s = as("tarvel", "tarvel");
    test::query(*s, test::prorate_procedure());
    test::query(*s, "grant EXECUTE on tarvel.sp_PvoFo_DoProrate TO PUBLIC");
    test::query(*s, "grant EXECUTE on tarvel.sp_PvoFo_DoProrate TO PUBLIC");  // again: no change
    EXPECT_EQ(test::query(*s, "select u.user_name from SYS.SYSPROCPERM g, SYS.SYSPROCEDURE p, SYS.SYSUSERPERM u "
                              "where g.proc_id = p.proc_id and u.user_id = g.grantee "
                              "and p.proc_name = 'sp_PvoFo_DoProrate'"),
              (test::Rows{{"PUBLIC"}}));
}

TEST_F(CatalogueTest, GrantOnAMissingProcedureFails) {
    auto s = as("tarvel", "tarvel");
    const DbError e = test::failure(*s, "grant EXECUTE on tarvel.sp_PvoFo_DoProrate TO PUBLIC");
    EXPECT_EQ(e.sqlstate, "42S02");
    EXPECT_EQ(e.message, "Procedure 'sp_PvoFo_DoProrate' not found");
    // The owner is part of the name: corvane's procedure is not tarvel's.
    EXPECT_EQ(test::failure(*s, "grant execute on tarvel.sp_R_rvc_sales to PUBLIC").sqlstate, "42S02");
}

TEST_F(CatalogueTest, GrantNeedsOwnershipAndKnownGrantees) {
    auto clerk = as("clerk", "clerk");
    EXPECT_EQ(test::failure(*clerk, "grant execute on corvane.sp_purge_checks to clerk").sqlstate, "42501");
    auto dba = as("DBA", "sql");
    // A failing grantee leaves the earlier ones of the same statement unrecorded.
    const DbError e = test::failure(*dba, "grant execute on corvane.sp_purge_checks to clerk, nobody");
    EXPECT_EQ(e.message, "User ID 'nobody' does not exist");
    EXPECT_EQ(test::query(*dba, "select count(*) from SYS.SYSPROCPERM g, SYS.SYSPROCEDURE p "
                                "where g.proc_id = p.proc_id and p.proc_name = 'sp_purge_checks'"),
              (test::Rows{{"0"}}));
}

}  // namespace
}  // namespace posdb
