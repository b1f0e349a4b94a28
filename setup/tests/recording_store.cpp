#include "recording_store.h"

#include <cctype>
#include <stdexcept>

#include "sysutils.h"

std::string RecordingStore::Id(const std::string& section, const std::string& key)
{
    std::string id = section + "/" + key;
    for (char& c : id)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return id;
}

void RecordingStore::Set(const std::string& section, const std::string& key, const std::string& value)
{
    values_[Id(section, key)] = value;
}

bool RecordingStore::Has(const std::string& section, const std::string& key) const
{
    return values_.count(Id(section, key)) != 0;
}

std::string RecordingStore::Get(const std::string& section, const std::string& key) const
{
    auto it = values_.find(Id(section, key));
    return it == values_.end() ? "<missing>" : it->second;
}

void RecordingStore::FailWritingAt(const std::string& section, const std::string& key) { failAt_ = Id(section, key); }

AnsiString RecordingStore::ReadString(const AnsiString& section, const AnsiString& key, const AnsiString& def)
{
    log.push_back("read " + Id(section, key));
    auto it = values_.find(Id(section, key));
    return it == values_.end() ? def : it->second;
}

int RecordingStore::ReadInteger(const AnsiString& section, const AnsiString& key, int def)
{
    log.push_back("read " + Id(section, key));
    auto it = values_.find(Id(section, key));
    return it == values_.end() ? def : StrToIntDef(it->second, def);
}

bool RecordingStore::ReadBool(const AnsiString& section, const AnsiString& key, bool def)
{
    log.push_back("read " + Id(section, key));
    auto it = values_.find(Id(section, key));
    return (it == values_.end() ? (def ? 1 : 0) : StrToIntDef(it->second, def ? 1 : 0)) != 0;
}

void RecordingStore::WriteString(const AnsiString& section, const AnsiString& key, const AnsiString& value)
{
    if (Id(section, key) == failAt_)
        throw std::runtime_error("Unable to write to the settings file");
    log.push_back("write " + Id(section, key) + "=" + value);
    values_[Id(section, key)] = value;
}

void RecordingStore::WriteInteger(const AnsiString& section, const AnsiString& key, int value)
{
    WriteString(section, key, std::to_string(value));
}

void RecordingStore::WriteBool(const AnsiString& section, const AnsiString& key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}
