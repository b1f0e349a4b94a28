// Tokeniser for the SQL dialect the POS programs send. It keeps byte offsets
// into the original text so that rewriting can copy everything it does not
// touch (strings, comments, line breaks) unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace posdb {

enum class TokenKind {
    Identifier,        // plain word: keyword or name
    QuotedIdentifier,  // "name", [name] or `name`
    String,            // 'text'
    Number,
    Symbol,            // punctuation and operators
    Unterminated,      // a string, quoted name or comment that never ends
};

struct Token {
    TokenKind kind;
    size_t begin;  // offset of the first byte in the source
    size_t end;    // offset one past the last byte
    std::string_view text;

    bool is_name() const {
        return kind == TokenKind::Identifier || kind == TokenKind::QuotedIdentifier;
    }
    // Unquoted word compared without regard to case.
    bool is_word(std::string_view word) const;
    bool is_symbol(std::string_view symbol) const {
        return kind == TokenKind::Symbol && text == symbol;
    }
};

// Whitespace and comments (--, // and /* */) produce no tokens.
std::vector<Token> tokenize(std::string_view sql);

// The name a (quoted) identifier stands for: quotes removed, doubled quotes undone.
std::string identifier_value(const Token& token);

bool equals_ignore_case(std::string_view a, std::string_view b);
std::string to_lower(std::string_view s);
std::string to_upper(std::string_view s);

}  // namespace posdb
