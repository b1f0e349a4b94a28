// File names and the file system, as the class library offers them.
#pragma once

#include <map>

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
// Raises EFileNameTooLong when either name would exceed 259 characters.
AnsiString ExpandUNCFileName(const AnsiString& name);

// The network's answers about drives and their names; tests put their own in.
struct TNetworkNames {
    // The drive of this root ("X:\") is a mapped network drive.
    bool (*isNetworkDrive)(const AnsiString& root);
    // The universal name of a path on such a drive; false when there is none.
    bool (*universalName)(const AnsiString& path, AnsiString& universal);
};
extern TNetworkNames NetworkNames;

// While alive, ExpandUNCFileName on this thread asks once per drive whether
// it is a network drive: a run of copies expands two names a copy, and each
// ask costs about half a millisecond under Wine. Only the drive's kind is
// kept, for the object's life; a network drive's paths are still looked up
// for their universal names one by one.
class TDriveTypeMemo {
public:
    TDriveTypeMemo();
    ~TDriveTypeMemo();
    TDriveTypeMemo(const TDriveTypeMemo&) = delete;
    TDriveTypeMemo& operator=(const TDriveTypeMemo&) = delete;

    // The network's answer for this root, asked the first time only.
    bool IsNetworkDrive(const AnsiString& root);

private:
    TDriveTypeMemo* outer_;
    std::map<char, bool> network_;  // by drive letter, upper case
};
