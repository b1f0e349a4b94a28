// SQLGetDiagRec and SQLGetDiagField.
#include <sql.h>
#include <sqlext.h>

#include <cstring>

#include "handles.h"
#include "text_out.h"

using namespace posdb::odbc;

namespace {

// SQLSTATE classes and subclasses that ODBC, not ISO SQL, defines.
bool odbc_defined_subclass(const std::string& state) {
    const std::string cls = state.substr(0, 2);
    if (cls == "IM" || cls == "HY") return true;
    return state.size() == 5 && (state[2] == 'S' || state == "08001" || state == "24000" ||
                                 state == "42000" || state == "07009");
}

}  // namespace

extern "C" {

SQLRETURN SQL_API SQLGetDiagRec(SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT RecNumber,
                                SQLCHAR* Sqlstate, SQLINTEGER* NativeError, SQLCHAR* MessageText,
                                SQLSMALLINT BufferLength, SQLSMALLINT* TextLength) {
    posdb::odbc::Handle* h = as_handle(HandleType, Handle);
    if (!h) return SQL_INVALID_HANDLE;
    if (RecNumber <= 0 || BufferLength < 0) return SQL_ERROR;
    const std::vector<DiagRecord>& records = h->diag.records();
    if (static_cast<size_t>(RecNumber) > records.size()) return SQL_NO_DATA;
    const DiagRecord& r = records[static_cast<size_t>(RecNumber - 1)];
    if (Sqlstate) {
        std::memcpy(Sqlstate, r.sqlstate.c_str(), 5);
        Sqlstate[5] = '\0';
    }
    if (NativeError) *NativeError = r.native;
    const bool fitted = copy_out(r.message, MessageText, BufferLength, TextLength);
    return fitted || !MessageText ? SQL_SUCCESS : SQL_SUCCESS_WITH_INFO;
}

SQLRETURN SQL_API SQLGetDiagField(SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT RecNumber,
                                  SQLSMALLINT DiagIdentifier, SQLPOINTER DiagInfo,
                                  SQLSMALLINT BufferLength, SQLSMALLINT* StringLength) {
    posdb::odbc::Handle* h = as_handle(HandleType, Handle);
    if (!h) return SQL_INVALID_HANDLE;
    const std::vector<DiagRecord>& records = h->diag.records();

    // Header fields.
    switch (DiagIdentifier) {
        case SQL_DIAG_NUMBER:
            if (DiagInfo) *static_cast<SQLINTEGER*>(DiagInfo) = static_cast<SQLINTEGER>(records.size());
            return SQL_SUCCESS;
        case SQL_DIAG_RETURNCODE:
            if (DiagInfo) *static_cast<SQLRETURN*>(DiagInfo) = h->diag.return_code();
            return SQL_SUCCESS;
        case SQL_DIAG_ROW_COUNT:
        case SQL_DIAG_CURSOR_ROW_COUNT: {
            Stmt* stmt = as_stmt(Handle);
            if (HandleType != SQL_HANDLE_STMT || !stmt) return SQL_ERROR;
            SQLLEN n = stmt->statement && stmt->executed ? stmt->statement->row_count() : 0;
            if (DiagIdentifier == SQL_DIAG_CURSOR_ROW_COUNT) n = -1;  // not known in advance
            if (DiagInfo) *static_cast<SQLLEN*>(DiagInfo) = n;
            return SQL_SUCCESS;
        }
        case SQL_DIAG_DYNAMIC_FUNCTION:
            if (HandleType != SQL_HANDLE_STMT) return SQL_ERROR;
            return copy_out(std::string(), DiagInfo, BufferLength, StringLength) || !DiagInfo
                       ? SQL_SUCCESS : SQL_SUCCESS_WITH_INFO;
        case SQL_DIAG_DYNAMIC_FUNCTION_CODE:
            if (HandleType != SQL_HANDLE_STMT) return SQL_ERROR;
            if (DiagInfo) *static_cast<SQLINTEGER*>(DiagInfo) = SQL_DIAG_UNKNOWN_STATEMENT;
            return SQL_SUCCESS;
        default:
            break;
    }

    // Record fields.
    if (RecNumber <= 0) return SQL_ERROR;
    if (static_cast<size_t>(RecNumber) > records.size()) return SQL_NO_DATA;
    const DiagRecord& r = records[static_cast<size_t>(RecNumber - 1)];
    std::string text;
    switch (DiagIdentifier) {
        case SQL_DIAG_SQLSTATE: text = r.sqlstate; break;
        case SQL_DIAG_MESSAGE_TEXT: text = r.message; break;
        case SQL_DIAG_CLASS_ORIGIN:
            text = r.sqlstate.compare(0, 2, "IM") == 0 ? "ODBC 3.0" : "ISO 9075";
            break;
        case SQL_DIAG_SUBCLASS_ORIGIN:
            text = odbc_defined_subclass(r.sqlstate) ? "ODBC 3.0" : "ISO 9075";
            break;
        case SQL_DIAG_CONNECTION_NAME: break;
        case SQL_DIAG_SERVER_NAME: {
            Dbc* dbc = HandleType == SQL_HANDLE_DBC ? as_dbc(Handle)
                       : HandleType == SQL_HANDLE_STMT ? as_stmt(Handle)->dbc : nullptr;
            if (dbc) text = dbc->dsn;
            break;
        }
        case SQL_DIAG_NATIVE:
            if (DiagInfo) *static_cast<SQLINTEGER*>(DiagInfo) = r.native;
            return SQL_SUCCESS;
        case SQL_DIAG_COLUMN_NUMBER:
            if (DiagInfo) *static_cast<SQLINTEGER*>(DiagInfo) = SQL_COLUMN_NUMBER_UNKNOWN;
            return SQL_SUCCESS;
        case SQL_DIAG_ROW_NUMBER:
            if (DiagInfo) *static_cast<SQLLEN*>(DiagInfo) = SQL_ROW_NUMBER_UNKNOWN;
            return SQL_SUCCESS;
        default:
            return SQL_ERROR;
    }
    return copy_out(text, DiagInfo, BufferLength, StringLength) || !DiagInfo
               ? SQL_SUCCESS : SQL_SUCCESS_WITH_INFO;
}

}  // extern "C"
