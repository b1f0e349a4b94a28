#include "font_choice.h"

#include "locale_fonts.h"

namespace {

const wchar_t kKey[] = L"SOFTWARE\\Corvane\\Common";
const wchar_t kValue[] = L"rilo_fontname";
constexpr DWORD kValueBytes = 1024;

LCID g_localeForTesting = 0;

// Reads the value into face (at most 1024 bytes, always terminated here).
// A value that is not a string counts as absent.
bool ReadFontName(wchar_t (&face)[kValueBytes / sizeof(wchar_t) + 1])
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return false;
    DWORD type = 0;
    DWORD size = kValueBytes;
    const LONG status = RegQueryValueExW(key, kValue, nullptr, &type, reinterpret_cast<BYTE*>(face), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ);
}

} // namespace

bool HasRegistryFontName()
{
    wchar_t face[kValueBytes / sizeof(wchar_t) + 1] = {};
    return ReadFontName(face);
}

CString GetRegistryFontName()
{
    wchar_t face[kValueBytes / sizeof(wchar_t) + 1] = {};
    if (!ReadFontName(face))
        return CString();
    return CString(face);
}

LCID FontChoiceLocale() { return g_localeForTesting ? g_localeForTesting : GetSystemDefaultLCID(); }

void SetFontChoiceLocaleForTesting(LCID lcid) { g_localeForTesting = lcid; }

CString GetFaceNameForLocale()
{
    return CString(reinterpret_cast<const wchar_t*>(FaceNameByLocale(FontChoiceLocale())));
}

int GetCharsetForLocale() { return CharsetByLocale(FontChoiceLocale()); }
