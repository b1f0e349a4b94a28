#include "script.h"

#include <unistd.h>

#include <algorithm>

#include "session.h"
#include "sql_commands.h"
#include "statement.h"

namespace posdb {

bool run_script(Session& session, std::string_view script, ScriptFailure& failure) {
    for (std::string_view text : split_statements(script)) {
        failure.line = 1 + static_cast<int>(std::count(script.data(), text.data(), '\n'));
        std::unique_ptr<Statement> st = Statement::prepare(session, text, failure.error);
        if (!st || !st->execute(failure.error)) return false;
        Statement::Fetch f;
        while ((f = st->fetch(failure.error)) == Statement::Fetch::Row) {
        }
        if (f == Statement::Fetch::Error) return false;
    }
    return true;
}

std::unique_ptr<Session> create_empty_database(const std::string& path, DbError& error) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) unlink((path + suffix).c_str());
    return Session::create(path, error);
}

bool create_database_from_script(const std::string& path, std::string_view script,
                                 ScriptFailure& failure) {
    std::unique_ptr<Session> session = create_empty_database(path, failure.error);
    if (!session) return false;
    return run_script(*session, script, failure);
}

}  // namespace posdb
