// Helpers for calling ODBC from the data-access classes: text arguments,
// success tests and turning a failed call into the layer's database error.
#pragma once

#include <windows.h>

#include <sql.h>
#include <sqlext.h>

#include "ansi_string.h"

// Raises EDBEngineError with the first diagnostic record of the handle; when
// the handle holds none, the message is fallback.
[[noreturn]] void RaiseOdbcError(SQLSMALLINT handleType, SQLHANDLE handle, const char* fallback);

// ODBC takes its text arguments as non-const unsigned characters.
inline SQLCHAR* OdbcText(const AnsiString& text)
{
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text.c_str()));
}

inline bool OdbcSucceeded(SQLRETURN result)
{
    return result == SQL_SUCCESS || result == SQL_SUCCESS_WITH_INFO;
}
