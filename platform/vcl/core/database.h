// Connection to a database by name, in place of the class library's database
// component. It reaches the database through ODBC: the data source is the
// parameter "ODBC DSN", or the alias when that parameter is missing.
#pragma once

#include <vector>

#include "ansi_string.h"
#include "string_list.h"

class TQuery;

class TDatabase {
public:
    TDatabase();
    ~TDatabase();
    TDatabase(const TDatabase&) = delete;
    TDatabase& operator=(const TDatabase&) = delete;

    AnsiString AliasName;
    // The name by which queries find this connection.
    AnsiString DatabaseName;
    AnsiString SessionName = "Default";
    // "NAME=value" lines; "USER NAME", "PASSWORD" and "ODBC DSN" are used.
    TStringList Params;
    // Kept for the form; no login dialog exists, the stored user name and
    // password are always used.
    bool LoginPrompt = true;

    // Raises EDBEngineError with the driver's message when the connection
    // fails; does nothing when already connected.
    void Open();
    // Closes the queries on this connection first.
    void Close();
    bool Connected() const { return m_connection != nullptr; }
    void SetConnected(bool connected) { connected ? Open() : Close(); }

    // The connection with this database name in the session, or nullptr.
    static TDatabase* Find(const AnsiString& databaseName);

private:
    friend class TQuery;
    void* Handle() const { return m_connection; }  // SQLHDBC
    void Attach(TQuery* query);
    void Detach(TQuery* query);

    void* m_environment = nullptr;  // SQLHENV
    void* m_connection = nullptr;   // SQLHDBC
    std::vector<TQuery*> m_queries;
};
