// File names and the file system, as the class library offers them.
#pragma once

#include "ansi_string.h"
#include "exceptions.h"

// A name the platform cannot expand: longer than its 259-character paths.
class EFileNameTooLong : public Exception {
public:
    using Exception::Exception;
};

// A file of that name exists; a folder of that name does not count.
bool FileExists(const AnsiString& name);
// A folder of that name exists.
bool DirectoryExists(const AnsiString& name);
// The full path: a relative name taken against the current folder.
// Raises EFileNameTooLong when the result would exceed 259 characters.
AnsiString ExpandFileName(const AnsiString& name);
// The full path, with a mapped network drive written as \\server\share\...;
// a name on a local drive (the network lookup fails) stays as expanded.
AnsiString ExpandUNCFileName(const AnsiString& name);
