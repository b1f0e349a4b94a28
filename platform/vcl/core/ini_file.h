// Settings file in the platform's private-profile format. Every call reads
// or writes one key straight in the file; nothing is cached.
#pragma once

#include <utility>

#include "ansi_string.h"

class TIniFile {
public:
    explicit TIniFile(AnsiString fileName) : m_fileName(std::move(fileName)) {}

    const AnsiString& FileName() const { return m_fileName; }

    // The value without blanks at its ends or one pair of enclosing quotes,
    // cut to 2047 characters; def only when the key is missing.
    AnsiString ReadString(const AnsiString& section, const AnsiString& ident,
                          const AnsiString& def) const;
    // "0x" or "0X" followed by more is hexadecimal; otherwise as StrToIntDef.
    // A missing, empty or unreadable value gives def.
    int ReadInteger(const AnsiString& section, const AnsiString& ident, int def) const;
    // Read as an integer, true when not 0.
    bool ReadBool(const AnsiString& section, const AnsiString& ident, bool def) const;

    // Each raises EIniFileException "Unable to write to <file>" when the key
    // cannot be written; keys written before stay written.
    void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value);
    void WriteInteger(const AnsiString& section, const AnsiString& ident, int value);
    void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);

private:
    AnsiString m_fileName;
};
