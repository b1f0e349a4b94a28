// A prepared SQLite statement that finalizes itself, for the engine's own
// catalogue queries.
#pragma once

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace posdb {

class SqliteQuery {
public:
    SqliteQuery(sqlite3* db, std::string_view sql) : db_(db) {
        rc_ = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    }
    ~SqliteQuery() { sqlite3_finalize(stmt_); }
    SqliteQuery(const SqliteQuery&) = delete;
    SqliteQuery& operator=(const SqliteQuery&) = delete;

    bool ok() const { return rc_ == SQLITE_OK || rc_ == SQLITE_ROW || rc_ == SQLITE_DONE; }
    int result() const { return rc_; }
    const char* message() const { return sqlite3_errmsg(db_); }

    SqliteQuery& bind(int index, std::string_view text) {
        if (ok()) rc_ = sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                                          SQLITE_TRANSIENT);
        return *this;
    }
    SqliteQuery& bind(int index, long long value) {
        if (ok()) rc_ = sqlite3_bind_int64(stmt_, index, value);
        return *this;
    }

    // Steps once; true when a row is available. Errors leave ok() false.
    bool step() {
        if (!ok()) return false;
        rc_ = sqlite3_step(stmt_);
        return rc_ == SQLITE_ROW;
    }
    long long integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    bool is_null(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
    std::string text(int column) const {
        const unsigned char* t = sqlite3_column_text(stmt_, column);
        return t ? std::string(reinterpret_cast<const char*>(t),
                               static_cast<size_t>(sqlite3_column_bytes(stmt_, column)))
                 : std::string();
    }

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
    int rc_;
};

}  // namespace posdb
