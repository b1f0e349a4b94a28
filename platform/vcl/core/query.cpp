#include "query.h"

#include <algorithm>

#include "database.h"
#include "exceptions.h"
#include "layout_value.h"
#include "odbc_call.h"
#include "sysutils.h"

namespace {

TFieldKind KindOf(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_BIT:
        return TFieldKind::Boolean;
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
        return TFieldKind::Integer;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_NUMERIC:
    case SQL_DECIMAL:
        return TFieldKind::Float;
    default:
        return TFieldKind::Text;
    }
}

// One column of the current row as text; nullopt for NULL. A long value
// comes in two pieces: the first tells how much is left, the second holds
// all of it, so that the time taken keeps in step with the value's length
// even where the driver goes over the whole value for every piece.
std::optional<AnsiString> ReadColumn(SQLHSTMT statement, SQLUSMALLINT column)
{
    AnsiString value;
    size_t piece = 4096;  // with room for the terminator
    for (;;) {
        const size_t start = value.size();
        value.resize(start + piece);
        SQLLEN indicator = 0;
        const SQLRETURN result = SQLGetData(statement, column, SQL_C_CHAR, &value[start],
                                            static_cast<SQLLEN>(piece), &indicator);
        if (result == SQL_NO_DATA) {
            value.resize(start);
            return value;
        }
        if (!OdbcSucceeded(result))
            RaiseOdbcError(SQL_HANDLE_STMT, statement, "Cannot read a column");
        if (indicator == SQL_NULL_DATA)
            return std::nullopt;
        const size_t capacity = piece - 1;
        if (indicator == SQL_NO_TOTAL && result == SQL_SUCCESS) {
            // The last piece, of unknown length: it ends at its terminator.
            value.resize(static_cast<size_t>(std::find(&value[start], &value[start] + capacity, '\0') - value.data()));
            return value;
        }
        if (indicator != SQL_NO_TOTAL && static_cast<size_t>(indicator) <= capacity) {
            value.resize(start + static_cast<size_t>(indicator));
            return value;
        }
        value.resize(start + capacity);
        // What is left; of unknown length, as much again as read so far.
        piece = (indicator == SQL_NO_TOTAL ? value.size() : static_cast<size_t>(indicator) - capacity) + 1;
    }
}

}  // namespace

TQuery::~TQuery()
{
    Close();
    UnPrepare();
    if (m_database)
        m_database->Detach(this);
}

void TQuery::SetProperty(const std::string& name, const TLayoutValue& value)
{
    if (SameText(name, "DatabaseName")) DatabaseName = value.AsString();
    else if (SameText(name, "SQL.Strings")) SQL.Assign(value.AsList());
    else TComponent::SetProperty(name, value);
}

TDatabase& TQuery::Connection()
{
    TDatabase* database = TDatabase::Find(DatabaseName);
    if (!database)
        throw EDatabaseError("Database '" + DatabaseName + "' not found");
    if (database != m_database) {
        UnPrepare();
        if (m_database)
            m_database->Detach(this);
        m_database = database;
        database->Attach(this);
    }
    database->Open();
    return *database;
}

AnsiString TQuery::StatementText() const
{
    AnsiString text;
    for (int i = 0; i < SQL.Count(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += SQL[i];
    }
    return text;
}

void TQuery::Prepare()
{
    const AnsiString text = StatementText();
    if (m_prepared && m_preparedText == text)
        return;
    UnPrepare();
    TDatabase& database = Connection();
    SQLHSTMT statement = SQL_NULL_HSTMT;
    if (!OdbcSucceeded(SQLAllocHandle(SQL_HANDLE_STMT, database.Handle(), &statement)))
        RaiseOdbcError(SQL_HANDLE_DBC, database.Handle(), "Cannot allocate a statement");
    if (!OdbcSucceeded(SQLPrepare(statement, OdbcText(text), SQL_NTS))) {
        try {
            RaiseOdbcError(SQL_HANDLE_STMT, statement, "Cannot prepare the statement");
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_STMT, statement);
            throw;
        }
    }
    m_prepared = statement;
    m_preparedText = text;
}

void TQuery::UnPrepare()
{
    if (m_prepared) {
        SQLFreeHandle(SQL_HANDLE_STMT, m_prepared);
        m_prepared = nullptr;
        m_preparedText.clear();
    }
}

void* TQuery::Execute()
{
    const AnsiString text = StatementText();
    if (m_prepared && m_preparedText != text)
        UnPrepare();
    TDatabase& database = Connection();
    if (m_prepared) {
        SQLFreeStmt(m_prepared, SQL_CLOSE);
        const SQLRETURN result = SQLExecute(m_prepared);
        if (!OdbcSucceeded(result) && result != SQL_NO_DATA)
            RaiseOdbcError(SQL_HANDLE_STMT, m_prepared, "Cannot execute the statement");
        return m_prepared;
    }
    SQLHSTMT statement = SQL_NULL_HSTMT;
    if (!OdbcSucceeded(SQLAllocHandle(SQL_HANDLE_STMT, database.Handle(), &statement)))
        RaiseOdbcError(SQL_HANDLE_DBC, database.Handle(), "Cannot allocate a statement");
    const SQLRETURN result = SQLExecDirect(statement, OdbcText(text), SQL_NTS);
    if (!OdbcSucceeded(result) && result != SQL_NO_DATA) {
        try {
            RaiseOdbcError(SQL_HANDLE_STMT, statement, "Cannot execute the statement");
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_STMT, statement);
            throw;
        }
    }
    return statement;
}

void TQuery::Finish(void* statement)
{
    if (statement == m_prepared)
        SQLFreeStmt(statement, SQL_CLOSE);
    else
        SQLFreeHandle(SQL_HANDLE_STMT, statement);
}

void TQuery::ReadResult(void* statement)
{
    SQLSMALLINT columns = 0;
    if (!OdbcSucceeded(SQLNumResultCols(statement, &columns)))
        RaiseOdbcError(SQL_HANDLE_STMT, statement, "Cannot read the result");
    if (columns == 0)
        throw EDatabaseError("Error creating cursor handle");

    for (SQLSMALLINT column = 1; column <= columns; ++column) {
        SQLCHAR name[256] = {};
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT type = 0;
        SQLULEN size = 0;
        SQLSMALLINT digits = 0;
        SQLSMALLINT nullable = 0;
        if (!OdbcSucceeded(SQLDescribeCol(statement, static_cast<SQLUSMALLINT>(column), name, sizeof name,
                                          &nameLength, &type, &size, &digits, &nullable)))
            RaiseOdbcError(SQL_HANDLE_STMT, statement, "Cannot read the result");
        m_fields.push_back(std::make_unique<TField>(*this, column - 1, reinterpret_cast<const char*>(name),
                                                    KindOf(type)));
    }

    for (;;) {
        const SQLRETURN result = SQLFetch(statement);
        if (result == SQL_NO_DATA)
            break;
        if (!OdbcSucceeded(result))
            RaiseOdbcError(SQL_HANDLE_STMT, statement, "Cannot fetch a record");
        Record record;
        for (SQLSMALLINT column = 1; column <= columns; ++column)
            record.push_back(ReadColumn(statement, static_cast<SQLUSMALLINT>(column)));
        m_records.push_back(std::move(record));
    }
}

void TQuery::Open()
{
    if (m_active)
        return;
    void* statement = Execute();
    try {
        ReadResult(statement);
    } catch (...) {
        Finish(statement);
        m_fields.clear();
        m_records.clear();
        throw;
    }
    Finish(statement);
    m_active = true;
    First();
}

void TQuery::Close()
{
    m_active = false;
    m_fields.clear();
    m_records.clear();
    m_record = 0;
    m_eof = true;
}

void TQuery::ExecSQL()
{
    Finish(Execute());
}

void TQuery::CheckActive() const
{
    if (!m_active)
        throw EDatabaseError("Cannot perform this operation on a closed dataset");
}

void TQuery::First()
{
    CheckActive();
    m_record = 0;
    m_eof = m_records.empty();
}

void TQuery::Next()
{
    CheckActive();
    if (m_record + 1 < m_records.size())
        ++m_record;
    else
        m_eof = true;
}

TField& TQuery::FieldByName(const AnsiString& name)
{
    for (const auto& field : m_fields) {
        if (SameText(field->FieldName(), name))
            return *field;
    }
    throw EDatabaseError("Field '" + name + "' not found");
}

const AnsiString* TQuery::CurrentValue(int index) const
{
    if (m_record >= m_records.size())
        return nullptr;
    const auto& value = m_records[m_record][static_cast<size_t>(index)];
    return value ? &*value : nullptr;
}
