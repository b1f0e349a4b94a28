#include "file_names.h"

#include <windows.h>

#include <winnetwk.h>

#include <cctype>
#include <vector>

#include "system_library.h"

bool FileExists(const AnsiString& name)
{
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const AnsiString& name)
{
    const DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// A name the platform's paths can hold, else EFileNameTooLong.
const AnsiString& WithinPathLength(const AnsiString& name)
{
    if (name.size() >= MAX_PATH)
        throw EFileNameTooLong("The file name is too long: " + name);
    return name;
}

bool IsNetworkDrive(const AnsiString& root) { return GetDriveTypeA(root.c_str()) == DRIVE_REMOTE; }

bool UniversalName(const AnsiString& path, AnsiString& universal)
{
    std::vector<char> buffer(1024);
    DWORD size = static_cast<DWORD>(buffer.size());
    static const auto universalName =
        SystemProc<decltype(&WNetGetUniversalNameA)>("mpr.dll", "WNetGetUniversalNameA");
    if (universalName(path.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size) != NO_ERROR)
        return false;
    const auto* info = reinterpret_cast<const UNIVERSAL_NAME_INFOA*>(buffer.data());
    if (!info->lpUniversalName)
        return false;
    universal = info->lpUniversalName;
    return true;
}

}  // namespace

TNetworkNames NetworkNames = {&IsNetworkDrive, &UniversalName};

namespace {
thread_local TDriveTypeMemo* t_driveTypes = nullptr;
}  // namespace

TDriveTypeMemo::TDriveTypeMemo() : outer_(t_driveTypes) { t_driveTypes = this; }

TDriveTypeMemo::~TDriveTypeMemo() { t_driveTypes = outer_; }

bool TDriveTypeMemo::IsNetworkDrive(const AnsiString& root)
{
    const char drive = static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
    const auto known = network_.find(drive);
    if (known != network_.end())
        return known->second;
    const bool network = NetworkNames.isNetworkDrive(root);
    network_.emplace(drive, network);
    return network;
}

AnsiString ExpandFileName(const AnsiString& name)
{
    char full[MAX_PATH];
    char* filePart = nullptr;
    // The result's length without the terminator, or the size needed with it
    // when the buffer is too small.
    const DWORD length = GetFullPathNameA(name.c_str(), MAX_PATH, full, &filePart);
    if (length >= MAX_PATH || name.size() >= MAX_PATH)
        throw EFileNameTooLong("The file name is too long: " + name);
    if (length == 0)
        return name;
    return AnsiString(full, length);
}

AnsiString ExpandUNCFileName(const AnsiString& name)
{
    const AnsiString expanded = ExpandFileName(name);
    // Only a mapped network drive has a universal name; asking the network
    // for a local drive costs a millisecond and more for nothing.
    if (expanded.size() < 3 || expanded[1] != ':')
        return expanded;
    const AnsiString root = expanded.substr(0, 3);
    if (!(t_driveTypes ? t_driveTypes->IsNetworkDrive(root) : NetworkNames.isNetworkDrive(root)))
        return expanded;
    AnsiString universal;
    if (!NetworkNames.universalName(expanded, universal))
        return expanded;
    // The universal name is longer than the drive's: it is held to the same limit.
    return WithinPathLength(universal);
}
