#include "session.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "password.h"
#include "sqlite_errors.h"
#include "string_function.h"

namespace posdb {

namespace {

constexpr int kBusyTimeoutMs = 5000;
// The longest text or binary value. A statement can stop only between
// SQLite's steps, and building one value is a single step: this bounds how
// long one can take (printf('%.*c', 1000000000, 'x') would run for minutes).
constexpr int kMaxValueBytes = 64 * 1024 * 1024;

sqlite3* open_file(const std::string& path, int flags, DbError& error) {
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        error = errors::cannot_start_database(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, kMaxValueBytes);
    sqlite3_exec(db, "PRAGMA foreign_keys = ON", nullptr, nullptr, nullptr);
    // No statement may rewrite the schema behind SQLite's back or load code.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, nullptr);
    if (!register_string_function(db) || !register_password_function(db)) {
        error = errors::cannot_start_database("cannot register the engine's functions");
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

bool is_regular_file(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

Session::Session(sqlite3* db, std::string path)
    : db_(db), path_(std::move(path)), rights_(db), catalogue_(db, rights_) {}

Session::~Session() { sqlite3_close_v2(db_); }

bool Session::remember_file(DbError& error) {
    struct stat st {};
    if (stat(path_.c_str(), &st) != 0) {
        error = errors::database_not_found(path_);
        return false;
    }
    device_ = st.st_dev;
    inode_ = st.st_ino;
    return true;
}

std::unique_ptr<Session> Session::connect(const std::string& path, const std::string& user,
                                          const std::string& password, DbError& error) {
    // Without this check SQLite would happily open a directory or nothing.
    if (!is_regular_file(path)) {
        error = errors::database_not_found(path);
        return nullptr;
    }
    sqlite3* db = open_file(path, SQLITE_OPEN_READWRITE, error);
    if (!db) return nullptr;
    std::unique_ptr<Session> session(new Session(db, path));
    if (!session->remember_file(error)) return nullptr;
    if (!session->catalogue_.authenticate(user, password, session->user_, error)) {
        if (error.sqlstate != "28000")
            error = errors::cannot_start_database("not a POS database: " + error.message);
        return nullptr;
    }
    session->rights_.set_user(session->user_);
    return session;
}

std::unique_ptr<Session> Session::create(const std::string& path, DbError& error) {
    sqlite3* db = open_file(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
    if (!db) return nullptr;
    std::unique_ptr<Session> session(new Session(db, path));
    if (!session->catalogue_.install(error) || !session->remember_file(error)) return nullptr;
    bool found = false;
    if (!session->catalogue_.find_user("DBA", session->user_, found, error)) return nullptr;
    session->rights_.set_user(session->user_);
    return session;
}

bool Session::file_intact() {
    struct stat st {};
    if (stat(path_.c_str(), &st) != 0 || st.st_dev != device_ || st.st_ino != inode_) return false;
    int fd = open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    close(fd);
    return true;
}

bool Session::check_alive(DbError& error) {
    if (!lost_ && !file_intact()) lost_ = true;
    if (lost_) error = errors::connection_lost(path_);
    return !lost_;
}

bool Session::refresh_rights(DbError& error) {
    std::vector<TableGrant> grants;
    if (!catalogue_.table_grants(user_, grants, error)) {
        note_failure(error);
        return false;
    }
    rights_.set_grants(std::move(grants));
    return true;
}

DbError Session::sqlite_error(int result_code) { return sqlite_error(result_code, sqlite3_errmsg(db_)); }

DbError Session::sqlite_error(int result_code, std::string_view message) {
    const int primary = result_code & 0xff;
    // Refusals show as SQLITE_AUTH, or for functions as an error naming it.
    if (primary == SQLITE_AUTH || message.rfind("not authorized", 0) == 0)
        return errors::permission_denied(rights_.denial());
    // A damaged file is as good as gone; other I/O failures (a temporary
    // file, say) end the statement, not the session, while the file is there.
    if (primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT || (is_file_failure(result_code) && !file_intact())) {
        lost_ = true;
        return errors::connection_lost(path_);
    }
    DbError error = map_sqlite_error(result_code, message);
    if (error.sqlstate == "08S01") error = errors::runtime(message);
    return error;
}

void Session::note_failure(DbError& error) {
    // Asked of the catalogue, not of the connection: the catalogue's rollback
    // has cleared the connection's record ("not an error").
    if (error.sqlstate == "08S01") error = sqlite_error(catalogue_.failed_code(), catalogue_.failed_message());
}

bool Session::begin_if_needed(DbError& error) {
    if (autocommit_ || !sqlite3_get_autocommit(db_)) return true;
    int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        error = sqlite_error(rc);
        return false;
    }
    return true;
}

bool Session::end_transaction(bool commit, DbError& error) {
    if (sqlite3_get_autocommit(db_)) return true;  // nothing open
    int rc = sqlite3_exec(db_, commit ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        error = sqlite_error(rc);
        return false;
    }
    return true;
}

}  // namespace posdb
