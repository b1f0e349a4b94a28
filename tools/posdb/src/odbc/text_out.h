// Returning text to application buffers the ODBC way: as much as fits, always
// zero-terminated, the full length reported - or, where the length field is
// too narrow for it (16 bits), the largest it holds, the text cut to match.
#pragma once

#include <sql.h>

#include <cstring>
#include <limits>
#include <string>

namespace posdb::odbc {

// buffer_length counts bytes including the terminator. Returns false when the
// text had to be cut (the caller reports 01004).
template <class Length>
bool copy_out(const std::string& text, SQLPOINTER buffer, SQLLEN buffer_length, Length* length) {
    const size_t limit = static_cast<size_t>(std::numeric_limits<Length>::max());
    const size_t reportable = text.size() < limit ? text.size() : limit;
    if (length) *length = static_cast<Length>(reportable);
    if (!buffer || buffer_length <= 0) return text.empty() && buffer_length > 0;
    const size_t room = static_cast<size_t>(buffer_length) - 1;
    const size_t n = reportable < room ? reportable : room;
    std::memcpy(buffer, text.data(), n);
    static_cast<char*>(buffer)[n] = '\0';
    return n == text.size();
}

// Text passed in by the application with its length or SQL_NTS.
inline std::string text_in(const SQLCHAR* text, SQLINTEGER length) {
    if (!text) return std::string();
    const char* p = reinterpret_cast<const char*>(text);
    if (length == SQL_NTS) return std::string(p);
    if (length < 0) return std::string();
    return std::string(p, static_cast<size_t>(length));
}

}  // namespace posdb::odbc
