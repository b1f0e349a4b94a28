// What the logged-in user may do, enforced on every statement SQLite
// compiles for the session (its authorizer): the catalogue is read-only but
// for DBA, passwords read as NULL, other owners' tables change only with a
// recorded grant, and SQLite's own file-reaching features are closed.
#pragma once

#include <string>
#include <vector>

struct sqlite3;

namespace posdb {

struct User;

enum class TableRight { Insert, Update, Delete };

// One table right held by a user (directly or through PUBLIC).
struct TableGrant {
    std::string table;  // physical name, e.g. "corvane__rvc_def"
    TableRight right;
};

class Rights {
public:
    // Installs the checks on the connection; until set_user they allow
    // nothing but the engine's own work.
    explicit Rights(sqlite3* db);
    Rights(const Rights&) = delete;
    Rights& operator=(const Rights&) = delete;

    void set_user(const User& user);
    void set_grants(std::vector<TableGrant> grants) { grants_ = std::move(grants); }

    // Why the last refused statement was refused.
    const std::string& denial() const { return denial_; }

    // While one is open, the engine runs its own catalogue statements
    // unchecked.
    class EngineScope {
    public:
        explicit EngineScope(Rights& rights) : rights_(rights) { ++rights_.engine_depth_; }
        ~EngineScope() { --rights_.engine_depth_; }
        EngineScope(const EngineScope&) = delete;
        EngineScope& operator=(const EngineScope&) = delete;

    private:
        Rights& rights_;
    };

private:
    static int authorize(void* self, int action, const char* a, const char* b, const char* database,
                         const char* trigger);
    int check(int action, const char* a, const char* b, const char* database);
    int deny(std::string reason);
    bool owns(const std::string& table) const;
    bool may_create(const std::string& table) const;
    bool may_write(const std::string& table, TableRight right) const;

    std::string user_name_;
    bool dba_ = false;
    bool resource_ = false;
    bool logged_in_ = false;
    std::vector<TableGrant> grants_;
    int engine_depth_ = 0;
    std::string denial_;
};

}  // namespace posdb
