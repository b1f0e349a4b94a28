#include "sql_commands.h"

#include <cctype>

#include "sql_lexer.h"

namespace posdb {

namespace {

// Tokens of a statement with a trailing semicolon dropped.
std::vector<Token> statement_tokens(std::string_view statement) {
    std::vector<Token> tokens = tokenize(statement);
    while (!tokens.empty() && tokens.back().is_symbol(";")) tokens.pop_back();
    return tokens;
}

DbError syntax_error_at(const std::vector<Token>& tokens, size_t pos) {
    if (pos >= tokens.size()) return errors::syntax_error("end of statement");
    return errors::syntax_error(tokens[pos].text);
}

// name or owner.name starting at pos; advances pos past it.
bool parse_qualified_name(const std::vector<Token>& tokens, size_t& pos, QualifiedName& out) {
    if (pos >= tokens.size() || !tokens[pos].is_name()) return false;
    out.name = identifier_value(tokens[pos++]);
    if (pos + 1 < tokens.size() && tokens[pos].is_symbol(".") && tokens[pos + 1].is_name()) {
        out.owner = out.name;
        out.name = identifier_value(tokens[pos + 1]);
        pos += 2;
    }
    return true;
}

bool parse_parameter(std::string_view statement, const std::vector<Token>& tokens, size_t begin,
                     size_t end, ProcedureParameter& out, DbError& error) {
    size_t pos = begin;
    out.mode = "IN";
    if (pos < end && (tokens[pos].is_word("in") || tokens[pos].is_word("out") ||
                      tokens[pos].is_word("inout"))) {
        out.mode = to_upper(tokens[pos].text);
        ++pos;
    }
    if (pos >= end || !tokens[pos].is_name()) {
        error = syntax_error_at(tokens, pos < end ? pos : end);
        return false;
    }
    out.name = identifier_value(tokens[pos++]);
    if (pos >= end || !tokens[pos].is_name()) {
        error = syntax_error_at(tokens, pos < end ? pos : end);
        return false;
    }
    out.type = std::string(
        statement.substr(tokens[pos].begin, tokens[end - 1].end - tokens[pos].begin));
    return true;
}

// "name[, name]..." up to the end of the statement.
bool parse_grantees(const std::vector<Token>& tokens, size_t pos, std::vector<std::string>& out,
                    DbError& error) {
    while (true) {
        if (pos >= tokens.size() || !tokens[pos].is_name()) {
            error = syntax_error_at(tokens, pos);
            return false;
        }
        out.push_back(identifier_value(tokens[pos++]));
        if (pos == tokens.size()) return true;
        if (!tokens[pos].is_symbol(",")) {
            error = syntax_error_at(tokens, pos);
            return false;
        }
        ++pos;
    }
}

// "ON name TO grantees" from pos.
bool parse_grant_target(const std::vector<Token>& tokens, size_t pos, QualifiedName& object,
                        std::vector<std::string>& grantees, DbError& error) {
    if (pos >= tokens.size() || !tokens[pos].is_word("on")) {
        error = syntax_error_at(tokens, pos);
        return false;
    }
    ++pos;
    if (!parse_qualified_name(tokens, pos, object)) {
        error = syntax_error_at(tokens, pos);
        return false;
    }
    if (pos >= tokens.size() || !tokens[pos].is_word("to")) {
        error = syntax_error_at(tokens, pos);
        return false;
    }
    return parse_grantees(tokens, pos + 1, grantees, error);
}

// Index of the token naming the command, past EXPLAIN [QUERY PLAN].
size_t command_position(const std::vector<Token>& tokens) {
    size_t pos = 0;
    if (pos < tokens.size() && tokens[pos].is_word("explain")) ++pos;
    if (pos + 1 < tokens.size() && tokens[pos].is_word("query") && tokens[pos + 1].is_word("plan")) pos += 2;
    return pos;
}

DbError grant_not_implemented(const std::vector<Token>& tokens) {
    return errors::not_implemented(tokens.size() < 2 ? "GRANT" : "GRANT " + std::string(tokens[1].text));
}

}  // namespace

CommandKind classify(std::string_view statement) {
    const std::vector<Token> tokens = tokenize(statement);
    if (tokens.size() >= 2 && tokens[0].is_word("create") && tokens[1].is_word("procedure"))
        return CommandKind::CreateProcedure;
    if (!tokens.empty() && tokens[0].is_word("grant"))
        return tokens.size() >= 2 && !tokens[1].is_word("execute") ? CommandKind::GrantTable
                                                                   : CommandKind::Grant;
    const size_t command = command_position(tokens);
    if (command < tokens.size())
        for (const char* word : {"attach", "detach", "vacuum", "pragma"})
            if (tokens[command].is_word(word)) return CommandKind::SqliteOnly;
    return CommandKind::Sql;
}

std::string_view command_keyword(std::string_view statement) {
    const std::vector<Token> tokens = tokenize(statement);
    const size_t command = command_position(tokens);
    return command < tokens.size() ? tokens[command].text : std::string_view();
}

bool parse_create_procedure(std::string_view statement, CreateProcedure& out, DbError& error) {
    const std::vector<Token> tokens = statement_tokens(statement);
    out = CreateProcedure{};
    size_t pos = 2;  // past CREATE PROCEDURE
    if (tokens.size() < 2 || !tokens[0].is_word("create") || !tokens[1].is_word("procedure") ||
        !parse_qualified_name(tokens, pos, out.procedure)) {
        error = syntax_error_at(tokens, pos);
        return false;
    }
    if (pos < tokens.size() && tokens[pos].is_symbol("(")) {
        ++pos;
        const bool empty_list = pos < tokens.size() && tokens[pos].is_symbol(")");
        size_t depth = 1;
        size_t param_begin = pos;
        while (!empty_list && pos < tokens.size()) {
            const Token& t = tokens[pos];
            if (t.is_symbol("(")) {
                ++depth;
            } else if (t.is_symbol(")") && depth > 1) {
                --depth;
            } else if ((t.is_symbol(",") || t.is_symbol(")")) && depth == 1) {
                ProcedureParameter p;
                if (!parse_parameter(statement, tokens, param_begin, pos, p, error)) return false;
                out.parameters.push_back(std::move(p));
                param_begin = pos + 1;
                if (t.is_symbol(")")) break;
            }
            ++pos;
        }
        if (pos >= tokens.size()) {
            error = syntax_error_at(tokens, pos);
            return false;
        }
        ++pos;  // past ")"
    }
    if (pos >= tokens.size() || !tokens[pos].is_word("begin")) {
        error = syntax_error_at(tokens, pos);
        return false;
    }
    if (!tokens.back().is_word("end") || tokens.size() - 1 == pos) {
        error = syntax_error_at(tokens, tokens.size() - 1);
        return false;
    }
    for (const Token& t : tokens) {
        if (t.kind == TokenKind::Unterminated) {
            error = errors::syntax_error(t.text.substr(0, 20));
            return false;
        }
    }
    return true;
}

bool parse_grant(std::string_view statement, GrantExecute& out, DbError& error) {
    const std::vector<Token> tokens = statement_tokens(statement);
    out = GrantExecute{};
    if (tokens.empty() || !tokens[0].is_word("grant")) {
        error = syntax_error_at(tokens, 0);
        return false;
    }
    if (tokens.size() < 2 || !tokens[1].is_word("execute")) {
        error = grant_not_implemented(tokens);
        return false;
    }
    return parse_grant_target(tokens, 2, out.procedure, out.grantees, error);
}

bool parse_grant_table(std::string_view statement, GrantTable& out, DbError& error) {
    const std::vector<Token> tokens = statement_tokens(statement);
    out = GrantTable{};
    if (tokens.empty() || !tokens[0].is_word("grant")) {
        error = syntax_error_at(tokens, 0);
        return false;
    }
    size_t pos = 1;
    if (pos < tokens.size() && tokens[pos].is_word("all")) {
        out.rights = {TableRight::Insert, TableRight::Update, TableRight::Delete};
        ++pos;
        if (pos < tokens.size() && tokens[pos].is_word("privileges")) ++pos;
    } else {
        while (true) {
            if (pos >= tokens.size()) {
                error = syntax_error_at(tokens, pos);
                return false;
            }
            if (tokens[pos].is_word("insert")) {
                out.rights.push_back(TableRight::Insert);
            } else if (tokens[pos].is_word("update")) {
                out.rights.push_back(TableRight::Update);
            } else if (tokens[pos].is_word("delete")) {
                out.rights.push_back(TableRight::Delete);
            } else {
                error = errors::not_implemented("GRANT " + std::string(tokens[pos].text));
                return false;
            }
            ++pos;
            if (pos >= tokens.size() || !tokens[pos].is_symbol(",")) break;
            ++pos;
        }
    }
    return parse_grant_target(tokens, pos, out.table, out.grantees, error);
}

std::vector<std::string_view> split_statements(std::string_view script) {
    const std::vector<Token> tokens = tokenize(script);
    std::vector<std::string_view> statements;
    size_t start = std::string_view::npos;  // offset of the current statement's first token
    size_t last_end = 0;
    int depth = 0;
    auto finish = [&] {
        if (start != std::string_view::npos)
            statements.push_back(script.substr(start, last_end - start));
        start = std::string_view::npos;
        depth = 0;
    };
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        if (t.is_symbol(";") && depth == 0) {
            finish();
            continue;
        }
        if (start == std::string_view::npos) start = t.begin;
        last_end = t.end;
        if (t.is_word("begin") || t.is_word("case")) {
            ++depth;
        } else if (t.is_word("end") && depth > 0) {
            // END IF / END LOOP / END WHILE close blocks that never opened a level.
            const bool closes_other = i + 1 < tokens.size() &&
                                      (tokens[i + 1].is_word("if") || tokens[i + 1].is_word("loop") ||
                                       tokens[i + 1].is_word("while") || tokens[i + 1].is_word("for"));
            if (!closes_other) --depth;
        }
    }
    finish();
    return statements;
}

}  // namespace posdb
