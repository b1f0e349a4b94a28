// Allocation and release of handles, and environment attributes.
#include <sql.h>
#include <sqlext.h>

#include <algorithm>

#include "handles.h"

using namespace posdb::odbc;

namespace {

SQLRETURN alloc_handle(SQLSMALLINT type, SQLHANDLE input, SQLHANDLE* output) {
    if (!output) return SQL_ERROR;
    *output = SQL_NULL_HANDLE;
    switch (type) {
        case SQL_HANDLE_ENV:
            *output = new Env();
            return SQL_SUCCESS;
        case SQL_HANDLE_DBC: {
            Env* env = as_env(input);
            if (!env) return SQL_INVALID_HANDLE;
            env->diag.clear();
            Dbc* dbc = new Dbc(env);
            env->connections.push_back(dbc);
            *output = dbc;
            return SQL_SUCCESS;
        }
        case SQL_HANDLE_STMT: {
            Dbc* dbc = as_dbc(input);
            if (!dbc) return SQL_INVALID_HANDLE;
            dbc->diag.clear();
            if (!dbc->session) return dbc->diag.done(dbc->diag.error("08003"));
            Stmt* stmt = new Stmt(dbc);
            dbc->statements.push_back(stmt);
            *output = stmt;
            return SQL_SUCCESS;
        }
        case SQL_HANDLE_DESC: {
            Dbc* dbc = as_dbc(input);
            if (!dbc) return SQL_INVALID_HANDLE;
            dbc->diag.clear();
            return dbc->diag.done(dbc->diag.error("HYC00"));
        }
        default:
            return SQL_ERROR;
    }
}

SQLRETURN free_handle(SQLSMALLINT type, SQLHANDLE handle) {
    switch (type) {
        case SQL_HANDLE_ENV: {
            Env* env = as_env(handle);
            if (!env) return SQL_INVALID_HANDLE;
            if (!env->connections.empty()) return env->diag.done(env->diag.error("HY010"));
            delete env;
            return SQL_SUCCESS;
        }
        case SQL_HANDLE_DBC: {
            Dbc* dbc = as_dbc(handle);
            if (!dbc) return SQL_INVALID_HANDLE;
            if (dbc->session) return dbc->diag.done(dbc->diag.error("HY010"));
            std::vector<Dbc*>& list = dbc->env->connections;
            list.erase(std::remove(list.begin(), list.end(), dbc), list.end());
            dbc->free_statements();
            delete dbc;
            return SQL_SUCCESS;
        }
        case SQL_HANDLE_STMT: {
            Stmt* stmt = as_stmt(handle);
            if (!stmt) return SQL_INVALID_HANDLE;
            free_statement(stmt);
            return SQL_SUCCESS;
        }
        default:
            return SQL_INVALID_HANDLE;
    }
}

}  // namespace

extern "C" {

SQLRETURN SQL_API SQLAllocHandle(SQLSMALLINT HandleType, SQLHANDLE InputHandle,
                                 SQLHANDLE* OutputHandle) {
    return alloc_handle(HandleType, InputHandle, OutputHandle);
}

SQLRETURN SQL_API SQLFreeHandle(SQLSMALLINT HandleType, SQLHANDLE Handle) {
    return free_handle(HandleType, Handle);
}

SQLRETURN SQL_API SQLSetEnvAttr(SQLHENV EnvironmentHandle, SQLINTEGER Attribute, SQLPOINTER Value,
                                SQLINTEGER /*StringLength*/) {
    Env* env = as_env(EnvironmentHandle);
    if (!env) return SQL_INVALID_HANDLE;
    env->diag.clear();
    const SQLINTEGER v = static_cast<SQLINTEGER>(reinterpret_cast<SQLLEN>(Value));
    switch (Attribute) {
        case SQL_ATTR_ODBC_VERSION:
            if (v != SQL_OV_ODBC2 && v != SQL_OV_ODBC3 && v != SQL_OV_ODBC3_80)
                return env->diag.done(env->diag.error("HY024"));
            env->odbc_version = v;
            return SQL_SUCCESS;
        case SQL_ATTR_OUTPUT_NTS:
            if (v != SQL_TRUE) return env->diag.done(env->diag.error("HYC00"));
            return SQL_SUCCESS;
        case SQL_ATTR_CONNECTION_POOLING:
        case SQL_ATTR_CP_MATCH:
            return SQL_SUCCESS;  // pooling is the driver manager's business
        default:
            return env->diag.done(env->diag.error("HY092"));
    }
}

SQLRETURN SQL_API SQLGetEnvAttr(SQLHENV EnvironmentHandle, SQLINTEGER Attribute, SQLPOINTER Value,
                                SQLINTEGER /*BufferLength*/, SQLINTEGER* StringLength) {
    Env* env = as_env(EnvironmentHandle);
    if (!env) return SQL_INVALID_HANDLE;
    env->diag.clear();
    SQLINTEGER v = 0;
    switch (Attribute) {
        case SQL_ATTR_ODBC_VERSION: v = env->odbc_version; break;
        case SQL_ATTR_OUTPUT_NTS: v = SQL_TRUE; break;
        case SQL_ATTR_CONNECTION_POOLING: v = static_cast<SQLINTEGER>(SQL_CP_OFF); break;
        case SQL_ATTR_CP_MATCH: v = static_cast<SQLINTEGER>(SQL_CP_STRICT_MATCH); break;
        default: return env->diag.done(env->diag.error("HY092"));
    }
    if (Value) *static_cast<SQLINTEGER*>(Value) = v;
    if (StringLength) *StringLength = sizeof v;
    return SQL_SUCCESS;
}

}  // extern "C"
