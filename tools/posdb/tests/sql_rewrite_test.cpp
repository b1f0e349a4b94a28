// Tokenising and the rewriting of owner-qualified names.
#include <gtest/gtest.h>

#include "sql_lexer.h"
#include "sql_rewrite.h"

namespace posdb {
namespace {

bool demo_owner(std::string_view name) {
    return equals_ignore_case(name, "corvane") || equals_ignore_case(name, "SYS") ||
           equals_ignore_case(name, "tarvel");
}

std::string rewrite(std::string_view sql) { return rewrite_owner_names(sql, demo_owner); }

TEST(Lexer, StringsQuotedNamesAndCommentsAreSingleUnits) {
    const auto tokens = tokenize("select 'it''s; here' , \"a \"\"b\"\"\" -- x.y\n/* c.d */ [e f]");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[1].kind, TokenKind::String);
    EXPECT_EQ(tokens[1].text, "'it''s; here'");
    EXPECT_EQ(tokens[3].kind, TokenKind::QuotedIdentifier);
    EXPECT_EQ(identifier_value(tokens[3]), "a \"b\"");
    EXPECT_EQ(identifier_value(tokens[4]), "e f");
}

TEST(Lexer, UnterminatedTextIsMarked) {
    const auto tokens = tokenize("select 'open");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[1].kind, TokenKind::Unterminated);
    EXPECT_EQ(tokenize("x /* never closed").back().kind, TokenKind::Unterminated);
}

TEST(Lexer, NumbersAndOperators) {
    const auto tokens = tokenize("a<>1.5e3 and b>=.25");
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_TRUE(tokens[1].is_symbol("<>"));
    EXPECT_EQ(tokens[2].kind, TokenKind::Number);
    EXPECT_EQ(tokens[2].text, "1.5e3");
    EXPECT_TRUE(tokens[5].is_symbol(">="));
    EXPECT_EQ(tokens[6].text, ".25");
}

TEST(OwnerRewrite, QualifiedTablesBecomePhysicalNames) {
    EXPECT_EQ(rewrite("SELECT CORVANE_VERSION_NUM FROM corvane.Rest_Status"),
              "SELECT CORVANE_VERSION_NUM FROM corvane__Rest_Status");
    EXPECT_EQ(rewrite("select * from SYS.SYSPROCEDURE where proc_name = 'sp_PvoFo_DoProrate'"),
              "select * from SYS__SYSPROCEDURE where proc_name = 'sp_PvoFo_DoProrate'");
    // Owners match without regard to case; the spelling is kept.
    EXPECT_EQ(rewrite("select 1 from CORVANE.rvc_def, sys.sysprocedure"),
              "select 1 from CORVANE__rvc_def, sys__sysprocedure");
}

TEST(OwnerRewrite, TextOutsideNamesIsKeptByteForByte) {
    const std::string sql =
        "Select obj_num, name, string(obj_num, ', ', name) as Text\r\n"
        "from corvane.tmed_def\r\n"
        "where type = 'T'  -- corvane.tmed_def\r\n"
        "order by obj_num\r\n";
    EXPECT_EQ(rewrite(sql),
              "Select obj_num, name, string(obj_num, ', ', name) as Text\r\n"
              "from corvane__tmed_def\r\n"
              "where type = 'T'  -- corvane.tmed_def\r\n"
              "order by obj_num\r\n");
    EXPECT_EQ(rewrite("select 'corvane.rvc_def' from corvane.rvc_def"),
              "select 'corvane.rvc_def' from corvane__rvc_def");
}

TEST(OwnerRewrite, OtherQualifiersAreLeftAlone) {
    const std::string sql = "select t.name, main.x.y from corvane.rvc_def t where t.obj_num = 1";
    EXPECT_EQ(rewrite(sql), "select t.name, main.x.y from corvane__rvc_def t where t.obj_num = 1");
    // Only the first part of a chain can be an owner.
    EXPECT_EQ(rewrite("select corvane.rvc_def.name from corvane.rvc_def"),
              "select corvane__rvc_def.name from corvane__rvc_def");
    EXPECT_EQ(rewrite("select x.corvane.name from x"), "select x.corvane.name from x");
}

TEST(OwnerRewrite, QuotedPartsGiveAQuotedName) {
    EXPECT_EQ(rewrite("select * from \"corvane\".\"rvc def\""), "select * from \"corvane__rvc def\"");
    EXPECT_EQ(rewrite("select * from corvane . [rvc_def]"), "select * from \"corvane__rvc_def\"");
}

TEST(OwnerRewrite, StatementWithoutOwnersIsUnchanged) {
    const std::string sql = "create table notes(id integer, body varchar(20)); select * from notes";
    EXPECT_EQ(rewrite(sql), sql);
}

TEST(PhysicalNames, RoundTrip) {
    EXPECT_EQ(physical_table_name("corvane", "rvc_def"), "corvane__rvc_def");
    EXPECT_EQ(display_table_name("corvane__rvc_def"), "rvc_def");
    EXPECT_EQ(display_table_name("notes"), "notes");
}

}  // namespace
}  // namespace posdb
