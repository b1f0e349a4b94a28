// Settings file in the platform's private-profile format. Every read takes
// one key straight from the file; writes are gathered and put into the file
// together by UpdateFile, so that the file is always whole.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "ansi_string.h"
#include "profile_text.h"

class IniFileTurn;

class TIniFile {
public:
    explicit TIniFile(AnsiString fileName);
    ~TIniFile();
    TIniFile(TIniFile&&) noexcept;

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

    // Gathered for UpdateFile; a line break in a value becomes a blank.
    void WriteString(const AnsiString& section, const AnsiString& ident, const AnsiString& value);
    void WriteInteger(const AnsiString& section, const AnsiString& ident, int value);
    void WriteBool(const AnsiString& section, const AnsiString& ident, bool value);

    // Puts the gathered keys into the file in one step: the file as it is now
    // (keys of other writers included) with the keys written into it goes to
    // a new file beside it, which then replaces it. One process at a time
    // reads or updates a file. Raises EIniFileException "Unable to write to
    // <file>" when any of it fails; the file then stays as it was.
    void UpdateFile();

    // From BeginReading to EndReading (or the object's end) the reads take
    // the file's turn once for all of them rather than key by key: they see
    // one version of the file, and cost no round trip to the system each.
    void BeginReading();
    void EndReading();

private:
    AnsiString m_fileName;
    std::vector<ProfileWrite> m_writes;
    std::unique_ptr<IniFileTurn> m_readingTurn;
};
