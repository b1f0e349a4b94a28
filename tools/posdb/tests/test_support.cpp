#include "test_support.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "script.h"
#include "statement.h"

namespace posdb::test {

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/posdb-test-XXXXXX";
    if (!mkdtemp(pattern.data())) ADD_FAILURE() << "mkdtemp failed for " << pattern;
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot read " << path;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void write_file(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    EXPECT_TRUE(out) << "cannot write " << path;
}

void make_demo_database(const std::string& path) {
    ScriptFailure failure;
    ASSERT_TRUE(create_database_from_script(path, read_file(POSDB_DEMO_SQL), failure))
        << "demo.sql line " << failure.line << ": " << failure.error.message;
}

std::unique_ptr<Session> login(const std::string& path, const std::string& user,
                               const std::string& password) {
    DbError error;
    std::unique_ptr<Session> session = Session::connect(path, user, password, error);
    EXPECT_TRUE(session) << user << ": " << error.message;
    return session;
}

Rows query(Session& session, std::string_view sql) {
    Rows rows;
    DbError error;
    std::unique_ptr<Statement> st = Statement::prepare(session, sql, error);
    if (!st || !st->execute(error)) {
        ADD_FAILURE() << sql << ": " << error.message;
        return rows;
    }
    Statement::Fetch f;
    while ((f = st->fetch(error)) == Statement::Fetch::Row) {
        std::vector<std::string> row;
        for (int i = 0; i < st->column_count(); ++i) {
            const Cell c = st->cell(i);
            row.push_back(c.type == Cell::Type::Null ? "<null>" : cell_text(c));
        }
        rows.push_back(row);
    }
    if (f == Statement::Fetch::Error) ADD_FAILURE() << sql << ": " << error.message;
    return rows;
}

DbError failure(Session& session, std::string_view sql) {
    DbError error;
    std::unique_ptr<Statement> st = Statement::prepare(session, sql, error);
    if (st && st->execute(error)) {
        while (st->fetch(error) == Statement::Fetch::Row) {
        }
    }
    if (error.sqlstate.empty()) ADD_FAILURE() << sql << ": succeeded";
    return error;
}

std::string prorate_procedure(const std::string& line_break) {
    static const char* const kLines[] = {
        ("create procedure tarvel.sp_PvoFo_DoProrate(in fSales_TTL real,in fTender_TTL real,"
         "in fItemizer_in_TTL real,out fItemizer_out_TTL real,inout error integer)"),
        "begin",
        "   if(fSales_TTL = 0.0) then",
        "    select fItemizer_in_TTL into fItemizer_out_TTL",
        "  else",
        "    select fItemizer_in_TTL*(fTender_TTL/fSales_TTL) into fItemizer_out_TTL",
        "  end if;",
        "  if sqlcode <> 0 then",
        "    set error=sqlcode;",
        "    rollback work",
        "  else",
        "    set error=0",
        "  end if",
        "end",
    };
    std::string text;
    for (const char* line : kLines) {
        if (!text.empty()) text += line_break;
        text += line;
    }
    return text;
}

}  // namespace posdb::test
