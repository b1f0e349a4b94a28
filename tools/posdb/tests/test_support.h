// Shared helpers of the posdb tests: scratch folders and demo databases.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "session.h"

namespace posdb::test {

// A fresh folder under TMPDIR (or /tmp), removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& text);

// Builds the demo database from demo.sql at path; fails the test on error.
void make_demo_database(const std::string& path);

// Logs in to a database file; fails the test on error.
std::unique_ptr<Session> login(const std::string& path, const std::string& user,
                               const std::string& password);

using Rows = std::vector<std::vector<std::string>>;

// Runs a statement through the engine and returns its rows as text, NULL as
// "<null>"; fails the test on error.
Rows query(Session& session, std::string_view sql);

// Runs a statement that must fail and returns the error.
DbError failure(Session& session, std::string_view sql);

// The fourteen lines of the prorating procedure as the setup program sends
// them, joined by the given line break.
std::string prorate_procedure(const std::string& line_break = "\r\n");

}  // namespace posdb::test
