// SQL statement on a named connection, in place of the class library's query
// component. Open reads the whole result at once, so First walks it again
// without running the statement again, until the query is closed.
//
// In a form's layout:
//
//     object VersionQry: TQuery
//       DatabaseName = 'DBcorvane'
//       SQL.Strings = (
//         'SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status')
//     end
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "ansi_string.h"
#include "classes.h"
#include "field.h"
#include "string_list.h"

class TDatabase;

class TQuery : public TComponent {
public:
    explicit TQuery(TComponent* Owner) : TComponent(Owner) {}
    ~TQuery() override;

    // Name of the TDatabase to run on; a query opens it when it is closed.
    AnsiString DatabaseName;
    // The statement, its lines joined by line breaks when it is sent.
    TStringList SQL;

    // Has the driver prepare the statement; Open and ExecSQL then execute it.
    // Changing SQL afterwards drops the prepared statement.
    void Prepare();
    void UnPrepare();
    bool Prepared() const { return m_prepared != nullptr; }

    // Runs the statement and reads its result; does nothing when already open.
    // A statement that gives no result raises EDatabaseError.
    void Open();
    void Close();
    bool Active() const { return m_active; }
    // Runs a statement that gives no result.
    void ExecSQL();

    void First();
    void Next();
    // True when the result is empty or Next went past the last record; the
    // fields then still show the last record.
    bool Eof() const { return m_eof; }

    // Case-insensitive; raises EDatabaseError "Field '<name>' not found".
    TField& FieldByName(const AnsiString& name);

    void SetProperty(const std::string& name, const TLayoutValue& value) override;

private:
    friend class TDatabase;
    friend class TField;
    using Record = std::vector<std::optional<AnsiString>>;

    TDatabase& Connection();
    AnsiString StatementText() const;
    void* Execute();                 // SQLHSTMT holding the statement's outcome
    void Finish(void* statement);    // gives up what Execute gave
    void ReadResult(void* statement);
    void CheckActive() const;
    const AnsiString* CurrentValue(int index) const;

    TDatabase* m_database = nullptr;
    void* m_prepared = nullptr;  // SQLHSTMT
    AnsiString m_preparedText;
    bool m_active = false;
    std::vector<std::unique_ptr<TField>> m_fields;
    std::vector<Record> m_records;
    size_t m_record = 0;
    bool m_eof = true;
};
