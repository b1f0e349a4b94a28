// Reading results through the driver manager: data types, NULLs,
// truncation, bound columns and statement reuse.
#include <cstring>

#include "odbc_client.h"

namespace posdb::test {
namespace {

using Results = OdbcTest;

TEST_F(Results, NullValuesNeedAnIndicator) {
    Connection c("Corvane", "tarvel", "tarvel");
    Statement st(c);
    ASSERT_EQ(st.exec("select tax_rate_seq, name, percentage from corvane.tax_rate_def where tax_rate_seq = 6"),
              SQL_SUCCESS);
    ASSERT_EQ(SQLFetch(st.handle()), SQL_SUCCESS);
    SQLINTEGER seq = 0;
    SQLLEN ind = 0;
    ASSERT_EQ(SQLGetData(st.handle(), 1, SQL_C_SLONG, &seq, 0, &ind), SQL_SUCCESS);
    EXPECT_EQ(seq, 6);
    char name[8] = "x";
    ASSERT_EQ(SQLGetData(st.handle(), 2, SQL_C_CHAR, name, sizeof name, &ind), SQL_SUCCESS);
    EXPECT_EQ(ind, SQL_NULL_DATA);
    double pct = 1.0;
    const SQLRETURN rc = SQLGetData(st.handle(), 3, SQL_C_DOUBLE, &pct, 0, nullptr);
    EXPECT_EQ(rc, SQL_ERROR);
    EXPECT_EQ(st.diag(rc).state, "22002");
}

TEST_F(Results, NumbersAsIntegersAndDoubles) {
    Connection c("Corvane", "tarvel", "tarvel");
    Statement st(c);
    ASSERT_EQ(st.exec("select tax_rate_seq, percentage, name from corvane.tax_rate_def where tax_rate_seq = 2"),
              SQL_SUCCESS);
    ASSERT_EQ(SQLFetch(st.handle()), SQL_SUCCESS);
    double pct = 0;
    SQLLEN ind = 0;
    ASSERT_EQ(SQLGetData(st.handle(), 2, SQL_C_DOUBLE, &pct, 0, &ind), SQL_SUCCESS);
    EXPECT_DOUBLE_EQ(pct, 2.25);
    // A fixed-size value is delivered once per row.
    SQLINTEGER whole = 0;
    EXPECT_EQ(SQLGetData(st.handle(), 2, SQL_C_LONG, &whole, 0, &ind), SQL_NO_DATA);
    SQLRETURN rc = SQLGetData(st.handle(), 3, SQL_C_LONG, &whole, 0, &ind);
    EXPECT_EQ(rc, SQL_ERROR);
    EXPECT_EQ(st.diag(rc).state, "22018");

    Statement again(c);
    ASSERT_EQ(again.exec("select percentage from corvane.tax_rate_def where tax_rate_seq = 2"), SQL_SUCCESS);
    ASSERT_EQ(SQLFetch(again.handle()), SQL_SUCCESS);
    rc = SQLGetData(again.handle(), 1, SQL_C_LONG, &whole, 0, &ind);
    EXPECT_EQ(rc, SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(again.diag(rc).state, "01S07");
    EXPECT_EQ(whole, 2);
    // The version text read as a number, the way the setup program's digits come out.
    Statement v(c);
    ASSERT_EQ(v.exec("SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status"), SQL_SUCCESS);
    ASSERT_EQ(SQLFetch(v.handle()), SQL_SUCCESS);
    ASSERT_EQ(SQLGetData(v.handle(), 1, SQL_C_DOUBLE, &pct, 0, &ind), SQL_SUCCESS);
    EXPECT_DOUBLE_EQ(pct, 4.10);
}

TEST_F(Results, LongTextIsTruncatedThenContinued) {
    Connection c("Corvane", "DBA", "sql");
    Statement st(c);
    ASSERT_EQ(st.exec("select proc_defn from SYS.SYSPROCEDURE where proc_name = 'sp_purge_checks'"), SQL_SUCCESS);
    ASSERT_EQ(SQLFetch(st.handle()), SQL_SUCCESS);
    char head[21];
    SQLLEN ind = 0;
    SQLRETURN rc = SQLGetData(st.handle(), 1, SQL_C_CHAR, head, sizeof head, &ind);
    ASSERT_EQ(rc, SQL_SUCCESS_WITH_INFO);
    EXPECT_EQ(st.diag(rc).state, "01004");
    EXPECT_STREQ(head, "create procedure cor");
    const SQLLEN total = ind;
    char rest[512];
    ASSERT_EQ(SQLGetData(st.handle(), 1, SQL_C_CHAR, rest, sizeof rest, &ind), SQL_SUCCESS);
    EXPECT_EQ(ind, total - 20);
    EXPECT_EQ(std::string(rest).substr(0, 8), "vane.sp_");
    EXPECT_EQ(std::string(rest).substr(std::strlen(rest) - 3), "end");
    EXPECT_EQ(SQLGetData(st.handle(), 1, SQL_C_CHAR, rest, sizeof rest, &ind), SQL_NO_DATA);
}

TEST_F(Results, BoundColumnsAreFilledByFetch) {
    Connection c("Corvane", "tarvel", "tarvel");
    Statement st(c);
    ASSERT_EQ(st.exec("select obj_num, name from corvane.rvc_def order by obj_num"), SQL_SUCCESS);
    SQLINTEGER num = 0;
    char name[10];
    SQLLEN num_ind = 0, name_ind = 0;
    ASSERT_EQ(SQLBindCol(st.handle(), 1, SQL_C_SLONG, &num, 0, &num_ind), SQL_SUCCESS);
    ASSERT_EQ(SQLBindCol(st.handle(), 2, SQL_C_CHAR, name, sizeof name, &name_ind), SQL_SUCCESS);
    ASSERT_EQ(SQLFetch(st.handle()), SQL_SUCCESS_WITH_INFO);  // "Harbour Restaurant" does not fit
    EXPECT_EQ(num, 1);
    EXPECT_STREQ(name, "Harbour R");
    EXPECT_EQ(name_ind, 18);
    ASSERT_EQ(SQLFetch(st.handle()), SQL_SUCCESS);
    EXPECT_EQ(num, 2);
    EXPECT_STREQ(name, "Lobby Bar");
    EXPECT_TRUE(SQL_SUCCEEDED(SQLFetchScroll(st.handle(), SQL_FETCH_NEXT, 0)));
    EXPECT_EQ(num, 3);
    EXPECT_STREQ(name, "Room Serv");
    const SQLRETURN rc = SQLFetchScroll(st.handle(), SQL_FETCH_FIRST, 0);
    EXPECT_EQ(rc, SQL_ERROR);
}

TEST_F(Results, PreparedStatementRunsAgainFromTheStart) {
    Connection c("Corvane", "tarvel", "tarvel");
    Statement st(c);
    const char* sql = "select name from corvane.rvc_def where obj_num < 3 order by obj_num";
    ASSERT_EQ(SQLPrepare(st.handle(), (SQLCHAR*)sql, SQL_NTS), SQL_SUCCESS);
    SQLSMALLINT columns = 0;
    ASSERT_EQ(SQLNumResultCols(st.handle(), &columns), SQL_SUCCESS);
    EXPECT_EQ(columns, 1);
    for (int run = 0; run < 2; ++run) {
        ASSERT_EQ(SQLExecute(st.handle()), SQL_SUCCESS);
        EXPECT_EQ(st.rows(), (Rows{{"Harbour Restaurant"}, {"Lobby Bar"}})) << "run " << run;
        EXPECT_EQ(SQLCloseCursor(st.handle()), SQL_SUCCESS);
    }
    // Half-read results start over too.
    ASSERT_EQ(SQLExecute(st.handle()), SQL_SUCCESS);
    ASSERT_EQ(SQLFetch(st.handle()), SQL_SUCCESS);
    ASSERT_EQ(SQLFreeStmt(st.handle(), SQL_CLOSE), SQL_SUCCESS);
    ASSERT_EQ(SQLExecute(st.handle()), SQL_SUCCESS);
    EXPECT_EQ(st.rows().size(), 2u);
}

TEST_F(Results, RowCountOfChangesAndColumnAttributes) {
    Connection c("Corvane", "DBA", "sql");
    Statement ins(c);
    ASSERT_EQ(ins.exec("insert into corvane.rvc_def values (6, 'Beach Grill')"), SQL_SUCCESS);
    SQLLEN count = 0;
    ASSERT_EQ(SQLRowCount(ins.handle(), &count), SQL_SUCCESS);
    EXPECT_EQ(count, 1);
    SQLSMALLINT columns = -1;
    ASSERT_EQ(SQLNumResultCols(ins.handle(), &columns), SQL_SUCCESS);
    EXPECT_EQ(columns, 0);
    const SQLRETURN rc = SQLFetch(ins.handle());
    EXPECT_EQ(rc, SQL_ERROR);  // no result set

    Statement q(c);
    ASSERT_EQ(q.exec("select name from corvane.rvc_def"), SQL_SUCCESS);
    char label[32];
    SQLSMALLINT length = 0;
    SQLLEN n = 0;
    ASSERT_EQ(SQLColAttribute(q.handle(), 1, SQL_DESC_LABEL, label, sizeof label, &length, nullptr), SQL_SUCCESS);
    EXPECT_STREQ(label, "name");
    ASSERT_EQ(SQLColAttribute(q.handle(), 1, SQL_DESC_DISPLAY_SIZE, nullptr, 0, nullptr, &n), SQL_SUCCESS);
    EXPECT_EQ(n, 20);
    ASSERT_EQ(SQLColAttribute(q.handle(), 1, SQL_DESC_TYPE, nullptr, 0, nullptr, &n), SQL_SUCCESS);
    EXPECT_EQ(n, SQL_VARCHAR);
    EXPECT_EQ(SQLColAttribute(q.handle(), 2, SQL_DESC_TYPE, nullptr, 0, nullptr, &n), SQL_ERROR);
}

TEST_F(Results, FailedStatementsReportTheEngineError) {
    Connection c("Corvane", "tarvel", "tarvel");
    Diag d = c.run_failing("select * from corvane.no_such_table");
    EXPECT_EQ(d.state, "42S02");
    EXPECT_EQ(d.native, -141);
    EXPECT_EQ(d.message, "[posdb]Table 'no_such_table' not found");
    Statement st(c);
    const char* bad = "select from where";
    const SQLRETURN rc = SQLPrepare(st.handle(), (SQLCHAR*)bad, SQL_NTS);
    EXPECT_EQ(rc, SQL_ERROR);
    EXPECT_EQ(st.diag(rc).state, "42000");
    SQLINTEGER records = 0;
    ASSERT_EQ(SQLGetDiagField(SQL_HANDLE_STMT, st.handle(), 0, SQL_DIAG_NUMBER, &records, 0, nullptr),
              SQL_SUCCESS);
    EXPECT_EQ(records, 1);
}

TEST_F(Results, TypeInfoIsAnEmptyResult) {
    Connection c("Corvane", "tarvel", "tarvel");
    Statement st(c);
    ASSERT_EQ(SQLGetTypeInfo(st.handle(), SQL_ALL_TYPES), SQL_SUCCESS);
    SQLSMALLINT columns = 0;
    ASSERT_EQ(SQLNumResultCols(st.handle(), &columns), SQL_SUCCESS);
    EXPECT_EQ(columns, 19);
    EXPECT_EQ(SQLFetch(st.handle()), SQL_NO_DATA);
}

}  // namespace
}  // namespace posdb::test
