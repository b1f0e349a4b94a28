// Every statement the setup program sends to the POS database, exactly as it
// sends them, through the driver manager against the demo database.
#include "odbc_client.h"

namespace posdb::test {
namespace {

// Multi-line statements arrive as their lines joined by CR LF.
const std::string kTenders =
    "Select obj_num, name, string(obj_num, ', ', name) as Text\r\n"
    "from corvane.tmed_def\r\n"
    "where type = 'T'\r\n"
    "order by obj_num";
const std::string kRevenueCentres =
    "Select obj_num, name, string(obj_num, ', ', name) as Text\r\n"
    "from corvane.rvc_def\r\n"
    "order by obj_num";
const std::string kInterfaces =
    "Select obj_num, name, string(obj_num, ', ', name) as Text\r\n"
    "from corvane.interface_def\r\n"
    "where qub_script = 'T'\r\n"
    "order by obj_num";
const std::string kProcedureLookup =
    "select * from SYS.SYSPROCEDURE where proc_name = 'sp_PvoFo_DoProrate'";
const std::string kGrant = "grant EXECUTE on tarvel.sp_PvoFo_DoProrate TO PUBLIC";

using SetupStatements = OdbcTest;

TEST_F(SetupStatements, VersionAndTaxSetup) {
    Connection c("Corvane", "tarvel", "tarvel");
    ASSERT_TRUE(c.connected()) << c.diag().message;
    EXPECT_EQ(c.run("SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status"), (Rows{{"4.10"}}));
    EXPECT_EQ(c.run("select ob_rvc009_us_tax from corvane.rest_def"), (Rows{{"T"}}));
    EXPECT_EQ(c.run("select tax_rate_seq, name, type from corvane.tax_rate_def"),
              (Rows{{"1", "State Sales Tax", "P"},
                    {"2", "City Tax", "P"},
                    {"3", "Liquor Tax", "B"},
                    {"4", "VAT Included", "I"},
                    {"5", "Resort Levy", "F"},
                    {"6", "<null>", "<null>"},
                    {"7", "<null>", "<null>"},
                    {"8", "<null>", "<null>"}}));
}

TEST_F(SetupStatements, PickerLists) {
    Connection c("Corvane", "tarvel", "tarvel");
    ASSERT_TRUE(c.connected()) << c.diag().message;
    EXPECT_EQ(c.run(kTenders), (Rows{{"2", "City Ledger", "2, City Ledger"},
                                     {"9", "Hotel Voucher", "9, Hotel Voucher"},
                                     {"10", "Gift Voucher", "10, Gift Voucher"},
                                     {"101", "Cash", "101, Cash"},
                                     {"102", "Visa", "102, Visa"},
                                     {"103", "MasterCard", "103, MasterCard"},
                                     {"104", "Room Charge", "104, Room Charge"}}));
    EXPECT_EQ(c.run(kRevenueCentres), (Rows{{"1", "Harbour Restaurant", "1, Harbour Restaurant"},
                                            {"2", "Lobby Bar", "2, Lobby Bar"},
                                            {"3", "Room Service", "3, Room Service"},
                                            {"4", "Captain's Lounge", "4, Captain's Lounge"},
                                            {"5", "Pool Terrace", "5, Pool Terrace"}}));
    EXPECT_EQ(c.run(kInterfaces), (Rows{{"3", "Hotel Front Office", "3, Hotel Front Office"},
                                        {"5", "Spa Front Office", "5, Spa Front Office"},
                                        {"7", "Golf Club PMS", "7, Golf Club PMS"}}));
    // The statement text as a line list with a line break after every line.
    EXPECT_EQ(c.run(kInterfaces + "\r\n").size(), 3u);
}

TEST_F(SetupStatements, PickerColumnsAreNamedAsSelected) {
    Connection c("Corvane", "tarvel", "tarvel");
    Statement st(c);
    ASSERT_EQ(st.exec(kTenders), SQL_SUCCESS);
    const char* const names[] = {"obj_num", "name", "Text"};
    const SQLSMALLINT types[] = {SQL_INTEGER, SQL_VARCHAR, SQL_VARCHAR};
    for (SQLUSMALLINT i = 1; i <= 3; ++i) {
        SQLCHAR name[32];
        SQLSMALLINT length = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        ASSERT_EQ(SQLDescribeCol(st.handle(), i, name, sizeof name, &length, &type, &size, &digits, &nullable),
                  SQL_SUCCESS);
        EXPECT_STREQ(reinterpret_cast<char*>(name), names[i - 1]);
        EXPECT_EQ(type, types[i - 1]) << names[i - 1];
    }
}

TEST_F(SetupStatements, StoredProcedureIsCreatedGrantedThenVerified) {
    Connection c("Corvane", "tarvel", "tarvel");
    ASSERT_TRUE(c.connected()) << c.diag().message;
    EXPECT_TRUE(c.run(kProcedureLookup).empty());

    const std::string create = prorate_procedure("\r\n");
    EXPECT_TRUE(c.run(create).empty());
    EXPECT_TRUE(c.run(kGrant).empty());

    // A later start finds it by the same lookup.
    Connection later("Corvane", "tarvel", "tarvel");
    const Rows found = later.run(kProcedureLookup);
    ASSERT_EQ(found.size(), 1u);
    const Rows expected_columns = later.run(
        "select proc_id, (select user_id from SYS.SYSUSERPERM where user_name = 'tarvel'), "
        "'sp_PvoFo_DoProrate' from SYS.SYSPROCEDURE where proc_name = 'sp_PvoFo_DoProrate'");
    EXPECT_EQ(found[0][0], expected_columns[0][0]);  // proc_id
    EXPECT_EQ(found[0][1], expected_columns[0][1]);  // creator: tarvel
    EXPECT_EQ(found[0][2], "sp_PvoFo_DoProrate");
    EXPECT_EQ(found[0][3], create);                  // proc_defn, line breaks and all
    EXPECT_EQ(later.run("select u.user_name from SYS.SYSPROCPERM g join SYS.SYSUSERPERM u "
                        "on u.user_id = g.grantee where g.proc_id = " + found[0][0]),
              (Rows{{"PUBLIC"}}));
}

TEST_F(SetupStatements, CreateFailsWhenTheProcedureExists) {
    Connection c("Corvane", "tarvel", "tarvel");
    c.run(prorate_procedure());
    const Diag d = c.run_failing(prorate_procedure());
    EXPECT_EQ(d.state, "42S01");
    EXPECT_EQ(d.native, -110);
    EXPECT_EQ(d.message, "[posdb]Item 'sp_PvoFo_DoProrate' already exists");
}

TEST_F(SetupStatements, CreateFailsForAUserWithoutTheRight) {
    Connection c("Corvane", "clerk", "clerk");
    ASSERT_TRUE(c.connected()) << c.diag().message;
    const Diag d = c.run_failing(prorate_procedure());
    EXPECT_EQ(d.state, "42501");
    EXPECT_EQ(d.native, -121);
    EXPECT_NE(d.message.find("Permission denied"), std::string::npos) << d.message;
    EXPECT_TRUE(c.run(kProcedureLookup).empty());
}

TEST_F(SetupStatements, GrantFailsWithoutTheProcedure) {
    Connection c("Corvane", "tarvel", "tarvel");
    const Diag d = c.run_failing(kGrant);
    EXPECT_EQ(d.state, "42S02");
    EXPECT_EQ(d.message, "[posdb]Procedure 'sp_PvoFo_DoProrate' not found");
}

TEST_F(SetupStatements, LookupFindsTheProcedureUnderAnyOwner) {
    Connection dba("Corvane", "DBA", "sql");
    ASSERT_TRUE(dba.connected()) << dba.diag().message;
    dba.run("create procedure corvane.sp_PvoFo_DoProrate() begin end");
    Connection c("Corvane", "tarvel", "tarvel");
    EXPECT_EQ(c.run(kProcedureLookup).size(), 1u);
}

}  // namespace
}  // namespace posdb::test
