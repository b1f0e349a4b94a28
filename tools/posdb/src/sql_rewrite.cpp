#include "sql_rewrite.h"

#include <cctype>

#include "sql_lexer.h"

namespace posdb {

namespace {

constexpr std::string_view kSeparator = "__";

bool is_plain_name(std::string_view name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name.front()))) return false;
    for (unsigned char c : name) {
        if (!std::isalnum(c) && c != '_') return false;
    }
    return true;
}

std::string quote(std::string_view name) {
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '"') out += '"';
    }
    return out + "\"";
}

}  // namespace

std::string physical_table_name(std::string_view owner, std::string_view table) {
    std::string name(owner);
    name += kSeparator;
    name += table;
    return name;
}

std::string display_table_name(std::string_view physical) {
    size_t sep = physical.find(kSeparator);
    if (sep == std::string_view::npos || sep == 0) return std::string(physical);
    return std::string(physical.substr(sep + kSeparator.size()));
}

std::string table_owner(std::string_view physical) {
    size_t sep = physical.find(kSeparator);
    if (sep == std::string_view::npos || sep == 0) return std::string();
    return std::string(physical.substr(0, sep));
}

std::string rewrite_owner_names(std::string_view sql, const OwnerTest& is_owner) {
    const std::vector<Token> tokens = tokenize(sql);
    std::string out;
    out.reserve(sql.size() + 16);
    size_t copied = 0;
    for (size_t i = 0; i + 2 < tokens.size(); ++i) {
        const Token& owner = tokens[i];
        const Token& dot = tokens[i + 1];
        const Token& name = tokens[i + 2];
        if (!owner.is_name() || !dot.is_symbol(".") || !name.is_name()) continue;
        // The middle of a longer dotted chain is not an owner position.
        if (i > 0 && tokens[i - 1].is_symbol(".")) continue;
        const std::string owner_value = identifier_value(owner);
        if (!is_owner(owner_value)) continue;

        const std::string physical = physical_table_name(owner_value, identifier_value(name));
        const bool quoted = owner.kind == TokenKind::QuotedIdentifier ||
                            name.kind == TokenKind::QuotedIdentifier || !is_plain_name(physical);
        out.append(sql.substr(copied, owner.begin - copied));
        out += quoted ? quote(physical) : physical;
        copied = name.end;
        i += 2;
    }
    out.append(sql.substr(copied));
    return out;
}

}  // namespace posdb
