// Recognising and parsing CREATE PROCEDURE and GRANT, and splitting scripts.
#include <gtest/gtest.h>

#include "sql_commands.h"
#include "test_support.h"

namespace posdb {
namespace {

TEST(Classify, RecognisesTheEngineCommands) {
    EXPECT_EQ(classify(test::prorate_procedure()), CommandKind::CreateProcedure);
    EXPECT_EQ(classify("  -- comment\n CREATE PROCEDURE p() begin end"), CommandKind::CreateProcedure);
    EXPECT_EQ(classify("grant EXECUTE on tarvel.sp_PvoFo_DoProrate TO PUBLIC"), CommandKind::Grant);
    EXPECT_EQ(classify("create table procedure_log(x integer)"), CommandKind::Sql);
    EXPECT_EQ(classify("select 'grant' from corvane.rvc_def"), CommandKind::Sql);
    EXPECT_EQ(classify("grant insert, delete on corvane.rvc_def to clerk"), CommandKind::GrantTable);
}

TEST(Classify, SqlitesOwnCommandsAlsoBehindExplain) {
    for (const char* sql : {"ATTACH 'x.db' AS x", "detach x", "vacuum into 'y.db'", "pragma writable_schema = 1",
                            "explain vacuum", "EXPLAIN QUERY PLAN attach 'x.db' as x", "/* c */ Pragma x"})
        EXPECT_EQ(classify(sql), CommandKind::SqliteOnly) << sql;
    EXPECT_EQ(command_keyword("explain query plan Vacuum into 'y.db'"), "Vacuum");
    for (const char* sql : {"select 'attach'", "select pragma from t", "explain select 1", "explain"})
        EXPECT_EQ(classify(sql), CommandKind::Sql) << sql;
}

TEST(CreateProcedure, ParsesTheProratingProcedure) {
    for (const char* line_break : {"\r\n", "\n"}) {
        CreateProcedure p;
        DbError error;
        ASSERT_TRUE(parse_create_procedure(test::prorate_procedure(line_break), p, error)) << error.message;
        EXPECT_EQ(p.procedure.owner, "tarvel");
        EXPECT_EQ(p.procedure.name, "sp_PvoFo_DoProrate");
        ASSERT_EQ(p.parameters.size(), 5u);
        EXPECT_EQ(p.parameters[0].mode, "IN");
        EXPECT_EQ(p.parameters[0].name, "fSales_TTL");
        EXPECT_EQ(p.parameters[0].type, "real");
        EXPECT_EQ(p.parameters[3].mode, "OUT");
        EXPECT_EQ(p.parameters[3].name, "fItemizer_out_TTL");
        EXPECT_EQ(p.parameters[4].mode, "INOUT");
        EXPECT_EQ(p.parameters[4].name, "error");
        EXPECT_EQ(p.parameters[4].type, "integer");
    }
}

TEST(CreateProcedure, AcceptsOtherWellFormedShapes) {
    CreateProcedure p;
    DbError error;
    ASSERT_TRUE(parse_create_procedure(
        "create procedure sp_x(amount numeric(10,2), out n int) begin select 1; end;\r\n", p, error))
        << error.message;
    EXPECT_EQ(p.procedure.owner, "");
    ASSERT_EQ(p.parameters.size(), 2u);
    EXPECT_EQ(p.parameters[0].mode, "IN");
    EXPECT_EQ(p.parameters[0].type, "numeric(10,2)");
    ASSERT_TRUE(parse_create_procedure("create procedure \"corvane\".sp_y() begin end", p, error));
    EXPECT_EQ(p.procedure.owner, "corvane");
    EXPECT_TRUE(p.parameters.empty());
}

TEST(CreateProcedure, MalformedStatementsAreSyntaxErrors) {
    const char* const bad[] = {
        "create procedure tarvel.p(in a real) select 1",          // no BEGIN
        "create procedure tarvel.p(in a real) begin select 1",    // no END
        "create procedure tarvel.p(in a real begin end",          // parameters never close
        "create procedure tarvel.p(in real) begin end",           // parameter without type
        "create procedure tarvel.p(a int,) begin end",            // empty parameter
        "create procedure (a int) begin end",                     // no name
        "create procedure p() begin select 'open end",            // unterminated string
    };
    for (const char* sql : bad) {
        CreateProcedure p;
        DbError error;
        EXPECT_FALSE(parse_create_procedure(sql, p, error)) << sql;
        EXPECT_EQ(error.sqlstate, "42000") << sql;
        EXPECT_EQ(error.native, -131) << sql;
        EXPECT_EQ(error.message.rfind("Syntax error near '", 0), 0u) << error.message;
    }
}

TEST(Grant, ParsesExecuteGrants) {
    GrantExecute g;
    DbError error;
    ASSERT_TRUE(parse_grant("grant EXECUTE on tarvel.sp_PvoFo_DoProrate TO PUBLIC", g, error));
    EXPECT_EQ(g.procedure.owner, "tarvel");
    EXPECT_EQ(g.procedure.name, "sp_PvoFo_DoProrate");
    EXPECT_EQ(g.grantees, std::vector<std::string>{"PUBLIC"});
    ASSERT_TRUE(parse_grant("GRANT execute ON sp_x TO clerk, \"tarvel\";", g, error));
    EXPECT_EQ(g.procedure.owner, "");
    EXPECT_EQ(g.grantees, (std::vector<std::string>{"clerk", "tarvel"}));
}

TEST(Grant, OtherPrivilegesAreNotImplemented) {
    GrantExecute g;
    DbError error;
    EXPECT_FALSE(parse_grant("grant select on corvane.rvc_def to PUBLIC", g, error));
    EXPECT_EQ(error.sqlstate, "0A000");
    EXPECT_EQ(error.message, "Feature 'GRANT select' not implemented");
}

TEST(Grant, MalformedGrantsAreSyntaxErrors) {
    for (const char* sql : {"grant execute tarvel.p to PUBLIC", "grant execute on tarvel.p PUBLIC",
                            "grant execute on tarvel.p to", "grant execute on tarvel.p to a b"}) {
        GrantExecute g;
        DbError error;
        EXPECT_FALSE(parse_grant(sql, g, error)) << sql;
        EXPECT_EQ(error.sqlstate, "42000") << sql;
    }
}

TEST(SplitStatements, SemicolonsInsideStringsAndBlocksDoNotSplit) {
    const std::string script =
        "insert into t values ('a;b');\n"
        "-- a comment; with a semicolon\n"
        "create procedure p() begin\n  if 1 = 1 then select 1; end if;\n  select 2;\nend;\n"
        "select case when 1 = 1 then 'x' end from t;;\n"
        "select 3";
    const auto parts = split_statements(script);
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0], "insert into t values ('a;b')");
    EXPECT_EQ(parts[1].substr(0, 22), "create procedure p() b");
    EXPECT_EQ(parts[1].substr(parts[1].size() - 3), "end");
    EXPECT_EQ(parts[2], "select case when 1 = 1 then 'x' end from t");
    EXPECT_EQ(parts[3], "select 3");
}

}  // namespace
}  // namespace posdb
