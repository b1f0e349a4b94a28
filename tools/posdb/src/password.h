// Passwords are kept as salted one-way hashes (libcrypt's bcrypt), never as
// the text the user typed.
#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace posdb {

// A new salted hash of the password; "" when the library fails.
std::string hash_password(std::string_view password);

// True when the stored hash is one of ours and the password gives it.
bool password_matches(std::string_view password, std::string_view stored);

// True for text hash_password produced (so it is not hashed twice).
bool is_password_hash(std::string_view text);

// Registers PASSWORD_HASH(text) on a connection: the catalogue's triggers
// call it so that whatever writes a password stores its hash.
bool register_password_function(sqlite3* db);

}  // namespace posdb
