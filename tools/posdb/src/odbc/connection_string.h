// Connection strings ("DSN=Corvane;UID=tarvel;PWD={x;y}") and the data-source
// settings in odbc.ini that fill in what a string leaves out.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace posdb::odbc {

class ConnectionAttributes {
public:
    static ConnectionAttributes parse(std::string_view text);

    // First value of any of the keys (compared without regard to case); "" if none.
    std::string get(std::initializer_list<const char*> keys) const;
    void set(const std::string& key, const std::string& value);

    // The attributes in order, values in braces where they need them.
    std::string to_string() const;

private:
    std::vector<std::pair<std::string, std::string>> items_;
};

// Keys under which a data source may name its database file, user and password.
inline constexpr std::initializer_list<const char*> kDatabaseKeys = {"Database", "DatabaseFile", "DBF"};
inline constexpr std::initializer_list<const char*> kUserKeys = {"UID", "UserID", "UserName"};
inline constexpr std::initializer_list<const char*> kPasswordKeys = {"PWD", "Password"};

// A setting of a data source from odbc.ini (found the way the driver manager
// finds it: ODBCINI, ODBCSYSINI), trying each key in turn; "" if none is set.
std::string dsn_setting(const std::string& dsn, std::initializer_list<const char*> keys);

}  // namespace posdb::odbc
