// Data access from a Windows program under Wine, through odbc32 and unixODBC,
// to the POS database stand-in (tools/posdb). Each test works on a fresh copy
// of the demo database (see posdb_work_copy.h).
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "database.h"
#include "exceptions.h"
#include "posdb_work_copy.h"
#include "query.h"
#include "sysutils.h"

namespace {

const char* const kVersionStatement = "SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status";
const char* const kTaxKindStatement = "select ob_rvc009_us_tax from corvane.rest_def";
const char* const kTaxRatesStatement = "select tax_rate_seq, name, type from corvane.tax_rate_def";
const char* const kGrantStatement = "grant EXECUTE on tarvel.sp_PvoFo_DoProrate TO PUBLIC";

const std::vector<AnsiString> kCreateLines = {
    "create procedure tarvel.sp_PvoFo_DoProrate(in fSales_TTL real,in fTender_TTL real,in fItemizer_in_TTL "
    "real,out fItemizer_out_TTL real,inout error integer)",
    "begin",
    "   if(fSales_TTL = 0.0) then",
    "    select fItemizer_in_TTL into fItemizer_out_TTL",
    "  else",
    "    select fItemizer_in_TTL*(fTender_TTL/fSales_TTL) into fItemizer_out_TTL",
    "  end if;",
    "  if sqlcode <> 0 then",
    "    set error=sqlcode;",
    "    rollback work",
    "  else",
    "    set error=0",
    "  end if",
    "end",
};

const std::vector<AnsiString> kTenderLines = {
    "Select obj_num, name, string(obj_num, ', ', name) as Text", "from corvane.tmed_def", "where type = 'T'",
    "order by obj_num"};
const std::vector<AnsiString> kRevenueCentreLines = {
    "Select obj_num, name, string(obj_num, ', ', name) as Text", "from corvane.rvc_def", "order by obj_num"};
const std::vector<AnsiString> kInterfaceLines = {
    "Select obj_num, name, string(obj_num, ', ', name) as Text", "from corvane.interface_def",
    "where qub_script = 'T'", "order by obj_num"};

AnsiString CatalogueStatement()
{
    return "select * from SYS.SYSPROCEDURE where proc_name = " + QuotedStr("sp_PvoFo_DoProrate");
}

void SetStatement(TQuery& query, const std::vector<AnsiString>& lines)
{
    query.SQL.Clear();
    for (const AnsiString& line : lines)
        query.SQL.Add(line);
}

// The combo box's fill: every row's Text, walked from the first record.
std::vector<AnsiString> ItemsOf(TQuery& query)
{
    if (!query.Prepared())
        query.Prepare();
    query.Open();
    query.First();
    std::vector<AnsiString> items;
    while (!query.Eof()) {
        items.push_back(query.FieldByName("Text").AsString());
        query.Next();
    }
    return items;
}

class DataAccessTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(RefreshPosDatabase(m_workFile));
        Configure(m_database, "tarvel", "tarvel");
    }

    // As the main form stores its connection.
    static void Configure(TDatabase& database, const AnsiString& user, const AnsiString& password,
                          const AnsiString& databaseName = "DBcorvane")
    {
        database.AliasName = "corvane";
        database.DatabaseName = databaseName;
        database.LoginPrompt = false;
        database.Params.Add("USER NAME=" + user);
        database.Params.Add("PASSWORD=" + password);
        database.Params.Add("ODBC DSN=Corvane");
        database.Params.Add("OPEN MODE=READ/WRITE");
        database.Params.Add("DATABASE NAME=Corvane");
    }

    TQuery& NewQuery(const AnsiString& databaseName = "DBcorvane")
    {
        m_queries.push_back(std::make_unique<TQuery>(nullptr));
        m_queries.back()->DatabaseName = databaseName;
        return *m_queries.back();
    }

    TQuery& Run(const AnsiString& statement)
    {
        TQuery& query = NewQuery();
        query.SQL.Add(statement);
        query.Open();
        return query;
    }

    AnsiString m_workFile;
    TDatabase m_database{nullptr};
    std::vector<std::unique_ptr<TQuery>> m_queries;
};

}  // namespace

TEST_F(DataAccessTest, ConnectsWithTheStoredParameters)
{
    EXPECT_FALSE(m_database.Connected());
    m_database.Open();
    EXPECT_TRUE(m_database.Connected());
    m_database.Open();  // already open: nothing happens
    m_database.SetConnected(false);
    EXPECT_FALSE(m_database.Connected());
    m_database.SetConnected(true);
    EXPECT_TRUE(m_database.Connected());
}

TEST_F(DataAccessTest, WrongPasswordRaisesTheDriversMessage)
{
    TDatabase database(nullptr);
    Configure(database, "tarvel", "secret", "DBwrong");
    try {
        database.Open();
        FAIL() << "connected";
    } catch (const EDBEngineError& e) {
        EXPECT_EQ(e.SqlState, "28000");
        EXPECT_NE(e.Message.find("Invalid user ID or password"), AnsiString::npos) << e.Message;
    }
    EXPECT_FALSE(database.Connected());
}

TEST_F(DataAccessTest, DataSourceComesFromTheAliasWithoutOdbcDsnParameter)
{
    TDatabase byAlias(nullptr);
    byAlias.AliasName = "corvane";
    byAlias.DatabaseName = "DBalias";
    byAlias.Params.Add("USER NAME=tarvel");
    byAlias.Params.Add("PASSWORD=tarvel");
    byAlias.Open();
    EXPECT_TRUE(byAlias.Connected());

    TDatabase unknown(nullptr);
    unknown.AliasName = "nowhere";
    unknown.DatabaseName = "DBnowhere";
    try {
        unknown.Open();
        FAIL() << "connected";
    } catch (const EDBEngineError& e) {
        EXPECT_EQ(e.SqlState, "IM002") << e.Message;
        EXPECT_FALSE(e.Message.empty());
    }
}

TEST_F(DataAccessTest, QueryOpensItsConnectionByDatabaseName)
{
    TQuery& query = NewQuery("dbCORVANE");
    SetStatement(query, kRevenueCentreLines);
    query.Open();
    EXPECT_TRUE(m_database.Connected());
    EXPECT_TRUE(query.Active());

    TQuery& stray = NewQuery("DBnowhere");
    stray.SQL.Add(kVersionStatement);
    try {
        stray.Open();
        FAIL() << "opened";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message, "Database 'DBnowhere' not found");
    }
}

TEST_F(DataAccessTest, VersionQuery)
{
    TQuery& query = Run(kVersionStatement);
    ASSERT_FALSE(query.Eof());
    EXPECT_EQ(query.FieldByName("CORVANE_VERSION_NUM").AsString(), "4.10");
    EXPECT_EQ(query.FieldByName("corvane_version_num").AsString(), "4.10");
    query.Next();
    EXPECT_TRUE(query.Eof());
}

TEST_F(DataAccessTest, TaxQueries)
{
    TQuery& kind = Run(kTaxKindStatement);
    ASSERT_FALSE(kind.Eof());
    EXPECT_TRUE(kind.FieldByName("ob_rvc009_us_tax").AsBoolean());

    TQuery& rates = Run(kTaxRatesStatement);
    std::vector<std::pair<int, AnsiString>> seen;
    for (rates.First(); !rates.Eof(); rates.Next())
        seen.emplace_back(rates.FieldByName("tax_rate_seq").AsInteger(),
                          rates.FieldByName("name").AsString() + "/" + rates.FieldByName("type").AsString());
    const std::vector<std::pair<int, AnsiString>> expected = {
        {1, "State Sales Tax/P"}, {2, "City Tax/P"}, {3, "Liquor Tax/B"}, {4, "VAT Included/I"},
        {5, "Resort Levy/F"},     {6, "/"},          {7, "/"},            {8, "/"}};
    EXPECT_EQ(seen, expected);
}

TEST_F(DataAccessTest, PickerStatements)
{
    TQuery& tenders = NewQuery();
    SetStatement(tenders, kTenderLines);
    EXPECT_EQ(ItemsOf(tenders),
              (std::vector<AnsiString>{"2, City Ledger", "9, Hotel Voucher", "10, Gift Voucher", "101, Cash",
                                       "102, Visa", "103, MasterCard", "104, Room Charge"}));

    TQuery& centres = NewQuery();
    SetStatement(centres, kRevenueCentreLines);
    EXPECT_EQ(ItemsOf(centres), (std::vector<AnsiString>{"1, Harbour Restaurant", "2, Lobby Bar", "3, Room Service",
                                                         "4, Captain's Lounge", "5, Pool Terrace"}));
    // The record under the cursor after walking three steps from the first.
    centres.First();
    centres.Next();
    centres.Next();
    centres.Next();
    EXPECT_EQ(centres.FieldByName("obj_num").AsInteger(), 4);
    EXPECT_EQ(centres.FieldByName("NAME").AsString(), "Captain's Lounge");

    TQuery& interfaces = NewQuery();
    SetStatement(interfaces, kInterfaceLines);
    EXPECT_EQ(ItemsOf(interfaces),
              (std::vector<AnsiString>{"3, Hotel Front Office", "5, Spa Front Office", "7, Golf Club PMS"}));
}

TEST_F(DataAccessTest, OpenQueryKeepsItsFirstResult)
{
    TQuery& tenders = NewQuery();
    SetStatement(tenders, kTenderLines);
    const std::vector<AnsiString> first = ItemsOf(tenders);

    // The POS tables are corvane's: another connection, as DBA, adds a row.
    TDatabase dba(nullptr);
    Configure(dba, "DBA", "sql", "DBdba");
    dba.Open();
    TQuery insert(nullptr);
    insert.DatabaseName = "DBdba";
    insert.SQL.Add("insert into corvane.tmed_def values (105, 'Gift Card', 'T')");
    insert.ExecSQL();

    // Open again on an open query runs nothing; First walks the same rows.
    EXPECT_EQ(ItemsOf(tenders), first);
    tenders.Close();
    EXPECT_FALSE(tenders.Active());
    const std::vector<AnsiString> reopened = ItemsOf(tenders);
    ASSERT_EQ(reopened.size(), first.size() + 1);
    EXPECT_EQ(reopened.back(), "105, Gift Card");
}

TEST_F(DataAccessTest, ChangedStatementIsPreparedAfresh)
{
    TQuery& query = NewQuery();
    query.SQL.Add(kVersionStatement);
    query.Prepare();
    EXPECT_TRUE(query.Prepared());
    query.SQL.Clear();
    query.SQL.Add(kTaxKindStatement);
    query.Open();
    EXPECT_TRUE(query.FieldByName("ob_rvc009_us_tax").AsBoolean());
    EXPECT_THROW(query.FieldByName("CORVANE_VERSION_NUM"), EDatabaseError);
}

TEST_F(DataAccessTest, StoredProcedureCreateAndGrantAreRecorded)
{
    TQuery& sp = NewQuery();
    sp.SQL.Add(CatalogueStatement());
    sp.Open();
    EXPECT_TRUE(sp.Eof()) << "the demo database already holds the procedure";
    EXPECT_EQ(sp.FieldByName("proc_name").AsString(), "");

    sp.Close();
    SetStatement(sp, kCreateLines);
    sp.ExecSQL();
    sp.Close();
    sp.SQL.Clear();
    sp.SQL.Add(kGrantStatement);
    sp.ExecSQL();
    sp.Close();

    sp.SQL.Clear();
    sp.SQL.Add(CatalogueStatement());
    sp.Open();
    ASSERT_FALSE(sp.Eof());
    EXPECT_EQ(sp.FieldByName("proc_name").AsString(), "sp_PvoFo_DoProrate");
    AnsiString definition;
    for (size_t i = 0; i < kCreateLines.size(); ++i)
        definition += (i > 0 ? "\r\n" : "") + kCreateLines[i];
    EXPECT_EQ(sp.FieldByName("proc_defn").AsString(), definition);
    sp.Next();
    EXPECT_TRUE(sp.Eof());

    TQuery& owner = Run("select u.user_name from SYS.SYSPROCEDURE p, SYS.SYSUSERPERM u "
                        "where u.user_id = p.creator and p.proc_name = 'sp_PvoFo_DoProrate'");
    EXPECT_EQ(owner.FieldByName("user_name").AsString(), "tarvel");
    TQuery& grantees = Run("select u.user_name from SYS.SYSPROCPERM g, SYS.SYSPROCEDURE p, SYS.SYSUSERPERM u "
                           "where g.proc_id = p.proc_id and u.user_id = g.grantee "
                           "and p.proc_name = 'sp_PvoFo_DoProrate'");
    EXPECT_EQ(grantees.FieldByName("user_name").AsString(), "PUBLIC");

    // A second create finds the name taken.
    sp.Close();
    SetStatement(sp, kCreateLines);
    try {
        sp.ExecSQL();
        FAIL() << "created twice";
    } catch (const EDBEngineError& e) {
        EXPECT_EQ(e.SqlState, "42S01");
        EXPECT_NE(e.Message.find("already exists"), AnsiString::npos) << e.Message;
    }
}

TEST_F(DataAccessTest, CreateFailsForUserWithoutTheRight)
{
    TDatabase clerk(nullptr);
    Configure(clerk, "clerk", "clerk", "DBclerk");
    TQuery& create = NewQuery("DBclerk");
    SetStatement(create, kCreateLines);
    try {
        create.ExecSQL();
        FAIL() << "created";
    } catch (const EDBEngineError& e) {
        EXPECT_EQ(e.SqlState, "42501");
        EXPECT_NE(e.Message.find("Permission denied"), AnsiString::npos) << e.Message;
    }
    TQuery& catalogue = Run(CatalogueStatement());
    EXPECT_TRUE(catalogue.Eof());
}

TEST_F(DataAccessTest, GrantOfMissingProcedureFails)
{
    TQuery& grant = NewQuery();
    grant.SQL.Add(kGrantStatement);
    try {
        grant.ExecSQL();
        FAIL() << "granted";
    } catch (const EDBEngineError& e) {
        EXPECT_EQ(e.SqlState, "42S02");
        EXPECT_NE(e.Message.find("sp_PvoFo_DoProrate"), AnsiString::npos) << e.Message;
    }
}

TEST_F(DataAccessTest, NullReadsAsZeroEmptyAndFalse)
{
    TQuery& rate = Run("select tax_rate_seq, name, type from corvane.tax_rate_def where tax_rate_seq = 6");
    ASSERT_FALSE(rate.Eof());
    TField& name = rate.FieldByName("name");
    EXPECT_TRUE(name.IsNull());
    EXPECT_EQ(name.AsString(), "");
    EXPECT_EQ(name.AsInteger(), 0);
    EXPECT_FALSE(name.AsBoolean());
    EXPECT_FALSE(rate.FieldByName("tax_rate_seq").IsNull());

    // No row at all: the fields exist and read as NULL.
    TQuery& none = Run("select obj_num, name from corvane.rvc_def where obj_num = 99");
    EXPECT_TRUE(none.Eof());
    EXPECT_TRUE(none.FieldByName("obj_num").IsNull());
    EXPECT_EQ(none.FieldByName("obj_num").AsInteger(), 0);
    EXPECT_EQ(none.FieldByName("name").AsString(), "");
}

TEST_F(DataAccessTest, LongValuesArriveWhole)
{
    // Around and well beyond the first piece that a column is read in.
    for (const int length : {4095, 4096, 4097, 300000}) {
        TQuery& text = Run("select replace(hex(zeroblob(" + std::to_string(length) + ")), '00', 'ab') as v");
        ASSERT_FALSE(text.Eof());
        std::string expected;
        for (int i = 0; i < length; ++i)
            expected += "ab";
        EXPECT_EQ(expected, text.FieldByName("v").AsString()) << length;
    }
}

TEST_F(DataAccessTest, FieldConversions)
{
    TQuery& query = Run("select 'Yes' as yes, 'no' as no, 'T' as t, 12 as twelve, 2.6 as real_value, "
                        "'4.10' as version");
    EXPECT_TRUE(query.FieldByName("yes").AsBoolean());
    EXPECT_FALSE(query.FieldByName("no").AsBoolean());
    EXPECT_TRUE(query.FieldByName("t").AsBoolean());
    EXPECT_EQ(query.FieldByName("twelve").AsInteger(), 12);
    EXPECT_EQ(query.FieldByName("twelve").AsString(), "12");
    EXPECT_TRUE(query.FieldByName("twelve").AsBoolean());
    EXPECT_EQ(query.FieldByName("real_value").AsInteger(), 3);
    try {
        query.FieldByName("version").AsInteger();
        FAIL() << "converted";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message, "'4.10' is not a valid integer value");
    }
}

TEST_F(DataAccessTest, UnknownFieldAndClosedQueryRaise)
{
    TQuery& query = Run(kVersionStatement);
    try {
        query.FieldByName("version");
        FAIL() << "found";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message, "Field 'version' not found");
    }
    query.Close();
    EXPECT_TRUE(query.Eof());
    EXPECT_THROW(query.First(), EDatabaseError);
    EXPECT_THROW(query.Next(), EDatabaseError);
    EXPECT_THROW(query.FieldByName("CORVANE_VERSION_NUM"), EDatabaseError);
}

TEST_F(DataAccessTest, RejectedStatementRaisesTheDriversMessage)
{
    TQuery& query = NewQuery();
    query.SQL.Add("select obj_num from corvane.no_such_table");
    try {
        query.Open();
        FAIL() << "opened";
    } catch (const EDBEngineError& e) {
        EXPECT_FALSE(e.SqlState.empty());
        EXPECT_NE(e.Message.find("no_such_table"), AnsiString::npos) << e.Message;
    }
    EXPECT_FALSE(query.Active());

    TQuery& noResult = NewQuery();
    noResult.SQL.Add("create table tarvel.vouchers(obj_num integer)");
    try {
        noResult.Open();
        FAIL() << "opened";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message, "Error creating cursor handle");
    }
    EXPECT_FALSE(noResult.Active());
}

TEST_F(DataAccessTest, ClosingTheDatabaseClosesItsQueries)
{
    TQuery& query = NewQuery();
    SetStatement(query, kInterfaceLines);
    query.Prepare();
    query.Open();
    m_database.Close();
    EXPECT_FALSE(query.Active());
    EXPECT_FALSE(query.Prepared());
    EXPECT_EQ(ItemsOf(query).size(), 3u);  // reconnects
    EXPECT_TRUE(m_database.Connected());
}

TEST_F(DataAccessTest, LostDatabaseFileRaisesInsteadOfCrashing)
{
    TQuery& version = Run(kVersionStatement);
    version.Close();
    ASSERT_TRUE(DeleteFileA(m_workFile.c_str()));
    try {
        version.Open();
        FAIL() << "opened";
    } catch (const EDBEngineError& e) {
        EXPECT_FALSE(e.Message.empty());
    }
    TQuery& create = NewQuery();
    SetStatement(create, kCreateLines);
    EXPECT_THROW(create.ExecSQL(), EDatabaseError);

    m_database.Close();
    try {
        m_database.Open();
        FAIL() << "connected";
    } catch (const EDBEngineError& e) {
        EXPECT_NE(e.Message.find("not found"), AnsiString::npos) << e.Message;
    }
    EXPECT_FALSE(m_database.Connected());
}
