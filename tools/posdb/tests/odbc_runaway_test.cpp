// Statements that run away: the query timeout ends them with HYT00, and
// SQLCancel from another thread with HY008; the connection stays usable.
#include <atomic>
#include <chrono>
#include <thread>

#include "odbc_client.h"

namespace posdb::test {
namespace {

// Counts for hours: a recursive query that only a stop ends.
const std::string kEndless =
    "with recursive r(n) as (select 1 union all select n + 1 from r where n < 4000000000000) "
    "select count(*) from r";

using RunawayStatements = OdbcTest;

void set_timeout(Statement& st, SQLULEN seconds) {
    ASSERT_EQ(SQLSetStmtAttr(st.handle(), SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(seconds), 0),
              SQL_SUCCESS);
}

TEST_F(RunawayStatements, QueryTimeoutEndsTheStatement) {
    Connection c("Corvane", "tarvel", "tarvel");
    // The second builds one value of the longest size a value may have:
    // one step, after which the statement stops.
    for (const std::string& sql : {kEndless, std::string("select length(printf('%.*c', 1000000000, 'x'))")}) {
        Statement st(c);
        set_timeout(st, 1);
        const SQLRETURN rc = st.exec(sql);
        ASSERT_EQ(rc, SQL_ERROR) << sql;
        EXPECT_EQ(st.diag(rc).state, "HYT00") << st.diag(rc).message;
        // The same handle runs the next statement normally.
        ASSERT_EQ(st.exec("select count(*) from corvane.rvc_def"), SQL_SUCCESS);
        EXPECT_EQ(st.rows(), (Rows{{"5"}}));
    }
    EXPECT_EQ(c.run("SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status"), (Rows{{"4.10"}}));
}

TEST_F(RunawayStatements, ValuesAreBoundedInSize) {
    // Building a value is one step that no stop reaches; its size is bounded.
    Connection c("Corvane", "tarvel", "tarvel");
    const Diag d = c.run_failing("select length(zeroblob(1000000000))");
    EXPECT_EQ(d.state, "22001") << d.message;
    EXPECT_EQ(c.run("select length(zeroblob(1000000))"), (Rows{{"1000000"}}));
}

TEST_F(RunawayStatements, CancelFromAnotherThreadEndsTheStatement) {
    Connection c("Corvane", "tarvel", "tarvel");
    Statement st(c);
    set_timeout(st, 120);  // only so that a driver that ignores SQLCancel fails instead of hanging
    std::atomic<bool> finished{false};
    SQLRETURN rc = SQL_SUCCESS;
    std::thread runner([&] {
        rc = st.exec(kEndless);
        finished = true;
    });
    // A cancel before the statement starts has no effect, so repeat it.
    while (!finished) {
        EXPECT_EQ(SQLCancel(st.handle()), SQL_SUCCESS);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    runner.join();
    ASSERT_EQ(rc, SQL_ERROR);
    EXPECT_EQ(st.diag(rc).state, "HY008") << st.diag(rc).message;
    ASSERT_EQ(st.exec("select count(*) from corvane.rvc_def"), SQL_SUCCESS);
    EXPECT_EQ(st.rows(), (Rows{{"5"}}));
}

TEST_F(RunawayStatements, CancelWithNothingRunningChangesNothing) {
    Connection c("Corvane", "tarvel", "tarvel");
    Statement st(c);
    ASSERT_EQ(SQLCancel(st.handle()), SQL_SUCCESS);
    ASSERT_EQ(st.exec("select obj_num from corvane.rvc_def where obj_num < 3 order by 1"), SQL_SUCCESS);
    EXPECT_EQ(st.rows(), (Rows{{"1"}, {"2"}}));
}

}  // namespace
}  // namespace posdb::test
