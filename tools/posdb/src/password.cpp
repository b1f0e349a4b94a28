#include "password.h"

#include <crypt.h>
#include <sqlite3.h>

#include <memory>

namespace posdb {

namespace {

constexpr const char* kMethod = "$2b$";  // bcrypt
constexpr unsigned long kCost = 8;

// crypt_data is large; keep it off the stack.
std::string crypt_text(std::string_view password, const char* setting) {
    auto data = std::make_unique<crypt_data>();
    const std::string text(password);
    const char* hash = crypt_r(text.c_str(), setting, data.get());
    // Failures give NULL or a string starting with '*'.
    if (!hash || hash[0] == '*') return std::string();
    return hash;
}

void password_hash_function(sqlite3_context* context, int /*argc*/, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const std::string_view password(text ? text : "", static_cast<size_t>(sqlite3_value_bytes(argv[0])));
    if (is_password_hash(password)) {
        sqlite3_result_value(context, argv[0]);
        return;
    }
    const std::string hash = hash_password(password);
    if (hash.empty()) {
        sqlite3_result_error(context, "cannot hash the password", -1);
        return;
    }
    sqlite3_result_text(context, hash.data(), static_cast<int>(hash.size()), SQLITE_TRANSIENT);
}

}  // namespace

std::string hash_password(std::string_view password) {
    char setting[CRYPT_GENSALT_OUTPUT_SIZE];
    if (!crypt_gensalt_rn(kMethod, kCost, nullptr, 0, setting, sizeof setting)) return std::string();
    return crypt_text(password, setting);
}

bool is_password_hash(std::string_view text) {
    return text.substr(0, 4) == kMethod && text.size() == 60;
}

bool password_matches(std::string_view password, std::string_view stored) {
    if (!is_password_hash(stored)) return false;
    const std::string hash = crypt_text(password, std::string(stored).c_str());
    if (hash.size() != stored.size()) return false;
    unsigned char diff = 0;  // the same time for every mismatch
    for (size_t i = 0; i < hash.size(); ++i) diff |= static_cast<unsigned char>(hash[i] ^ stored[i]);
    return diff == 0;
}

bool register_password_function(sqlite3* db) {
    return sqlite3_create_function(db, "password_hash", 1, SQLITE_UTF8, nullptr,
                                   password_hash_function, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace posdb
