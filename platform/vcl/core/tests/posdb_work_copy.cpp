#include "posdb_work_copy.h"

#include <windows.h>

namespace {

AnsiString Environment(const char* name)
{
    char value[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? AnsiString(value) : AnsiString();
}

// A Linux path as Wine's drive Z: shows it.
AnsiString WindowsPath(const AnsiString& unixPath)
{
    AnsiString path = "Z:";
    for (char c : unixPath)
        path += c == '/' ? '\\' : c;
    return path;
}

}  // namespace

testing::AssertionResult RefreshPosDatabase(AnsiString& workFile)
{
    const AnsiString demo = Environment("RILO_POSDB_DEMO_DB");
    const AnsiString work = Environment("RILO_POSDB_WORK_DB");
    if (demo.empty() || work.empty())
        return testing::AssertionFailure()
               << "RILO_POSDB_DEMO_DB and RILO_POSDB_WORK_DB must name the posdb demo database and its working copy";
    workFile = WindowsPath(work);
    if (!CopyFileA(WindowsPath(demo).c_str(), workFile.c_str(), FALSE))
        return testing::AssertionFailure() << "no demo database at " << demo << " (is the native posdb build done?)";
    SetFileAttributesA(workFile.c_str(), FILE_ATTRIBUTE_NORMAL);
    return testing::AssertionSuccess();
}
