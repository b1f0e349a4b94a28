// Connection to a database by name, in place of the class library's database
// component. It reaches the database through ODBC: the data source is the
// parameter "ODBC DSN", or the alias when that parameter is missing.
//
// A form's layout declares it as
//
//     object corvane_DB: TDatabase
//       AliasName = 'corvane'
//       DatabaseName = 'DBcorvane'
//       LoginPrompt = False
//       Params.Strings = (
//         'USER NAME=tarvel'
//         'PASSWORD=tarvel')
//       Connected = True
//     end
#pragma once

#include <vector>

#include "ansi_string.h"
#include "classes.h"
#include "string_list.h"

class TQuery;

class TDatabase : public TComponent {
public:
    explicit TDatabase(TComponent* Owner);
    ~TDatabase() override;

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

    // Connected = True in a layout connects only once the whole layout is
    // read (in Loaded), so the order of the properties does not matter; a
    // failure there raises to whoever reads the layout.
    void SetProperty(const std::string& name, const TLayoutValue& value) override;
    void Loaded() override;

    // The connection with this database name in the session, or nullptr.
    static TDatabase* Find(const AnsiString& databaseName);

private:
    friend class TQuery;
    void* Handle() const { return m_connection; }  // SQLHDBC
    void Attach(TQuery* query);
    void Detach(TQuery* query);

    void* m_environment = nullptr;  // SQLHENV
    void* m_connection = nullptr;   // SQLHDBC
    bool m_streamedConnected = false;
    std::vector<TQuery*> m_queries;
};
