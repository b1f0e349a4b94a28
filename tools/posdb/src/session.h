// One connection to the POS database file, logged in as one user.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>

#include "catalogue.h"
#include "error.h"
#include "rights.h"

struct sqlite3;

namespace posdb {

class Session {
public:
    // Opens an existing database file and logs in.
    static std::unique_ptr<Session> connect(const std::string& path, const std::string& user,
                                            const std::string& password, DbError& error);
    // Creates a new database file with an empty catalogue; the session acts as DBA.
    static std::unique_ptr<Session> create(const std::string& path, DbError& error);

    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    sqlite3* db() const { return db_; }
    const User& user() const { return user_; }
    const std::string& path() const { return path_; }
    Catalogue& catalogue() { return catalogue_; }
    Rights& rights() { return rights_; }
    // Reads the user's table grants again, before a statement is compiled.
    bool refresh_rights(DbError& error);

    // The database file must still be the one that was opened; once it is
    // gone the session stays broken.
    bool check_alive(DbError& error);
    bool lost() const { return lost_; }

    // The error for a failed SQLite call on this session. Only a file that
    // is gone, replaced or damaged breaks the session.
    DbError sqlite_error(int result_code);
    DbError sqlite_error(int result_code, std::string_view message);
    // Catalogue calls report SQLite failures themselves; a failure of the
    // file breaks the session just the same.
    void note_failure(DbError& error);

    bool autocommit() const { return autocommit_; }
    void set_autocommit(bool on) { autocommit_ = on; }
    // In manual-commit mode a transaction starts with the first statement.
    // Any of them may write, so it takes the write lock at once, waiting for
    // it within the busy timeout: two transactions that read and then write
    // would otherwise deadlock on upgrading their read locks.
    bool begin_if_needed(DbError& error);
    bool end_transaction(bool commit, DbError& error);

private:
    Session(sqlite3* db, std::string path);
    bool remember_file(DbError& error);
    bool file_intact();

    sqlite3* db_;
    std::string path_;
    Rights rights_;
    Catalogue catalogue_;
    User user_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    bool lost_ = false;
    bool autocommit_ = true;
};

}  // namespace posdb
