// The text of a private-profile file with keys written into it, as the
// platform's profile functions place them: a key replaces its value where it
// stands, a new key goes to the end of its section, a new section to the end
// of the file. Includes no platform header.
#pragma once

#include <vector>

#include "ansi_string.h"

struct ProfileWrite {
    AnsiString section, key, value;
};

// The content after the writes, in their order. Lines no write touches keep
// their bytes. Section and key names are compared without regard to case;
// the first section and the first key of a name are the ones used.
AnsiString ApplyProfileWrites(const AnsiString& content, const std::vector<ProfileWrite>& writes);

// A value as it can stand on its key's line: each carriage return and line
// feed becomes a blank, and a zero character ends the value.
AnsiString ProfileLineValue(const AnsiString& value);
