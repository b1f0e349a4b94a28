// Connecting, disconnecting, connection attributes and transactions.
#include <sql.h>
#include <sqlext.h>

#include "connection_string.h"
#include "handles.h"
#include "text_out.h"

using namespace posdb::odbc;
using posdb::DbError;
using posdb::Session;

namespace {

// Opens the session for a data source; user and password come from the
// arguments or, when absent there, from the data source's settings.
SQLRETURN open_session(Dbc* dbc, const std::string& dsn, std::string database, std::string user,
                       std::string password) {
    if (dbc->session) return dbc->diag.error("08002");
    if (database.empty()) database = dsn_setting(dsn, kDatabaseKeys);
    if (user.empty()) user = dsn_setting(dsn, kUserKeys);
    if (password.empty()) password = dsn_setting(dsn, kPasswordKeys);
    DbError error;
    if (database.empty()) return dbc->diag.error(posdb::errors::no_database_file(dsn));
    dbc->session = Session::connect(database, user, password, error);
    if (!dbc->session) return dbc->diag.error(error);
    dbc->dsn = dsn;
    return SQL_SUCCESS;
}

}  // namespace

extern "C" {

SQLRETURN SQL_API SQLConnect(SQLHDBC ConnectionHandle, SQLCHAR* ServerName, SQLSMALLINT NameLength1,
                             SQLCHAR* UserName, SQLSMALLINT NameLength2, SQLCHAR* Authentication,
                             SQLSMALLINT NameLength3) {
    Dbc* dbc = as_dbc(ConnectionHandle);
    if (!dbc) return SQL_INVALID_HANDLE;
    dbc->diag.clear();
    return dbc->diag.done(open_session(dbc, text_in(ServerName, NameLength1), std::string(),
                                       text_in(UserName, NameLength2),
                                       text_in(Authentication, NameLength3)));
}

SQLRETURN SQL_API SQLDriverConnect(SQLHDBC ConnectionHandle, SQLHWND /*WindowHandle*/,
                                   SQLCHAR* InConnectionString, SQLSMALLINT StringLength1,
                                   SQLCHAR* OutConnectionString, SQLSMALLINT BufferLength,
                                   SQLSMALLINT* StringLength2Ptr, SQLUSMALLINT DriverCompletion) {
    Dbc* dbc = as_dbc(ConnectionHandle);
    if (!dbc) return SQL_INVALID_HANDLE;
    dbc->diag.clear();
    switch (DriverCompletion) {
        case SQL_DRIVER_NOPROMPT:
        case SQL_DRIVER_COMPLETE:
        case SQL_DRIVER_PROMPT:
        case SQL_DRIVER_COMPLETE_REQUIRED:
            break;  // there is no dialog: every kind connects with what it is given
        default:
            return dbc->diag.done(dbc->diag.error("HY110"));
    }
    ConnectionAttributes attrs =
        ConnectionAttributes::parse(text_in(InConnectionString, StringLength1));
    const std::string dsn = attrs.get({"DSN"});
    SQLRETURN rc = open_session(dbc, dsn, attrs.get(kDatabaseKeys), attrs.get(kUserKeys),
                                attrs.get(kPasswordKeys));
    if (rc != SQL_SUCCESS) return dbc->diag.done(rc);
    if (attrs.get(kDatabaseKeys).empty()) attrs.set("DATABASE", dbc->session->path());
    if (attrs.get(kUserKeys).empty()) attrs.set("UID", dbc->session->user().name);
    if (!copy_out(attrs.to_string(), OutConnectionString, BufferLength, StringLength2Ptr) &&
        OutConnectionString)
        rc = dbc->diag.warning("01004");
    return dbc->diag.done(rc);
}

SQLRETURN SQL_API SQLDisconnect(SQLHDBC ConnectionHandle) {
    Dbc* dbc = as_dbc(ConnectionHandle);
    if (!dbc) return SQL_INVALID_HANDLE;
    dbc->diag.clear();
    if (!dbc->session) return dbc->diag.done(dbc->diag.error("08003"));
    dbc->free_statements();
    dbc->session.reset();  // an open manual-commit transaction is rolled back by closing
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLSetConnectAttr(SQLHDBC ConnectionHandle, SQLINTEGER Attribute,
                                    SQLPOINTER Value, SQLINTEGER /*StringLength*/) {
    Dbc* dbc = as_dbc(ConnectionHandle);
    if (!dbc) return SQL_INVALID_HANDLE;
    dbc->diag.clear();
    const SQLUINTEGER v = static_cast<SQLUINTEGER>(reinterpret_cast<SQLULEN>(Value));
    switch (Attribute) {
        case SQL_ATTR_AUTOCOMMIT: {
            if (v != SQL_AUTOCOMMIT_ON && v != SQL_AUTOCOMMIT_OFF)
                return dbc->diag.done(dbc->diag.error("HY024"));
            if (!dbc->session) return dbc->diag.done(dbc->diag.error("08003"));
            // Switching autocommit on commits what is open.
            DbError error;
            if (v == SQL_AUTOCOMMIT_ON && !dbc->session->end_transaction(true, error))
                return dbc->diag.done(dbc->diag.error(error));
            dbc->session->set_autocommit(v == SQL_AUTOCOMMIT_ON);
            return SQL_SUCCESS;
        }
        case SQL_ATTR_LOGIN_TIMEOUT: dbc->login_timeout = v; return SQL_SUCCESS;
        case SQL_ATTR_CONNECTION_TIMEOUT: dbc->connection_timeout = v; return SQL_SUCCESS;
        case SQL_ATTR_ACCESS_MODE: dbc->access_mode = v; return SQL_SUCCESS;
        case SQL_ATTR_TXN_ISOLATION:
            if (v != SQL_TXN_SERIALIZABLE) return dbc->diag.done(dbc->diag.warning("01S02"));
            return SQL_SUCCESS;
        case SQL_ATTR_ANSI_APP:     // every application is served the same way
        case SQL_ATTR_QUIET_MODE:   // no dialogs are ever shown
        case SQL_ATTR_PACKET_SIZE:  // no network
            return SQL_SUCCESS;
        default:
            return dbc->diag.done(dbc->diag.error("HY092"));
    }
}

SQLRETURN SQL_API SQLGetConnectAttr(SQLHDBC ConnectionHandle, SQLINTEGER Attribute,
                                    SQLPOINTER Value, SQLINTEGER BufferLength,
                                    SQLINTEGER* StringLength) {
    Dbc* dbc = as_dbc(ConnectionHandle);
    if (!dbc) return SQL_INVALID_HANDLE;
    dbc->diag.clear();
    SQLUINTEGER v = 0;
    switch (Attribute) {
        case SQL_ATTR_AUTOCOMMIT:
            v = !dbc->session || dbc->session->autocommit() ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
            break;
        case SQL_ATTR_LOGIN_TIMEOUT: v = dbc->login_timeout; break;
        case SQL_ATTR_CONNECTION_TIMEOUT: v = dbc->connection_timeout; break;
        case SQL_ATTR_ACCESS_MODE: v = dbc->access_mode; break;
        case SQL_ATTR_TXN_ISOLATION: v = dbc->txn_isolation; break;
        case SQL_ATTR_CONNECTION_DEAD: {
            DbError ignored;
            v = dbc->session && dbc->session->check_alive(ignored) ? SQL_CD_FALSE : SQL_CD_TRUE;
            break;
        }
        case SQL_ATTR_CURRENT_CATALOG: {
            if (!dbc->session) return dbc->diag.done(dbc->diag.error("08003"));
            if (!copy_out(dbc->session->path(), Value, BufferLength, StringLength))
                return dbc->diag.done(dbc->diag.warning("01004"));
            return SQL_SUCCESS;
        }
        default:
            return dbc->diag.done(dbc->diag.error("HY092"));
    }
    if (Value) *static_cast<SQLUINTEGER*>(Value) = v;
    if (StringLength) *StringLength = sizeof v;
    return SQL_SUCCESS;
}

SQLRETURN SQL_API SQLEndTran(SQLSMALLINT HandleType, SQLHANDLE Handle, SQLSMALLINT CompletionType) {
    if (CompletionType != SQL_COMMIT && CompletionType != SQL_ROLLBACK) {
        posdb::odbc::Handle* h = as_handle(HandleType, Handle);
        if (!h) return SQL_INVALID_HANDLE;
        h->diag.clear();
        return h->diag.done(h->diag.error("HY012"));
    }
    std::vector<Dbc*> targets;
    if (HandleType == SQL_HANDLE_ENV) {
        Env* env = as_env(Handle);
        if (!env) return SQL_INVALID_HANDLE;
        env->diag.clear();
        targets = env->connections;
    } else if (HandleType == SQL_HANDLE_DBC) {
        Dbc* dbc = as_dbc(Handle);
        if (!dbc) return SQL_INVALID_HANDLE;
        targets.push_back(dbc);
    } else {
        return SQL_INVALID_HANDLE;
    }
    SQLRETURN rc = SQL_SUCCESS;
    for (Dbc* dbc : targets) {
        dbc->diag.clear();
        if (!dbc->session) continue;
        // Cursors close at the end of a transaction (SQL_CB_CLOSE).
        dbc->close_cursors();
        DbError error;
        if (!dbc->session->end_transaction(CompletionType == SQL_COMMIT, error))
            rc = dbc->diag.done(dbc->diag.error(error));
    }
    return rc;
}

}  // extern "C"
