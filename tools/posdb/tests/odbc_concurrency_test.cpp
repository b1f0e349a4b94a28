// Several writers on one database file in manual-commit mode: they wait for
// each other within the busy timeout instead of failing, and every row whose
// commit was acknowledged is there afterwards.
#include <thread>

#include "odbc_client.h"

namespace posdb::test {
namespace {

using ConcurrentWriters = OdbcTest;

constexpr int kWriters = 8;
constexpr int kTransactions = 10;
constexpr int kRowsPerTransaction = 3;

// One writer: each transaction reads, then inserts, then commits. Returns
// the number of rows whose commit succeeded; failures are recorded.
int write(int writer, std::vector<std::string>& failures) {
    Connection c("Corvane", "tarvel", "tarvel");
    if (!c.connected()) {
        failures.push_back("connect: " + c.diag().message);
        return 0;
    }
    SQLSetConnectAttr(c.handle(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0);
    int acknowledged = 0;
    for (int t = 0; t < kTransactions; ++t) {
        bool ok = true;
        {
            Statement read(c);
            SQLRETURN rc = read.exec("select count(*) from tarvel.log");
            if (!SQL_SUCCEEDED(rc)) {
                failures.push_back("read: " + read.diag(rc).state + " " + read.diag(rc).message);
                ok = false;
            }
        }
        for (int r = 0; ok && r < kRowsPerTransaction; ++r) {
            Statement insert(c);
            const SQLRETURN rc = insert.exec("insert into tarvel.log values (" + std::to_string(writer) + ", " +
                                             std::to_string(t * kRowsPerTransaction + r) + ")");
            if (!SQL_SUCCEEDED(rc)) {
                failures.push_back("insert: " + insert.diag(rc).state + " " + insert.diag(rc).message);
                ok = false;
            }
        }
        const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, c.handle(), ok ? SQL_COMMIT : SQL_ROLLBACK);
        if (ok && rc == SQL_SUCCESS)
            acknowledged += kRowsPerTransaction;
        else if (ok)
            failures.push_back("commit: " + diag_of(SQL_HANDLE_DBC, c.handle(), rc).message);
    }
    return acknowledged;
}

TEST_F(ConcurrentWriters, WaitForEachOtherAndLoseNothing) {
    {
        Connection owner("Corvane", "tarvel", "tarvel");
        owner.run("create table tarvel.log(writer integer, n integer, primary key(writer, n))");
    }
    std::vector<std::vector<std::string>> failures(kWriters);
    std::vector<int> acknowledged(kWriters, 0);
    std::vector<std::thread> threads;
    for (int w = 0; w < kWriters; ++w)
        threads.emplace_back([&, w] { acknowledged[w] = write(w, failures[w]); });
    for (std::thread& t : threads) t.join();

    Connection check("Corvane", "tarvel", "tarvel");
    for (int w = 0; w < kWriters; ++w) {
        EXPECT_TRUE(failures[w].empty()) << "writer " << w << ": " << failures[w].front();
        EXPECT_EQ(acknowledged[w], kTransactions * kRowsPerTransaction) << "writer " << w;
        EXPECT_EQ(check.run("select count(*) from tarvel.log where writer = " + std::to_string(w)),
                  (Rows{{std::to_string(acknowledged[w])}}))
            << "writer " << w;
    }
}

}  // namespace
}  // namespace posdb::test
