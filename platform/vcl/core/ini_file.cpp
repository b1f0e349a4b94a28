#include "ini_file.h"

#include <windows.h>

#include "exceptions.h"
#include "sysutils.h"

AnsiString TIniFile::ReadString(const AnsiString& section, const AnsiString& ident,
                                const AnsiString& def) const
{
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
    // Windows never writes a read-only file; Wine run by root would, so the
    // attribute is checked here as well.
    const DWORD attributes = GetFileAttributesA(m_fileName.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
                          !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    if (readOnly ||
        !WritePrivateProfileStringA(section.c_str(), ident.c_str(), value.c_str(), m_fileName.c_str()))
        throw EIniFileException("Unable to write to " + m_fileName);
}

void TIniFile::WriteInteger(const AnsiString& section, const AnsiString& ident, int value)
{
    WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const AnsiString& section, const AnsiString& ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}
