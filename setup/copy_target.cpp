#include "copy_target.h"

#include <windows.h>

#include "file_names.h"

AnsiString CopyBeside(const AnsiString& target)
{
    const size_t name = target.rfind('\\') + 1;
    if (target.find_first_of("*?") != AnsiString::npos || name >= target.size() || DirectoryExists(target))
        return AnsiString();
    AnsiString beside = target;
    beside[name] = beside[name] == '~' ? '$' : '~';
    return beside;
}

bool ReplaceTarget(const AnsiString& beside, const AnsiString& target)
{
    // The shell overwrites a read-only target without asking; so does this.
    const DWORD attributes = GetFileAttributesA(target.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnly)
        SetFileAttributesA(target.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    if (MoveFileExA(beside.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (readOnly)
        SetFileAttributesA(target.c_str(), attributes);
    DiscardCopy(beside);
    return false;
}

void DiscardCopy(const AnsiString& beside)
{
    SetFileAttributesA(beside.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(beside.c_str());
}
