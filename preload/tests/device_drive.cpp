#include "device_drive.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "library_loader.h"

namespace {

const char kPlatform[] = "C:\\Platform";
const char kCorvane[] = "C:\\corvane";
const char kEtc[] = "C:\\corvane\\etc";
const char kLog[] = "C:\\corvane\\preheat.txt";

void Require(bool ok, const std::string& what)
{
    if (!ok)
        throw std::runtime_error(what + " failed, error " + std::to_string(GetLastError()));
}

std::wstring Wide(const std::string& utf8)
{
    std::wstring text(utf8.size(), L'\0');
    text.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string Utf8(const std::wstring& text)
{
    std::string utf8(text.size() * 3, '\0');
    utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0],
                                                        static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

// Wide path without the MAX_PATH limit: an id file's name alone may take
// nearly all of it. Paths are UTF-8, so that names need not be Latin-1.
std::wstring Unlimited(const std::string& path) { return L"\\\\?\\" + Wide(path); }

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((Unlimited(folder) + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..")
            continue;
        const std::string path = folder + "\\" + Utf8(name);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            RemoveTree(path);
        else
            DeleteFileW(Unlimited(path).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
    RemoveDirectoryW(Unlimited(folder).c_str());
}

void CreateEmptyFile(const std::string& path)
{
    HANDLE file = CreateFileW(Unlimited(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    Require(file != INVALID_HANDLE_VALUE, "creating " + path);
    CloseHandle(file);
}

bool IsFolder(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The CE 3.0 build of the library from the build tree: a real library that loads.
std::string BuiltLibrary()
{
    for (const Flavour& flavour : AllFlavours())
        if (std::string(flavour.name) == "riloCE")
            return BesideProgram(flavour.path);
    throw std::runtime_error("no riloCE build known");
}

void RemoveAll()
{
    RemoveTree(kPlatform);
    RemoveTree(kCorvane);
}

} // namespace

DeviceDrive::DeviceDrive(const DeviceSetup& setup)
{
    RemoveAll(); // what an interrupted earlier run left behind
    if (!setup.idFiles.empty()) {
        Require(CreateDirectoryA(kPlatform, nullptr), "creating C:\\Platform");
        for (const std::string& name : setup.idFiles)
            CreateEmptyFile(std::string(kPlatform) + "\\" + name);
    }
    if (!setup.corvane)
        return;
    Require(CreateDirectoryA(kCorvane, nullptr), "creating C:\\corvane");
    Require(CreateDirectoryA(kEtc, nullptr), "creating C:\\corvane\\etc");
    if (setup.library)
        Require(CopyFileA(BuiltLibrary().c_str(),
                          (std::string(kEtc) + "\\riloCE.dll").c_str(), TRUE),
                "copying riloCE.dll");
    if (setup.logIsFolder)
        Require(CreateDirectoryA(kLog, nullptr), "creating a folder in the log's place");
}

DeviceDrive::~DeviceDrive() { RemoveAll(); }

std::string DeviceDrive::FirstIdFile()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("C:\\Platform\\PPT2846*.id", &found);
    if (search == INVALID_HANDLE_VALUE)
        return "";
    FindClose(search);
    return found.cFileName;
}

void DeviceDrive::RemoveIdFiles() { RemoveTree(kPlatform); }

bool DeviceDrive::CorvaneExists() { return GetFileAttributesA(kCorvane) != INVALID_FILE_ATTRIBUTES; }

bool DeviceDrive::LogIsFolder() { return IsFolder(kLog); }

std::vector<std::string> DeviceDrive::LogLines()
{
    // Read as the text file it is: the runtime writes each line feed as CR LF.
    std::ifstream file(kLog);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    while (start < text.size()) {
        const std::string::size_type end = text.find('\n', start);
        const std::string::size_type next = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, next - start));
        start = next;
    }
    return lines;
}
