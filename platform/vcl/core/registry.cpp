#include "registry.h"

#include <vector>

#include "exceptions.h"

namespace {

AnsiString SubKey(const AnsiString& key)
{
    return !key.empty() && key[0] == '\\' ? key.substr(1) : key;
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
    std::vector<char> buffer(size + 1, '\0');
    if (RegQueryValueExA(m_currentKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS)
        throw ERegistryException("Failed to get data for '" + name + "'");
    // Stored text normally carries its terminator; expandable text stays unexpanded.
    return AnsiString(buffer.data());
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
