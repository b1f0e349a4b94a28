// Sessions on a database file: logging in, the SQL the engine accepts and
// how it fails, and what happens when the file goes away.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "script.h"
#include "statement.h"
#include "test_support.h"

namespace posdb {
namespace {

class SessionTest : public ::testing::Test {
protected:
    void SetUp() override { test::make_demo_database(db_); }
    test::TempDir dir_;
    std::string db_ = dir_.file("corvane.db");
};

TEST_F(SessionTest, LoginChecksUserAndPassword) {
    DbError e;
    auto s = Session::connect(db_, "TARVEL", "tarvel", e);  // user IDs ignore case
    ASSERT_TRUE(s) << e.message;
    EXPECT_EQ(s->user().name, "tarvel");
    EXPECT_TRUE(s->user().resource);
    EXPECT_FALSE(s->user().dba);

    struct Bad {
        const char* user;
        const char* password;
    } bad[] = {{"tarvel", "Tarvel"}, {"tarvel", ""}, {"nobody", "tarvel"}, {"corvane", ""}, {"PUBLIC", ""}};
    for (const Bad& b : bad) {
        DbError error;
        EXPECT_FALSE(Session::connect(db_, b.user, b.password, error)) << b.user;
        EXPECT_EQ(error.sqlstate, "28000") << b.user;
        EXPECT_EQ(error.native, -103);
        EXPECT_EQ(error.message, "Invalid user ID or password");
    }
}

TEST_F(SessionTest, MissingOrForeignFilesCannotBeOpened) {
    DbError e;
    EXPECT_FALSE(Session::connect(dir_.file("none.db"), "tarvel", "tarvel", e));
    EXPECT_EQ(e.sqlstate, "08001");
    EXPECT_EQ(e.message, "Specified database not found: '" + dir_.file("none.db") + "'");
    EXPECT_FALSE(Session::connect(dir_.path(), "tarvel", "tarvel", e));  // a folder
    EXPECT_EQ(e.sqlstate, "08001");
    test::write_file(dir_.file("notes.txt"), "not a database at all, just some text\n");
    EXPECT_FALSE(Session::connect(dir_.file("notes.txt"), "tarvel", "tarvel", e));
    EXPECT_EQ(e.sqlstate, "08001");
    EXPECT_EQ(e.native, -82);
}

TEST_F(SessionTest, StringConcatenatesWithNullAsEmpty) {
    auto s = test::login(db_, "tarvel", "tarvel");
    EXPECT_EQ(test::query(*s, "select string(obj_num, ', ', name) from corvane.rvc_def where obj_num = 4"),
              (test::Rows{{"4, Captain's Lounge"}}));
    EXPECT_EQ(test::query(*s, "select STRING(tax_rate_seq, ':', name, '/', type) from corvane.tax_rate_def "
                              "where tax_rate_seq in (2, 6) order by 1"),
              (test::Rows{{"2:City Tax/P"}, {"6:/"}}));
    EXPECT_EQ(test::query(*s, "select string(1.5, 'x', 2)"), (test::Rows{{"1.5x2"}}));
    EXPECT_EQ(test::query(*s, "select string(NULL, NULL)"), (test::Rows{{"<null>"}}));
    EXPECT_EQ(test::failure(*s, "select string()").sqlstate, "HY000");
}

TEST_F(SessionTest, SqliteErrorsReadLikeTheEngine) {
    auto s = test::login(db_, "DBA", "sql");
    DbError e = test::failure(*s, "select * from corvane.no_such_table");
    EXPECT_EQ(e.sqlstate, "42S02");
    EXPECT_EQ(e.native, -141);
    EXPECT_EQ(e.message, "Table 'no_such_table' not found");
    e = test::failure(*s, "select no_column from corvane.rvc_def");
    EXPECT_EQ(e.sqlstate, "42S22");
    EXPECT_EQ(e.message, "Column 'no_column' not found");
    e = test::failure(*s, "selec obj_num from corvane.rvc_def");
    EXPECT_EQ(e.sqlstate, "42000");
    EXPECT_EQ(e.message, "Syntax error near 'selec'");
    e = test::failure(*s, "create table corvane.rvc_def(x integer)");
    EXPECT_EQ(e.message, "Item 'rvc_def' already exists");
    e = test::failure(*s, "insert into corvane.rvc_def values (1, 'Again')");
    EXPECT_EQ(e.sqlstate, "23000");
    // One statement per call.
    e = test::failure(*s, "select 1; delete from corvane.rvc_def");
    EXPECT_EQ(e.message, "Syntax error near 'delete'");
    EXPECT_EQ(test::query(*s, "select count(*) from corvane.rvc_def"), (test::Rows{{"5"}}));
    EXPECT_EQ(test::failure(*s, "select * from corvane.rvc_def where obj_num = ?").sqlstate, "07002");
}

TEST_F(SessionTest, TablesWithoutOwnerBelongToDba) {
    auto dba = test::login(db_, "DBA", "sql");
    test::query(*dba, "create table notes(id integer, body varchar(20))");
    test::query(*dba, "insert into notes values (1, 'check printer')");
    auto s = test::login(db_, "tarvel", "tarvel");
    EXPECT_EQ(test::query(*s, "select body from notes"), (test::Rows{{"check printer"}}));
    EXPECT_EQ(test::failure(*s, "insert into notes values (2, 'x')").sqlstate, "42501");
    EXPECT_EQ(test::failure(*s, "create table scratch(a integer)").sqlstate, "42501");
}

TEST_F(SessionTest, RowCountsOfChanges) {
    auto s = test::login(db_, "DBA", "sql");
    DbError e;
    auto st = Statement::prepare(*s, "update corvane.tmed_def set name = upper(name) where type = 'T'", e);
    ASSERT_TRUE(st && st->execute(e)) << e.message;
    EXPECT_EQ(st->row_count(), 7);
    st = Statement::prepare(*s, "select * from corvane.tmed_def", e);
    ASSERT_TRUE(st && st->execute(e));
    EXPECT_EQ(st->row_count(), -1);
}

TEST_F(SessionTest, ManualCommitModeRollsBack) {
    auto s = test::login(db_, "DBA", "sql");
    s->set_autocommit(false);
    test::query(*s, "delete from corvane.rvc_def");
    DbError e;
    ASSERT_TRUE(s->end_transaction(false, e)) << e.message;
    EXPECT_EQ(test::query(*s, "select count(*) from corvane.rvc_def"), (test::Rows{{"5"}}));
    test::query(*s, "delete from corvane.rvc_def where obj_num = 5");
    ASSERT_TRUE(s->end_transaction(true, e));
    auto other = test::login(db_, "tarvel", "tarvel");
    EXPECT_EQ(test::query(*other, "select count(*) from corvane.rvc_def"), (test::Rows{{"4"}}));
}

TEST_F(SessionTest, DeletedFileBreaksTheSession) {
    auto s = test::login(db_, "tarvel", "tarvel");
    ASSERT_EQ(std::remove(db_.c_str()), 0);
    DbError e = test::failure(*s, "select * from corvane.rvc_def");
    EXPECT_EQ(e.sqlstate, "08S01");
    EXPECT_EQ(e.native, -85);
    EXPECT_NE(e.message.find(db_), std::string::npos) << e.message;
    // A new file at the same place does not bring the old session back.
    test::make_demo_database(db_);
    EXPECT_EQ(test::failure(*s, "select 1").sqlstate, "08S01");
    EXPECT_TRUE(s->lost());
}

TEST_F(SessionTest, FailuresOfOtherFilesLeaveTheSessionAlive) {
    auto s = test::login(db_, "tarvel", "tarvel");
    // A temporary file that cannot be opened or written is not the database.
    for (int code : {SQLITE_CANTOPEN, SQLITE_IOERR_WRITE, SQLITE_IOERR_FSYNC}) {
        const DbError e = s->sqlite_error(code);
        EXPECT_EQ(e.sqlstate, "HY000") << code << ": " << e.message;
        EXPECT_FALSE(s->lost()) << code;
    }
    EXPECT_EQ(test::query(*s, "select count(*) from corvane.rvc_def"), (test::Rows{{"5"}}));
    // The same failure with the file gone is the end of the session.
    ASSERT_EQ(std::remove(db_.c_str()), 0);
    EXPECT_EQ(s->sqlite_error(SQLITE_IOERR_READ).sqlstate, "08S01");
    EXPECT_TRUE(s->lost());
}

TEST_F(SessionTest, ChangesThatCannotBeWrittenSayWhy) {
    auto s = test::login(db_, "DBA", "sql");
    // The journal beside the file cannot be made, as in a folder that cannot
    // be written (its name leads nowhere: this holds for root as well).
    const std::string journal = db_ + "-journal";
    ASSERT_EQ(symlink(dir_.file("missing/journal").c_str(), journal.c_str()), 0);
    // A statement of the catalogue, and one of the tables.
    for (const char* sql : {"create procedure corvane.p() begin end", "update corvane.rvc_def set name = 'x'"}) {
        const DbError e = test::failure(*s, sql);
        EXPECT_EQ(e.sqlstate, "HY000") << sql;
        EXPECT_EQ(e.message, "Run time SQL error -- unable to open database file") << sql;
    }
    EXPECT_FALSE(s->lost());
    ASSERT_EQ(unlink(journal.c_str()), 0);
    // Nothing of either was kept.
    EXPECT_EQ(test::query(*s, "select count(*) from corvane.rvc_def where name = 'x'"), (test::Rows{{"0"}}));
    EXPECT_EQ(test::query(*s, "select count(*) from SYS.SYSPROCEDURE where proc_name = 'p'"), (test::Rows{{"0"}}));
}

TEST_F(SessionTest, FileLostDuringAResult) {
    auto s = test::login(db_, "tarvel", "tarvel");
    DbError e;
    auto st = Statement::prepare(*s, "select obj_num from corvane.rvc_def order by obj_num", e);
    ASSERT_TRUE(st && st->execute(e));
    ASSERT_EQ(st->fetch(e), Statement::Fetch::Row);
    ASSERT_EQ(std::rename(db_.c_str(), dir_.file("moved.db").c_str()), 0);
    EXPECT_EQ(st->fetch(e), Statement::Fetch::Error);
    EXPECT_EQ(e.sqlstate, "08S01");
}

TEST_F(SessionTest, OverwrittenFileGivesACleanError) {
    auto s = test::login(db_, "tarvel", "tarvel");
    {
        // Same file, contents destroyed.
        FILE* f = std::fopen(db_.c_str(), "r+b");
        ASSERT_TRUE(f);
        std::string junk(8192, 'x');
        std::fwrite(junk.data(), 1, junk.size(), f);
        std::fclose(f);
    }
    const DbError e = test::failure(*s, "select * from corvane.rvc_def");
    EXPECT_EQ(e.sqlstate, "08S01") << e.message;
    EXPECT_TRUE(s->lost());
}

TEST_F(SessionTest, UnreadableFileBreaksTheSession) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    auto s = test::login(db_, "tarvel", "tarvel");
    ASSERT_EQ(chmod(db_.c_str(), 0), 0);
    EXPECT_EQ(test::failure(*s, "select 1").sqlstate, "08S01");
}

TEST(Script, ReportsTheLineOfTheFailingStatement) {
    test::TempDir dir;
    ScriptFailure failure;
    EXPECT_FALSE(create_database_from_script(dir.file("x.db"),
                                             "create table corvane.t(a integer);\n\n"
                                             "insert into corvane.t values (1);\n"
                                             "insert into corvane.missing values (2);\n",
                                             failure));
    // corvane is unknown in a bare catalogue, so the first statement already fails.
    EXPECT_EQ(failure.line, 1);
    EXPECT_FALSE(create_database_from_script(dir.file("y.db"),
                                             "create table notes(a integer);\n\n"
                                             "insert into notes values (1);\n"
                                             "  insert into missing values (2);\n",
                                             failure));
    EXPECT_EQ(failure.line, 4);
    EXPECT_EQ(failure.error.message, "Table 'missing' not found");
}

}  // namespace
}  // namespace posdb
