// Scripts and statements as a client may send them: splitting, telling the
// commands apart, and the parsers of the statements the stand-in handles
// itself (CREATE PROCEDURE, GRANT) take anything without fault.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sql_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string script(reinterpret_cast<const char*>(data), size);
    for (std::string_view statement : posdb::split_statements(script)) {
        // Each statement is a piece of the script.
        if (statement.data() < script.data() || statement.data() + statement.size() > script.data() + script.size())
            std::abort();
        posdb::DbError error;
        switch (posdb::classify(statement)) {
            case posdb::CommandKind::CreateProcedure: {
                posdb::CreateProcedure procedure;
                if (!posdb::parse_create_procedure(statement, procedure, error) && error.sqlstate.empty())
                    std::abort();
                break;
            }
            case posdb::CommandKind::Grant: {
                posdb::GrantExecute grant;
                if (!posdb::parse_grant(statement, grant, error) && error.sqlstate.empty()) std::abort();
                break;
            }
            case posdb::CommandKind::GrantTable: {
                posdb::GrantTable grant;
                if (!posdb::parse_grant_table(statement, grant, error) && error.sqlstate.empty()) std::abort();
                break;
            }
            case posdb::CommandKind::SqliteOnly:
                if (posdb::command_keyword(statement).empty()) std::abort();
                break;
            case posdb::CommandKind::Sql:
                break;
        }
    }
    return 0;
}
