#include "handles.h"

#include <algorithm>

namespace posdb::odbc {

namespace {
template <class T>
T* checked(SQLHANDLE handle) {
    T* p = static_cast<T*>(handle);
    return p && p->tag == T::kTag ? p : nullptr;
}
}  // namespace

Env* as_env(SQLHANDLE handle) { return checked<Env>(handle); }
Dbc* as_dbc(SQLHANDLE handle) { return checked<Dbc>(handle); }
Stmt* as_stmt(SQLHANDLE handle) { return checked<Stmt>(handle); }

Handle* as_handle(SQLSMALLINT type, SQLHANDLE handle) {
    switch (type) {
        case SQL_HANDLE_ENV: return as_env(handle);
        case SQL_HANDLE_DBC: return as_dbc(handle);
        case SQL_HANDLE_STMT: return as_stmt(handle);
        default: return nullptr;
    }
}

void free_statement(Stmt* stmt) {
    std::vector<Stmt*>& list = stmt->dbc->statements;
    list.erase(std::remove(list.begin(), list.end(), stmt), list.end());
    delete stmt;
}

void Dbc::free_statements() {
    for (Stmt* s : statements) delete s;
    statements.clear();
}

void Dbc::close_cursors() {
    for (Stmt* s : statements) s->close_cursor();
}

}  // namespace posdb::odbc
