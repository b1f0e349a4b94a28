#include "sql_lexer.h"

#include <cctype>

namespace posdb {

namespace {

bool is_name_start(unsigned char c) {
    return std::isalpha(c) || c == '_' || c == '@' || c == '#' || c == '$' || c >= 0x80;
}

bool is_name_char(unsigned char c) { return is_name_start(c) || std::isdigit(c); }

// Scans a run closed by `close`, where a doubled `close` stands for itself.
// Returns the offset past the closing character, or npos when it never closes.
size_t scan_quoted(std::string_view s, size_t pos, char close) {
    for (size_t i = pos + 1; i < s.size(); ++i) {
        if (s[i] != close) continue;
        if (i + 1 < s.size() && s[i + 1] == close && close != ']') {
            ++i;
            continue;
        }
        return i + 1;
    }
    return std::string_view::npos;
}

size_t scan_number(std::string_view s, size_t pos) {
    size_t i = pos;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            i = j;
            while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
        }
    }
    return i;
}

}  // namespace

bool equals_ignore_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string to_lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string to_upper(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool Token::is_word(std::string_view word) const {
    return kind == TokenKind::Identifier && equals_ignore_case(text, word);
}

std::vector<Token> tokenize(std::string_view s) {
    std::vector<Token> tokens;
    tokens.reserve(s.size() / 4 + 4);  // most statements without growing
    size_t i = 0;
    auto push = [&](TokenKind kind, size_t begin, size_t end) {
        tokens.push_back(Token{kind, begin, end, s.substr(begin, end - begin)});
        i = end;
    };
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const char next = i + 1 < s.size() ? s[i + 1] : '\0';
        if (std::isspace(c)) {
            ++i;
        } else if ((c == '-' && next == '-') || (c == '/' && next == '/')) {
            size_t eol = s.find('\n', i);
            i = eol == std::string_view::npos ? s.size() : eol + 1;
        } else if (c == '/' && next == '*') {
            size_t close = s.find("*/", i + 2);
            if (close == std::string_view::npos)
                push(TokenKind::Unterminated, i, s.size());
            else
                i = close + 2;
        } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
            const char close = c == '[' ? ']' : static_cast<char>(c);
            size_t end = scan_quoted(s, i, close);
            if (end == std::string_view::npos)
                push(TokenKind::Unterminated, i, s.size());
            else
                push(c == '\'' ? TokenKind::String : TokenKind::QuotedIdentifier, i, end);
        } else if (std::isdigit(c) ||
                   (c == '.' && std::isdigit(static_cast<unsigned char>(next)))) {
            push(TokenKind::Number, i, scan_number(s, i));
        } else if (is_name_start(c)) {
            size_t end = i + 1;
            while (end < s.size() && is_name_char(static_cast<unsigned char>(s[end]))) ++end;
            push(TokenKind::Identifier, i, end);
        } else {
            static const char* const pairs[] = {"<>", "<=", ">=", "!=", "||", "=="};
            size_t len = 1;
            for (const char* p : pairs) {
                if (c == static_cast<unsigned char>(p[0]) && next == p[1]) len = 2;
            }
            push(TokenKind::Symbol, i, i + len);
        }
    }
    return tokens;
}

std::string identifier_value(const Token& token) {
    if (token.kind != TokenKind::QuotedIdentifier) return std::string(token.text);
    const char close = token.text.front() == '[' ? ']' : token.text.front();
    std::string value;
    std::string_view inner = token.text.substr(1, token.text.size() - 2);
    for (size_t i = 0; i < inner.size(); ++i) {
        value += inner[i];
        if (inner[i] == close && close != ']' && i + 1 < inner.size() && inner[i + 1] == close) ++i;
    }
    return value;
}

}  // namespace posdb
