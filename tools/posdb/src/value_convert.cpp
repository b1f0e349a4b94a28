#include "value_convert.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace posdb {

namespace {

constexpr const char* kTruncated = "01004";
constexpr const char* kFractionTruncated = "01S07";
constexpr const char* kOutOfRange = "22003";
constexpr const char* kInvalidCharacter = "22018";
constexpr const char* kRestrictedType = "07006";

ConvertResult ok() { return {}; }
ConvertResult warning(const char* state) { return {SQL_SUCCESS_WITH_INFO, state}; }
ConvertResult failure(const char* state) { return {SQL_ERROR, state}; }

std::string format_real(double value) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    if (std::strtod(buf, nullptr) != value) std::snprintf(buf, sizeof buf, "%.17g", value);
    return buf;
}

// A number read from text: either an exact integer or a double.
struct Number {
    bool is_integer = false;
    long long integer = 0;
    double real = 0.0;
};

bool parse_number(const std::string& text, Number& out) {
    size_t first = text.find_first_not_of(" \t\r\n");
    size_t last = text.find_last_not_of(" \t\r\n");
    if (first == std::string::npos) return false;
    const std::string s = text.substr(first, last - first + 1);
    char* end = nullptr;
    errno = 0;
    long long i = std::strtoll(s.c_str(), &end, 10);
    if (*end == '\0' && errno == 0) {
        out.is_integer = true;
        out.integer = i;
        out.real = static_cast<double>(i);
        return true;
    }
    errno = 0;
    double d = std::strtod(s.c_str(), &end);
    if (*end != '\0' || end == s.c_str()) return false;
    out.is_integer = false;
    out.real = d;
    return true;
}

bool cell_number(const Cell& cell, Number& out) {
    switch (cell.type) {
        case Cell::Type::Integer:
            out.is_integer = true;
            out.integer = cell.integer;
            out.real = static_cast<double>(cell.integer);
            return true;
        case Cell::Type::Real:
            out.is_integer = false;
            out.real = cell.real;
            return true;
        case Cell::Type::Text:
            return parse_number(cell.bytes, out);
        default:
            return false;
    }
}

template <class T>
ConvertResult to_integral(const Cell& cell, SQLPOINTER target, SQLLEN* length) {
    Number n;
    if (!cell_number(cell, n)) return failure(kInvalidCharacter);
    ConvertResult result = ok();
    long long value = 0;
    if (n.is_integer) {
        value = n.integer;
    } else {
        if (!std::isfinite(n.real)) return failure(kOutOfRange);
        double whole = std::trunc(n.real);
        if (whole < -9.2e18 || whole > 9.2e18) return failure(kOutOfRange);
        value = static_cast<long long>(whole);
        if (whole != n.real) result = warning(kFractionTruncated);
    }
    if constexpr (std::numeric_limits<T>::is_signed) {
        if (value < static_cast<long long>(std::numeric_limits<T>::min()) ||
            value > static_cast<long long>(std::numeric_limits<T>::max()))
            return failure(kOutOfRange);
    } else if (value < 0 ||
               static_cast<unsigned long long>(value) > std::numeric_limits<T>::max()) {
        return failure(kOutOfRange);
    }
    T out = static_cast<T>(value);
    std::memcpy(target, &out, sizeof out);
    if (length) *length = sizeof out;
    return result;
}

template <class T>
ConvertResult to_floating(const Cell& cell, SQLPOINTER target, SQLLEN* length) {
    Number n;
    if (!cell_number(cell, n)) return failure(kInvalidCharacter);
    if (std::isfinite(n.real) && std::fabs(n.real) > std::numeric_limits<T>::max())
        return failure(kOutOfRange);
    T out = static_cast<T>(n.real);
    std::memcpy(target, &out, sizeof out);
    if (length) *length = sizeof out;
    return ok();
}

ConvertResult to_bit(const Cell& cell, SQLPOINTER target, SQLLEN* length) {
    Number n;
    if (!cell_number(cell, n)) return failure(kInvalidCharacter);
    if (n.real < 0.0 || n.real >= 2.0) return failure(kOutOfRange);
    unsigned char out = n.real >= 1.0 ? 1 : 0;
    std::memcpy(target, &out, 1);
    if (length) *length = 1;
    return n.real == 0.0 || n.real == 1.0 ? ok() : warning(kFractionTruncated);
}

// UTF-8 to UTF-16; invalid bytes become U+FFFD.
std::u16string to_utf16(const std::string& s) {
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        size_t n = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c >> 5) == 0x6 && i + 1 < s.size()) {
            cp = ((c & 0x1F) << 6) | (s[i + 1] & 0x3F);
            n = 2;
        } else if ((c >> 4) == 0xE && i + 2 < s.size()) {
            cp = ((c & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
            n = 3;
        } else if ((c >> 3) == 0x1E && i + 3 < s.size()) {
            cp = ((c & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) |
                 (s[i + 3] & 0x3F);
            n = 4;
        }
        i += n;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

}  // namespace

std::string cell_text(const Cell& cell) {
    switch (cell.type) {
        case Cell::Type::Integer: return std::to_string(cell.integer);
        case Cell::Type::Real: return format_real(cell.real);
        case Cell::Type::Text:
        case Cell::Type::Blob: return cell.bytes;
        case Cell::Type::Null: break;
    }
    return std::string();
}

SQLSMALLINT default_c_type(SQLSMALLINT sql_type) {
    switch (sql_type) {
        case SQL_INTEGER: return SQL_C_SLONG;
        case SQL_SMALLINT: return SQL_C_SSHORT;
        case SQL_TINYINT: return SQL_C_STINYINT;
        case SQL_BIGINT: return SQL_C_SBIGINT;
        case SQL_BIT: return SQL_C_BIT;
        case SQL_REAL: return SQL_C_FLOAT;
        case SQL_FLOAT:
        case SQL_DOUBLE: return SQL_C_DOUBLE;
        default: return SQL_C_CHAR;
    }
}

bool is_variable_c_type(SQLSMALLINT c_type) {
    return c_type == SQL_C_CHAR || c_type == SQL_C_WCHAR || c_type == SQL_C_BINARY;
}

ConvertResult convert_fixed(const Cell& cell, SQLSMALLINT c_type, SQLPOINTER target,
                            SQLLEN* length) {
    switch (c_type) {
        case SQL_C_LONG:
        case SQL_C_SLONG: return to_integral<SQLINTEGER>(cell, target, length);
        case SQL_C_ULONG: return to_integral<SQLUINTEGER>(cell, target, length);
        case SQL_C_SHORT:
        case SQL_C_SSHORT: return to_integral<SQLSMALLINT>(cell, target, length);
        case SQL_C_USHORT: return to_integral<SQLUSMALLINT>(cell, target, length);
        case SQL_C_TINYINT:
        case SQL_C_STINYINT: return to_integral<signed char>(cell, target, length);
        case SQL_C_UTINYINT: return to_integral<unsigned char>(cell, target, length);
        case SQL_C_SBIGINT: return to_integral<long long>(cell, target, length);
        case SQL_C_UBIGINT: return to_integral<unsigned long long>(cell, target, length);
        case SQL_C_DOUBLE: return to_floating<double>(cell, target, length);
        case SQL_C_FLOAT: return to_floating<float>(cell, target, length);
        case SQL_C_BIT: return to_bit(cell, target, length);
        default: return failure(kRestrictedType);
    }
}

ConvertResult convert_piece(const Cell& cell, SQLSMALLINT c_type, SQLPOINTER target,
                            SQLLEN buffer_length, SQLLEN* length, size_t& offset) {
    std::string data;
    size_t terminator = 0;  // bytes of the terminating zero
    if (c_type == SQL_C_CHAR) {
        data = cell_text(cell);
        terminator = 1;
    } else if (c_type == SQL_C_WCHAR) {
        const std::u16string wide = to_utf16(cell_text(cell));
        static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "SQLWCHAR is UTF-16 here");
        data.assign(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(char16_t));
        terminator = sizeof(SQLWCHAR);
    } else if (c_type == SQL_C_BINARY) {
        data = cell_text(cell);
    } else {
        return failure(kRestrictedType);
    }
    // A value delivered completely gives no more data, except an empty value
    // which is delivered once.
    if (offset > 0 && offset >= data.size()) return {SQL_NO_DATA, nullptr};

    const size_t remaining = data.size() - offset;
    if (length) *length = static_cast<SQLLEN>(remaining);
    if (!target || buffer_length <= 0) {
        if (remaining > 0) return warning(kTruncated);
        offset = data.size() + 1;  // an empty value counts as delivered
        return ok();
    }
    size_t room = static_cast<size_t>(buffer_length);
    if (room < terminator) return remaining > 0 ? warning(kTruncated) : ok();
    room -= terminator;
    if (terminator == sizeof(SQLWCHAR)) room -= room % sizeof(SQLWCHAR);  // whole characters only
    const size_t n = remaining < room ? remaining : room;
    std::memcpy(target, data.data() + offset, n);
    if (terminator) std::memset(static_cast<char*>(target) + n, 0, terminator);
    offset += n;
    if (n < remaining) return warning(kTruncated);
    if (data.empty()) offset = 1;  // an empty value counts as delivered
    return ok();
}

}  // namespace posdb
