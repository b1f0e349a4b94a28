// The list font's face from the registry value rilo_fontname, and face and
// character set by locale, against the real registry of the test's prefix.
#include "font_choice.h"
#include "import_hook.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Str(const CString& text) { return static_cast<const wchar_t*>(text); }

const wchar_t kCorvane[] = L"SOFTWARE\\Corvane";
const wchar_t kCommon[] = L"SOFTWARE\\Corvane\\Common";

// Each case starts without the key and removes only what it created.
class RegistryFontName : public testing::Test {
protected:
    void SetUp() override
    {
        HKEY key = nullptr;
        m_corvaneExisted = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCorvane, 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (key)
            RegCloseKey(key);
        key = nullptr;
        ASSERT_NE(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCommon, 0, KEY_READ, &key))
            << "the test prefix already holds the font key";
    }
    void TearDown() override { RemoveKeys(); }

    void RemoveKeys() const
    {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, kCommon);
        RegDeleteKeyW(HKEY_LOCAL_MACHINE, kCommon);
        if (!m_corvaneExisted)
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, kCorvane);
        HKEY key = nullptr;
        EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCommon, 0, KEY_READ, &key));
    }
    static HKEY CreateKey()
    {
        HKEY key = nullptr;
        EXPECT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, kCommon, 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr));
        return key;
    }
    static void SetValue(DWORD type, const void* data, DWORD bytes)
    {
        HKEY key = CreateKey();
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExW(key, L"rilo_fontname", 0, type, static_cast<const BYTE*>(data), bytes));
        RegCloseKey(key);
    }
    bool m_corvaneExisted = false;

    // A string value with its terminating zero.
    static void SetFace(const std::wstring& face)
    {
        SetValue(REG_SZ, face.c_str(), static_cast<DWORD>((face.size() + 1) * sizeof(wchar_t)));
    }
};

TEST_F(RegistryFontName, AbsentWithoutKeyOrValue)
{
    EXPECT_FALSE(HasRegistryFontName()) << "no key";
    EXPECT_EQ(std::wstring(L""), Str(GetRegistryFontName()));

    RegCloseKey(CreateKey());
    EXPECT_FALSE(HasRegistryFontName()) << "key without the value";
    EXPECT_EQ(std::wstring(L""), Str(GetRegistryFontName()));

    HKEY key = CreateKey();
    RegSetValueExW(key, L"rilo_fontname_other", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"Arial"), 12);
    RegCloseKey(key);
    EXPECT_FALSE(HasRegistryFontName()) << "only another value";
}

// The registry calls of the font choice, counted on their way to the platform.
using OpenKeyFn = LONG(WINAPI*)(HKEY, LPCWSTR, DWORD, REGSAM, PHKEY);
using CloseKeyFn = LONG(WINAPI*)(HKEY);
OpenKeyFn g_openKey = nullptr;
CloseKeyFn g_closeKey = nullptr;
int g_keysOpen = 0;

LONG WINAPI CountedOpenKey(HKEY root, LPCWSTR path, DWORD options, REGSAM access, PHKEY key)
{
    const LONG status = g_openKey(root, path, options, access, key);
    if (status == ERROR_SUCCESS)
        ++g_keysOpen;
    return status;
}

LONG WINAPI CountedCloseKey(HKEY key)
{
    --g_keysOpen;
    return g_closeKey(key);
}

// Both reads, with the keys they open counted: none may stay open.
void ReadCountingKeys()
{
    HMODULE advapi = GetModuleHandleW(L"advapi32.dll");
    g_openKey = reinterpret_cast<OpenKeyFn>(reinterpret_cast<void*>(GetProcAddress(advapi, "RegOpenKeyExW")));
    g_closeKey = reinterpret_cast<CloseKeyFn>(reinterpret_cast<void*>(GetProcAddress(advapi, "RegCloseKey")));
    ImportHook open(GetModuleHandleW(nullptr), "advapi32.dll", "RegOpenKeyExW",
                    reinterpret_cast<void*>(&CountedOpenKey));
    ImportHook close(GetModuleHandleW(nullptr), "advapi32.dll", "RegCloseKey",
                     reinterpret_cast<void*>(&CountedCloseKey));
    ASSERT_TRUE(open.ok() && close.ok());
    g_keysOpen = 0;
    HasRegistryFontName();
    GetRegistryFontName();
    EXPECT_EQ(0, g_keysOpen);
}

TEST_F(RegistryFontName, EveryKeyOpenedIsClosedAgain)
{
    {
        SCOPED_TRACE("no key");
        ReadCountingKeys();
    }
    RegCloseKey(CreateKey());
    {
        SCOPED_TRACE("key without the value");
        ReadCountingKeys();
    }
    SetFace(L"Tahoma");
    {
        SCOPED_TRACE("value present");
        ReadCountingKeys();
    }
}

TEST_F(RegistryFontName, PresentValueIsReadAfreshEachTime)
{
    SetFace(L"Tahoma");
    EXPECT_TRUE(HasRegistryFontName());
    EXPECT_EQ(std::wstring(L"Tahoma"), Str(GetRegistryFontName()));

    SetFace(L"Courier New");
    EXPECT_EQ(std::wstring(L"Courier New"), Str(GetRegistryFontName())) << "a changed value counts at the next read";

    // String data stored without its terminating zero reads the same.
    SetValue(REG_SZ, L"Arial", 5 * sizeof(wchar_t));
    EXPECT_TRUE(HasRegistryFontName());
    EXPECT_EQ(std::wstring(L"Arial"), Str(GetRegistryFontName()));

    RemoveKeys();
    EXPECT_FALSE(HasRegistryFontName()) << "a removed value is gone at the next read";
}

TEST_F(RegistryFontName, ValueOfUpTo1024BytesCounts)
{
    const std::wstring longest(511, L'x'); // 1024 bytes with its terminator
    SetFace(longest);
    EXPECT_TRUE(HasRegistryFontName());
    const CString read = GetRegistryFontName();
    EXPECT_EQ(511, read.GetLength());
    EXPECT_EQ(longest, Str(read));

    SetFace(std::wstring(512, L'y')); // 1026 bytes
    EXPECT_FALSE(HasRegistryFontName());
    EXPECT_EQ(std::wstring(L""), Str(GetRegistryFontName()));
}

TEST_F(RegistryFontName, EmptyStringIsPresentAndEmpty)
{
    SetFace(L"");
    EXPECT_TRUE(HasRegistryFontName());
    EXPECT_EQ(std::wstring(L""), Str(GetRegistryFontName()));
}

TEST_F(RegistryFontName, ValueThatIsNotAStringCountsAsAbsent)
{
    const DWORD number = 0x006C6961; // "ail" if it were read as text
    SetValue(REG_DWORD, &number, sizeof number);
    EXPECT_FALSE(HasRegistryFontName());
    EXPECT_EQ(std::wstring(L""), Str(GetRegistryFontName()));

    SetValue(REG_BINARY, L"Arial", 12);
    EXPECT_FALSE(HasRegistryFontName());

    SetValue(REG_EXPAND_SZ, L"Arial", 12);
    EXPECT_TRUE(HasRegistryFontName()) << "an expandable string is a string";
    EXPECT_EQ(std::wstring(L"Arial"), Str(GetRegistryFontName()));
}

class LocaleFonts : public testing::Test {
protected:
    void TearDown() override { SetFontChoiceLocaleForTesting(0); }
};

TEST_F(LocaleFonts, FaceByLocale)
{
    struct Row {
        LCID lcid;
        const wchar_t* face;
    } rows[] = {{2052, L"Simsun"},      {1028, L"Simsun"},      {5124, L"Simsun"},  {1041, L"Msgothic"},
                {1042, L"Gulim"},       {1049, L"Georgia"},     {1033, L"Courier New"},
                {2073, L"Courier New"}, {3082, L"Courier New"}, {1045, L"Courier New"}};
    for (const Row& r : rows) {
        SetFontChoiceLocaleForTesting(r.lcid);
        EXPECT_EQ(std::wstring(r.face), Str(GetFaceNameForLocale())) << "LCID " << r.lcid;
    }
}

TEST_F(LocaleFonts, CharacterSetByLocale)
{
    struct Row {
        LCID lcid;
        int charset;
    } rows[] = {
        {1033, 238}, {1041, 0},   {1042, 130}, {2073, 204}, {3082, 0},   {1049, 204}, {1025, 178},
        {16385, 178}, {2052, 134}, {1028, 134}, {1032, 161}, {1037, 177}, {1045, 186}, {1055, 162},
        {1066, 163}, {1031, 238}, {20490, 238}, {1029, 0},   {1044, 0},
    };
    for (const Row& r : rows) {
        SetFontChoiceLocaleForTesting(r.lcid);
        EXPECT_EQ(r.charset, GetCharsetForLocale()) << "LCID " << r.lcid;
    }
}

TEST_F(LocaleFonts, WithoutATestLocaleTheSystemDefaultCounts)
{
    SetFontChoiceLocaleForTesting(1049);
    EXPECT_EQ(1049u, FontChoiceLocale());
    SetFontChoiceLocaleForTesting(0);
    EXPECT_EQ(GetSystemDefaultLCID(), FontChoiceLocale());
}

} // namespace
