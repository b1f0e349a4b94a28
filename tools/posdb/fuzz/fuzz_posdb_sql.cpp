// SQL text as a client may send it: the lexer's tokens lie inside the text,
// in order, each spelling what it covers; the owner rewriting takes anything
// and changes only dotted names.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sql_lexer.h"
#include "sql_rewrite.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string sql(reinterpret_cast<const char*>(data), size);
    size_t previous_end = 0;
    for (const posdb::Token& t : posdb::tokenize(sql)) {
        if (t.begin < previous_end || t.end <= t.begin || t.end > sql.size()) std::abort();
        if (t.text != std::string_view(sql).substr(t.begin, t.end - t.begin)) std::abort();
        if (t.is_name()) (void)posdb::identifier_value(t);
        previous_end = t.end;
    }
    const std::string rewritten = posdb::rewrite_owner_names(sql, [](std::string_view name) {
        return posdb::equals_ignore_case(name, "corvane") || posdb::equals_ignore_case(name, "SYS");
    });
    // Only names change: text without a dot comes back as it went in.
    if (sql.find('.') == std::string::npos && rewritten != sql) std::abort();

    return 0;
}
