#include "diagnostics.h"

namespace posdb::odbc {

namespace {

// Vendor and component prefix, as ODBC drivers put before their messages.
constexpr const char* kPrefix = "[posdb]";

struct StateText {
    const char* state;
    const char* text;
};

constexpr StateText kStandardTexts[] = {
    {"01004", "String data, right truncated"},
    {"01S02", "Option value changed"},
    {"01S07", "Fractional truncation"},
    {"07006", "Restricted data type attribute violation"},
    {"07009", "Invalid descriptor index"},
    {"08002", "Connection name in use"},
    {"08003", "Connection not open"},
    {"22002", "Indicator variable required but not supplied"},
    {"22003", "Numeric value out of range"},
    {"22018", "Invalid character value for cast"},
    {"24000", "Invalid cursor state"},
    {"HY003", "Invalid application buffer type"},
    {"HY009", "Invalid use of null pointer"},
    {"HY010", "Function sequence error"},
    {"HY012", "Invalid transaction operation code"},
    {"HY024", "Invalid attribute value"},
    {"HY090", "Invalid string or buffer length"},
    {"HY091", "Invalid descriptor field identifier"},
    {"HY092", "Invalid attribute/option identifier"},
    {"HY096", "Information type out of range"},
    {"HY106", "Fetch type out of range"},
    {"HY110", "Invalid driver completion"},
    {"HYC00", "Optional feature not implemented"},
};

}  // namespace

std::string Diagnostics::standard_text(const std::string& sqlstate) {
    for (const StateText& s : kStandardTexts)
        if (sqlstate == s.state) return s.text;
    return "General error";
}

SQLRETURN Diagnostics::add(SQLRETURN rc, const std::string& sqlstate, SQLINTEGER native,
                           const std::string& message) {
    records_.push_back(DiagRecord{sqlstate, native, kPrefix + message});
    return rc;
}

SQLRETURN worst(SQLRETURN a, SQLRETURN b) {
    if (a == SQL_ERROR || b == SQL_ERROR) return SQL_ERROR;
    if (a == SQL_SUCCESS_WITH_INFO || b == SQL_SUCCESS_WITH_INFO) return SQL_SUCCESS_WITH_INFO;
    return a;
}

}  // namespace posdb::odbc
