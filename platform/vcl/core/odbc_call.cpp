#include "odbc_call.h"

#include "exceptions.h"

void RaiseOdbcError(SQLSMALLINT handleType, SQLHANDLE handle, const char* fallback)
{
    SQLCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN result =
        handle ? SQLGetDiagRec(handleType, handle, 1, state, &native, message, sizeof message, &length)
               : SQL_INVALID_HANDLE;
    if (!OdbcSucceeded(result))
        throw EDBEngineError(fallback, "", 0);
    throw EDBEngineError(reinterpret_cast<const char*>(message), reinterpret_cast<const char*>(state), native);
}
