#include "database.h"

#include <algorithm>

#include "exceptions.h"
#include "layout_value.h"
#include "odbc_call.h"
#include "query.h"
#include "sysutils.h"

namespace {

// The session's connections, in order of creation. Never freed: connections
// owned by forms of the application object go at program exit, after the
// statics of this file would have gone.
std::vector<TDatabase*>& Databases()
{
    static auto* databases = new std::vector<TDatabase*>;
    return *databases;
}

// Value of a "NAME=value" line; the name is compared without regard to case.
AnsiString Param(const TStringList& params, const AnsiString& name)
{
    for (int i = 0; i < params.Count(); ++i) {
        const AnsiString line = params[i];
        const size_t equals = line.find('=');
        if (equals != AnsiString::npos && SameText(line.substr(0, equals), name))
            return line.substr(equals + 1);
    }
    return AnsiString();
}

}  // namespace

TDatabase::TDatabase(TComponent* Owner) : TComponent(Owner)
{
    Databases().push_back(this);
}

TDatabase::~TDatabase()
{
    Close();
    for (TQuery* query : m_queries)
        query->m_database = nullptr;
    auto& all = Databases();
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

TDatabase* TDatabase::Find(const AnsiString& databaseName)
{
    for (TDatabase* database : Databases()) {
        if (SameText(database->DatabaseName, databaseName))
            return database;
    }
    return nullptr;
}

void TDatabase::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "AliasName")) AliasName = value.AsString();
    else if (SameText(name, "DatabaseName")) DatabaseName = value.AsString();
    else if (SameText(name, "SessionName")) SessionName = value.AsString();
    else if (SameText(name, "LoginPrompt")) LoginPrompt = value.AsBool();
    else if (SameText(name, "Params.Strings")) Params.Assign(value.AsList());
    else if (SameText(name, "Connected")) {
        if (Loading())
            m_streamedConnected = value.AsBool();
        else
            SetConnected(value.AsBool());
    } else TComponent::SetProperty(name, value);
}

void TDatabase::Loaded()
{
    TComponent::Loaded();
    if (m_streamedConnected)
        Open();
}

void TDatabase::Open()
{
    if (Connected())
        return;
    SQLHENV environment = SQL_NULL_HENV;
    if (!OdbcSucceeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)))
        throw EDBEngineError("Cannot initialize the ODBC environment", "", 0);
    SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);

    SQLHDBC connection = SQL_NULL_HDBC;
    if (!OdbcSucceeded(SQLAllocHandle(SQL_HANDLE_DBC, environment, &connection))) {
        SQLFreeHandle(SQL_HANDLE_ENV, environment);
        throw EDBEngineError("Cannot allocate an ODBC connection", "", 0);
    }

    AnsiString dsn = Param(Params, "ODBC DSN");
    if (dsn.empty())
        dsn = AliasName;
    const AnsiString user = Param(Params, "USER NAME");
    const AnsiString password = Param(Params, "PASSWORD");
    const SQLRETURN result = SQLConnect(connection, OdbcText(dsn), SQL_NTS, OdbcText(user), SQL_NTS,
                                        OdbcText(password), SQL_NTS);
    if (!OdbcSucceeded(result)) {
        try {
            RaiseOdbcError(SQL_HANDLE_DBC, connection, "Unable to connect to the database");
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_DBC, connection);
            SQLFreeHandle(SQL_HANDLE_ENV, environment);
            throw;
        }
    }
    m_environment = environment;
    m_connection = connection;
}

void TDatabase::Close()
{
    if (!Connected())
        return;
    // Statement handles die with the connection, so the queries let go first.
    for (TQuery* query : m_queries) {
        query->Close();
        query->UnPrepare();
    }
    SQLDisconnect(m_connection);
    SQLFreeHandle(SQL_HANDLE_DBC, m_connection);
    SQLFreeHandle(SQL_HANDLE_ENV, m_environment);
    m_connection = nullptr;
    m_environment = nullptr;
}

void TDatabase::Attach(TQuery* query)
{
    if (std::find(m_queries.begin(), m_queries.end(), query) == m_queries.end())
        m_queries.push_back(query);
}

void TDatabase::Detach(TQuery* query)
{
    m_queries.erase(std::remove(m_queries.begin(), m_queries.end(), query), m_queries.end());
}
