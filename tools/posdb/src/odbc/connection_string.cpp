#include "connection_string.h"

#include <odbcinst.h>

#include "../sql_lexer.h"

namespace posdb::odbc {

ConnectionAttributes ConnectionAttributes::parse(std::string_view text) {
    ConnectionAttributes out;
    size_t i = 0;
    auto trim = [](std::string s) {
        size_t b = s.find_first_not_of(" \t");
        size_t e = s.find_last_not_of(" \t");
        return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
    };
    while (i < text.size()) {
        size_t eq = text.find('=', i);
        size_t semi = text.find(';', i);
        if (eq == std::string_view::npos || (semi != std::string_view::npos && semi < eq)) {
            // A piece without "=" carries nothing.
            if (semi == std::string_view::npos) break;
            i = semi + 1;
            continue;
        }
        std::string key = trim(std::string(text.substr(i, eq - i)));
        size_t v = eq + 1;
        while (v < text.size() && (text[v] == ' ' || text[v] == '\t')) ++v;
        std::string value;
        if (v < text.size() && text[v] == '{') {
            // Braced value: may hold ';'; "}}" stands for "}".
            size_t j = v + 1;
            for (; j < text.size(); ++j) {
                if (text[j] == '}') {
                    if (j + 1 < text.size() && text[j + 1] == '}') {
                        value += '}';
                        ++j;
                        continue;
                    }
                    break;
                }
                value += text[j];
            }
            size_t next = text.find(';', j);
            i = next == std::string_view::npos ? text.size() : next + 1;
        } else {
            size_t end = text.find(';', v);
            value = trim(std::string(text.substr(v, end == std::string_view::npos ? std::string_view::npos : end - v)));
            i = end == std::string_view::npos ? text.size() : end + 1;
        }
        if (!key.empty()) out.set(key, value);
    }
    return out;
}

std::string ConnectionAttributes::get(std::initializer_list<const char*> keys) const {
    for (const char* key : keys)
        for (const auto& item : items_)
            if (equals_ignore_case(item.first, key)) return item.second;
    return std::string();
}

void ConnectionAttributes::set(const std::string& key, const std::string& value) {
    for (auto& item : items_) {
        if (equals_ignore_case(item.first, key)) {
            item.second = value;
            return;
        }
    }
    items_.emplace_back(key, value);
}

std::string ConnectionAttributes::to_string() const {
    std::string out;
    for (const auto& [key, value] : items_) {
        if (!out.empty()) out += ';';
        out += key + '=';
        if (value.find_first_of(";{}= ") != std::string::npos) {
            out += '{';
            for (char c : value) {
                out += c;
                if (c == '}') out += '}';
            }
            out += '}';
        } else {
            out += value;
        }
    }
    return out;
}

std::string dsn_setting(const std::string& dsn, std::initializer_list<const char*> keys) {
    if (dsn.empty()) return std::string();
    for (const char* key : keys) {
        char value[4096] = "";
        int n = SQLGetPrivateProfileString(dsn.c_str(), key, "", value, sizeof value, "odbc.ini");
        if (n > 0 && value[0] != '\0') return value;
    }
    return std::string();
}

}  // namespace posdb::odbc
