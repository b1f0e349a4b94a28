#include "ini_file.h"

#include <windows.h>

#include <optional>

#include "exceptions.h"
#include "file_names.h"
#include "sysutils.h"

// Holds the file against the other processes of the program: a mutex named
// after the file's full path in capitals, so every spelling of one file
// takes the same one.
class IniFileTurn {
public:
    explicit IniFileTurn(const AnsiString& fullPath)
    {
        if (fullPath.empty())
            return;
        unsigned long long hash = 14695981039346656037ull;  // FNV-1a
        for (const char c : UpperCase(fullPath))
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        char name[40];
        wsprintfA(name, "rilo_settings_%08lx%08lx", static_cast<unsigned long>(hash >> 32),
                  static_cast<unsigned long>(hash));
        m_mutex = CreateMutexA(nullptr, FALSE, name);
        if (!m_mutex)
            return;
        const DWORD wait = WaitForSingleObject(m_mutex, INFINITE);
        // An owner that ended without letting go left the file whole all the same.
        m_held = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~IniFileTurn()
    {
        if (m_held)
            ReleaseMutex(m_mutex);
        if (m_mutex)
            CloseHandle(m_mutex);
    }
    IniFileTurn(const IniFileTurn&) = delete;
    IniFileTurn& operator=(const IniFileTurn&) = delete;
    bool Held() const { return m_held; }

private:
    HANDLE m_mutex = nullptr;
    bool m_held = false;
};

namespace {

// The full path the file's turn is named after; empty for a name too long
// for the platform, which no turn can hold.
AnsiString TurnPath(const AnsiString& fileName)
{
    try {
        return ExpandFileName(fileName);
    } catch (const EFileNameTooLong&) {
        return AnsiString();
    }
}

struct FileHandle {
    HANDLE handle;
    ~FileHandle()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};

// The file's bytes; a missing file is empty. False when it cannot be read.
bool ReadWholeFile(const AnsiString& path, AnsiString& content)
{
    const FileHandle file{CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE) {
        content.clear();
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    }
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.handle, &size) || size.QuadPart > 0x7FFFFFFF)
        return false;
    content.assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!content.empty() && (!ReadFile(file.handle, &content[0], static_cast<DWORD>(content.size()), &read, nullptr) ||
                             read != content.size()))
        return false;
    // A file in UTF-16 is rewritten in the ANSI code page that the keys are written in.
    if (content.size() >= 2 && content[0] == '\xFF' && content[1] == '\xFE') {
        const auto* wide = reinterpret_cast<const wchar_t*>(content.data() + 2);
        const int length = static_cast<int>((content.size() - 2) / 2);
        const int narrowSize = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
        AnsiString narrow(static_cast<size_t>(narrowSize > 0 ? narrowSize : 0), '\0');
        if (narrowSize > 0)
            WideCharToMultiByte(CP_ACP, 0, wide, length, &narrow[0], narrowSize, nullptr, nullptr);
        content = narrow;
    }
    return true;
}

bool WriteNewFile(const AnsiString& path, const AnsiString& content)
{
    const FileHandle file{
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    return (content.empty() ||
            (WriteFile(file.handle, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
             written == content.size())) &&
           FlushFileBuffers(file.handle);
}

// The new file's name beside the settings file: as long as the file's own
// name, so that a path the platform takes for one it takes for the other.
// Writers take turns, so one name serves them all.
AnsiString NewFileBeside(const AnsiString& fullPath)
{
    AnsiString path = fullPath;
    const size_t name = path.rfind('\\') + 1;
    path[name] = path[name] == '~' ? '$' : '~';
    return path;
}

// A reader of another program that has the file open for a moment keeps it
// from being replaced; it is tried again a few times before giving up.
bool PutInPlace(const AnsiString& newFile, const AnsiString& path)
{
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExA(newFile.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        if (attempt == 20 || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED))
            return false;
        Sleep(50);
    }
}

bool ReplaceWhole(const AnsiString& fileName, const std::vector<ProfileWrite>& writes)
{
    AnsiString fullPath;
    try {
        fullPath = ExpandFileName(fileName);
    } catch (const EFileNameTooLong&) {
        return false;  // before anything is written anywhere
    }
    if (fullPath.empty() || fullPath.back() == '\\')
        return false;
    const IniFileTurn turn(fullPath);
    if (!turn.Held())
        return false;
    // Windows never replaces a read-only file; Wine run by root would, so the
    // attribute is checked here as well.
    const DWORD attributes = GetFileAttributesA(fullPath.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    AnsiString content;
    if (!ReadWholeFile(fullPath, content))
        return false;
    const AnsiString updated = ApplyProfileWrites(content, writes);
    if (updated == content)
        return true;  // as the profile functions do, an unchanged file is not written
    const AnsiString newFile = NewFileBeside(fullPath);
    if (WriteNewFile(newFile, updated) && PutInPlace(newFile, fullPath))
        return true;
    DeleteFileA(newFile.c_str());
    return false;
}

}  // namespace

TIniFile::TIniFile(AnsiString fileName) : m_fileName(std::move(fileName)) {}
TIniFile::~TIniFile() = default;
TIniFile::TIniFile(TIniFile&&) noexcept = default;

void TIniFile::BeginReading()
{
    if (!m_readingTurn)
        m_readingTurn = std::make_unique<IniFileTurn>(TurnPath(m_fileName));
}

void TIniFile::EndReading() { m_readingTurn.reset(); }

AnsiString TIniFile::ReadString(const AnsiString& section, const AnsiString& ident,
                                const AnsiString& def) const
{
    // Not in the middle of another process's update, whose replacing the file
    // an open reader would make fail.
    std::optional<IniFileTurn> turn;
    if (!m_readingTurn)
        turn.emplace(TurnPath(m_fileName));
    char buffer[2048];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), ident.c_str(), def.c_str(), buffer,
                                                  sizeof buffer, m_fileName.c_str());
    return AnsiString(buffer, length);
}

int TIniFile::ReadInteger(const AnsiString& section, const AnsiString& ident, int def) const
{
    AnsiString text = ReadString(section, ident, "");
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text = "$" + text.substr(2);
    return StrToIntDef(text, def);
}

bool TIniFile::ReadBool(const AnsiString& section, const AnsiString& ident, bool def) const
{
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value)
{
    m_writes.push_back({section, ident, value});
}

void TIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int value)
{
    WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

void TIniFile::UpdateFile()
{
    if (m_writes.empty())
        return;
    const std::vector<ProfileWrite> writes = std::move(m_writes);
    m_writes.clear();
    if (!ReplaceWhole(m_fileName, writes))
        throw EIniFileException("Unable to write to " + m_fileName);
}
