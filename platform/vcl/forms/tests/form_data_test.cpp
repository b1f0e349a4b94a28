// Data-access components declared in a form's layout: read with the form,
// connected when the layout says so only after all of it is read, used by
// name, and freed with the form. Runs against the posdb demo database.
#include <gtest/gtest.h>

#include <string>

#include "posdb_work_copy.h"
#include "vcl.h"

namespace {

class TDataForm : public TForm {
public:
    explicit TDataForm(TComponent* owner) : TForm(owner)
    {
        Field("corvane_DB", corvane_DB);
        Field("VersionQry", VersionQry);
        Field("TaxQry", TaxQry);
        ReadLayout("TDataForm");
    }
    TDatabase* corvane_DB = nullptr;
    TQuery* VersionQry = nullptr;
    TQuery* TaxQry = nullptr;
};

// A form whose layout the test writes.
class TTextForm : public TForm {
public:
    TTextForm(TComponent* owner, const std::string& layout) : TForm(owner) { ReadLayoutText(layout); }
};

// Connected comes first, before anything the connection needs.
std::string ConnectingLayout(const std::string& connectedProperty, const std::string& password)
{
    return "object TextForm: TTextForm\n"
           "  object Db: TDatabase\n"
           "    " + connectedProperty + " = True\n"
           "    AliasName = 'corvane'\n"
           "    DatabaseName = 'DBstreamed'\n"
           "    LoginPrompt = False\n"
           "    Params.Strings = ('USER NAME=tarvel' 'PASSWORD=" + password + "' 'ODBC DSN=Corvane')\n"
           "  end\n"
           "end\n";
}

// Counts the queries alive, standing in for the registered TQuery class.
class TCountedQuery : public TQuery {
public:
    explicit TCountedQuery(TComponent* owner) : TQuery(owner) { ++alive; }
    ~TCountedQuery() override { --alive; }
    static int alive;
};
int TCountedQuery::alive = 0;

class FormDataTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(RefreshPosDatabase(m_workFile)); }

    AnsiString m_workFile;
};

}  // namespace

TEST_F(FormDataTest, LayoutDeclaresTheConnectionAndAQueryThatReadsThePosVersion)
{
    TDataForm form(nullptr);
    TDatabase* db = form.corvane_DB;
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(db->Owner(), &form);
    EXPECT_EQ(db->Name(), "corvane_DB");
    EXPECT_EQ(db->AliasName, "corvane");
    EXPECT_EQ(db->DatabaseName, "DBcorvane");
    EXPECT_EQ(db->SessionName, "Default");
    EXPECT_FALSE(db->LoginPrompt);
    EXPECT_EQ(db->Params.Text(),
              "USER NAME=tarvel\r\nPASSWORD=tarvel\r\nODBC DSN=Corvane\r\nOPEN MODE=READ/WRITE\r\n"
              "DATABASE NAME=Corvane\r\n");
    EXPECT_EQ(TDatabase::Find("dbcorvane"), db);
    EXPECT_FALSE(db->Connected());

    ASSERT_NE(form.VersionQry, nullptr);
    EXPECT_EQ(form.VersionQry->Owner(), &form);
    EXPECT_EQ(form.VersionQry->SQL.Text(), "SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status\r\n");
    form.VersionQry->Open();
    EXPECT_TRUE(db->Connected());  // the first statement opens the connection by its name
    EXPECT_EQ(form.VersionQry->FieldByName("CORVANE_VERSION_NUM").AsString(), "4.10");
}

TEST_F(FormDataTest, OwningFormFreesTheConnectionAndItsQueries)
{
    RegisterComponentClass<TCountedQuery>("TQuery");
    TDataForm* form = nullptr;
    try {
        form = new TDataForm(nullptr);
    } catch (...) {
        RegisterComponentClass<TQuery>("TQuery");
        throw;
    }
    RegisterComponentClass<TQuery>("TQuery");
    EXPECT_EQ(TCountedQuery::alive, 2);

    // The statement-less query stands before the connection in the layout, so
    // the connection goes first while that query is still open on it.
    form->TaxQry->SQL.Add("select ob_rvc009_us_tax from corvane.rest_def");
    form->TaxQry->Open();
    form->VersionQry->Open();
    ASSERT_TRUE(form->corvane_DB->Connected());

    delete form;
    EXPECT_EQ(TCountedQuery::alive, 0);
    EXPECT_EQ(TDatabase::Find("DBcorvane"), nullptr);
}

TEST_F(FormDataTest, ConnectedInTheLayoutConnectsOnceTheWholeLayoutIsRead)
{
    TTextForm form(nullptr, ConnectingLayout("Connected", "tarvel"));
    auto* db = dynamic_cast<TDatabase*>(form.FindComponent("Db"));
    ASSERT_NE(db, nullptr);
    EXPECT_TRUE(db->Connected());
}

TEST_F(FormDataTest, FailedConnectionInTheLayoutRaisesFromTheFormsCreation)
{
    try {
        TTextForm form(nullptr, ConnectingLayout("Connected", "secret"));
        FAIL() << "the form was created";
    } catch (const EDBEngineError& e) {
        EXPECT_EQ(e.SqlState, "28000");
        EXPECT_NE(e.Message.find("Invalid user ID or password"), AnsiString::npos) << e.Message;
    }
    EXPECT_EQ(TDatabase::Find("DBstreamed"), nullptr);  // freed with the half-made form
}

TEST_F(FormDataTest, MisspelledPropertyIsAnExceptionNamingItsLine)
{
    try {
        TTextForm form(nullptr, ConnectingLayout("Conected", "tarvel"));
        FAIL() << "the form was created";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "layout line 3: unknown property Conected");
    }
}
