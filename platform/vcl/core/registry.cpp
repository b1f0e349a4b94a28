#include "registry.h"

#include <string>
#include <vector>

#include "exceptions.h"

namespace {

AnsiString SubKey(const AnsiString& key)
{
    return !key.empty() && key[0] == '\\' ? key.substr(1) : key;
}

std::wstring WideText(const AnsiString& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
    return wide;
}

// Text in the ANSI code page; a character that it cannot hold exactly becomes
// "?", which no file name may hold.
AnsiString NarrowTextExactly(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, nullptr, 0, "?", nullptr);
    if (size <= 1)
        return AnsiString();
    AnsiString narrow(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, -1, &narrow[0], size, "?", nullptr);
    narrow.resize(static_cast<size_t>(size - 1));
    return narrow;
}

}  // namespace

void TRegistry::SetRootKey(HKEY rootKey)
{
    CloseKey();
    m_rootKey = rootKey;
}

bool TRegistry::OpenKey(const AnsiString& key, bool canCreate)
{
    CloseKey();
    HKEY opened = nullptr;
    LONG result;
    if (canCreate) {
        result = RegCreateKeyExA(m_rootKey, SubKey(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &opened, nullptr);
    } else {
        result = RegOpenKeyExA(m_rootKey, SubKey(key).c_str(), 0, KEY_ALL_ACCESS, &opened);
    }
    if (result != ERROR_SUCCESS)
        return false;
    m_currentKey = opened;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const AnsiString& key)
{
    CloseKey();
    HKEY opened = nullptr;
    if (RegOpenKeyExA(m_rootKey, SubKey(key).c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return false;
    m_currentKey = opened;
    return true;
}

void TRegistry::CloseKey()
{
    if (m_currentKey) {
        RegCloseKey(m_currentKey);
        m_currentKey = nullptr;
    }
}

bool TRegistry::QueryValue(const AnsiString& name, DWORD& type, DWORD& size) const
{
    size = 0;
    return m_currentKey &&
           RegQueryValueExA(m_currentKey, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
}

bool TRegistry::ValueExists(const AnsiString& name) const
{
    DWORD type = 0;
    DWORD size = 0;
    return QueryValue(name, type, size);
}

TRegDataType TRegistry::GetDataType(const AnsiString& name) const
{
    DWORD type = 0;
    DWORD size = 0;
    if (!QueryValue(name, type, size))
        return rdUnknown;
    switch (type) {
    case REG_SZ: return rdString;
    case REG_EXPAND_SZ: return rdExpandString;
    case REG_DWORD: return rdInteger;
    case REG_BINARY: return rdBinary;
    default: return rdUnknown;
    }
}

AnsiString TRegistry::ReadString(const AnsiString& name) const
{
    DWORD type = 0;
    DWORD size = 0;
    if (!QueryValue(name, type, size))
        return AnsiString();
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw ERegistryException("Invalid data type for '" + name + "'");
    // Read as stored (UTF-16) and narrowed here: the narrow registry call
    // would give a look-alike for a character the code page lacks (a for
    // U+0101), naming another file or folder than the one stored.
    const std::wstring wideName = WideText(name);
    DWORD wideSize = 0;
    if (RegQueryValueExW(m_currentKey, wideName.c_str(), nullptr, &type, nullptr, &wideSize) != ERROR_SUCCESS)
        throw ERegistryException("Failed to get data for '" + name + "'");
    std::vector<wchar_t> buffer(wideSize / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(m_currentKey, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &wideSize) != ERROR_SUCCESS)
        throw ERegistryException("Failed to get data for '" + name + "'");
    // Stored text normally carries its terminator; expandable text stays unexpanded.
    return NarrowTextExactly(buffer.data());
}

int TRegistry::ReadInteger(const AnsiString& name) const
{
    DWORD type = 0;
    DWORD size = 0;
    if (!QueryValue(name, type, size))
        throw ERegistryException("Failed to get data for '" + name + "'");
    if (type != REG_DWORD)
        throw ERegistryException("Invalid data type for '" + name + "'");
    DWORD value = 0;
    size = sizeof value;
    if (RegQueryValueExA(m_currentKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
        ERROR_SUCCESS)
        throw ERegistryException("Failed to get data for '" + name + "'");
    return static_cast<int>(value);
}

void TRegistry::SetValue(const AnsiString& name, DWORD type, const void* data, DWORD size)
{
    if (!m_currentKey ||
        RegSetValueExA(m_currentKey, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) != ERROR_SUCCESS)
        throw ERegistryException("Failed to set data for '" + name + "'");
}

void TRegistry::WriteString(const AnsiString& name, const AnsiString& value)
{
    SetValue(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void TRegistry::WriteInteger(const AnsiString& name, int value)
{
    const auto data = static_cast<DWORD>(value);
    SetValue(name, REG_DWORD, &data, sizeof data);
}
