// Owner-qualified names. SQLite has no owners, so a table `owner.name` is
// stored as the single table `owner__name`; statements are rewritten to
// match before SQLite sees them.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace posdb {

using OwnerTest = std::function<bool(std::string_view)>;

// "corvane", "rvc_def" -> "corvane__rvc_def"
std::string physical_table_name(std::string_view owner, std::string_view table);

// "corvane__rvc_def" -> "rvc_def"; a name without owner part is returned as is.
std::string display_table_name(std::string_view physical);

// "corvane__rvc_def" -> "corvane"; "" for a name without owner part.
std::string table_owner(std::string_view physical);

// Replaces every `owner.name` whose first part is an owner (as decided by
// is_owner, without regard to case) by its physical table name. Text outside
// the replaced names, including strings and comments, is kept byte for byte.
std::string rewrite_owner_names(std::string_view sql, const OwnerTest& is_owner);

}  // namespace posdb
