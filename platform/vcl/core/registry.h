// Access to one registry key at a time, the class library's registry object.
#pragma once

#include <windows.h>

#include "ansi_string.h"

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

class TRegistry {
public:
    TRegistry() = default;
    ~TRegistry() { CloseKey(); }
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // HKEY_CURRENT_USER unless set; setting it closes the open key.
    HKEY RootKey() const { return m_rootKey; }
    void SetRootKey(HKEY rootKey);
    HKEY CurrentKey() const { return m_currentKey; }

    // Key paths are taken from the root key; a leading backslash is allowed.
    // Each closes the key that was open and tells whether the new one opened.
    bool OpenKey(const AnsiString& key, bool canCreate);  // full access
    bool OpenKeyReadOnly(const AnsiString& key);
    void CloseKey();

    bool ValueExists(const AnsiString& name) const;
    // The kind of a value; rdUnknown when it is missing or of another type.
    TRegDataType GetDataType(const AnsiString& name) const;
    // A missing value reads as empty; a value that is neither text nor
    // expandable text raises "Invalid data type for '<name>'". A character
    // that the ANSI code page cannot hold exactly reads as "?".
    AnsiString ReadString(const AnsiString& name) const;
    // A value that is not a 32-bit integer raises "Invalid data type for
    // '<name>'"; a missing one "Failed to get data for '<name>'".
    int ReadInteger(const AnsiString& name) const;
    // A failed write raises "Failed to set data for '<name>'".
    void WriteString(const AnsiString& name, const AnsiString& value);
    void WriteInteger(const AnsiString& name, int value);

private:
    // Type and size of a value; false when the value cannot be queried.
    bool QueryValue(const AnsiString& name, DWORD& type, DWORD& size) const;
    void SetValue(const AnsiString& name, DWORD type, const void* data, DWORD size);

    HKEY m_rootKey = HKEY_CURRENT_USER;
    HKEY m_currentKey = nullptr;
};
