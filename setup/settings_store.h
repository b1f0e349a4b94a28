// One key of the settings file at a time: what the loader and the saver need
// of a private-profile file. The program uses the settings file itself; the
// native tests use a recording store.
#pragma once

#include "ansi_string.h"

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The key's value, or def when the key is missing.
    virtual AnsiString ReadString(const AnsiString& section, const AnsiString& key, const AnsiString& def) = 0;
    // def when the key is missing, empty or not a number.
    virtual int ReadInteger(const AnsiString& section, const AnsiString& key, int def) = 0;
    virtual bool ReadBool(const AnsiString& section, const AnsiString& key, bool def) = 0;

    // A store may hold the keys written until its owner puts them into the file.
    virtual void WriteString(const AnsiString& section, const AnsiString& key, const AnsiString& value) = 0;
    virtual void WriteInteger(const AnsiString& section, const AnsiString& key, int value) = 0;
    virtual void WriteBool(const AnsiString& section, const AnsiString& key, bool value) = 0;
};
