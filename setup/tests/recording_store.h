// A settings store in memory that records every key read or written, in
// order, as "read SECTION/KEY" or "write SECTION/KEY=value". Section and key
// names are compared without regard to case, as the settings file does.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings_store.h"

class RecordingStore : public SettingsStore {
public:
    // A stored value; "" is a key present with an empty value.
    void Set(const std::string& section, const std::string& key, const std::string& value);
    bool Has(const std::string& section, const std::string& key) const;
    std::string Get(const std::string& section, const std::string& key) const;
    // Writing this key raises, as a read-only file does.
    void FailWritingAt(const std::string& section, const std::string& key);

    std::vector<std::string> log;

    AnsiString ReadString(const AnsiString& section, const AnsiString& key, const AnsiString& def) override;
    int ReadInteger(const AnsiString& section, const AnsiString& key, int def) override;
    bool ReadBool(const AnsiString& section, const AnsiString& key, bool def) override;
    void WriteString(const AnsiString& section, const AnsiString& key, const AnsiString& value) override;
    void WriteInteger(const AnsiString& section, const AnsiString& key, int value) override;
    void WriteBool(const AnsiString& section, const AnsiString& key, bool value) override;

private:
    static std::string Id(const std::string& section, const std::string& key);
    std::map<std::string, std::string> values_;
    std::string failAt_;
};
