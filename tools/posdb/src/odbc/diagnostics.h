// Diagnostic records of one ODBC handle, as SQLGetDiagRec/Field report them.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <vector>

#include "../error.h"

namespace posdb::odbc {

struct DiagRecord {
    std::string sqlstate;
    SQLINTEGER native = 0;
    std::string message;
};

class Diagnostics {
public:
    void clear() {
        records_.clear();
        return_code_ = SQL_SUCCESS;
    }
    // Records a driver-level condition with the standard text for its SQLSTATE.
    SQLRETURN error(const char* sqlstate) { return add(SQL_ERROR, sqlstate, 0, standard_text(sqlstate)); }
    SQLRETURN warning(const char* sqlstate) {
        return add(SQL_SUCCESS_WITH_INFO, sqlstate, 0, standard_text(sqlstate));
    }
    // Records an error the engine reported.
    SQLRETURN error(const DbError& e) { return add(SQL_ERROR, e.sqlstate, e.native, e.message); }

    // Remembers what the function returned, for SQL_DIAG_RETURNCODE.
    SQLRETURN done(SQLRETURN rc) { return return_code_ = rc; }

    const std::vector<DiagRecord>& records() const { return records_; }
    SQLRETURN return_code() const { return return_code_; }

    static std::string standard_text(const std::string& sqlstate);

private:
    SQLRETURN add(SQLRETURN rc, const std::string& sqlstate, SQLINTEGER native,
                  const std::string& message);

    std::vector<DiagRecord> records_;
    SQLRETURN return_code_ = SQL_SUCCESS;
};

// Combines return codes of several steps: an error wins over a warning,
// which wins over success.
SQLRETURN worst(SQLRETURN a, SQLRETURN b);

}  // namespace posdb::odbc
