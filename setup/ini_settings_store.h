// The settings store over the settings file itself: keys are read one per
// call; the keys written go into the file together at UpdateFile.
#pragma once

#include "ini_file.h"
#include "settings_store.h"

class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const AnsiString& fileName) : ini_(fileName) {}

    AnsiString ReadString(const AnsiString& section, const AnsiString& key, const AnsiString& def) override
    {
        return ini_.ReadString(section, key, def);
    }
    int ReadInteger(const AnsiString& section, const AnsiString& key, int def) override
    {
        return ini_.ReadInteger(section, key, def);
    }
    bool ReadBool(const AnsiString& section, const AnsiString& key, bool def) override
    {
        return ini_.ReadBool(section, key, def);
    }
    void WriteString(const AnsiString& section, const AnsiString& key, const AnsiString& value) override
    {
        ini_.WriteString(section, key, value);
    }
    void WriteInteger(const AnsiString& section, const AnsiString& key, int value) override
    {
        ini_.WriteInteger(section, key, value);
    }
    void WriteBool(const AnsiString& section, const AnsiString& key, bool value) override
    {
        ini_.WriteBool(section, key, value);
    }
    // Raises when the file cannot be written; it then stays as it was.
    void UpdateFile() { ini_.UpdateFile(); }
    // The reads until EndReading see one version of the file.
    void BeginReading() { ini_.BeginReading(); }
    void EndReading() { ini_.EndReading(); }

private:
    TIniFile ini_;
};
