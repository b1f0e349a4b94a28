// Sets the registry value rilo_fontname for the life of the object and then
// removes the keys it created, so that the test prefix is left as found.
#pragma once

#include <windows.h>

class RegistryFace {
public:
    explicit RegistryFace(const wchar_t* face)
    {
        HKEY key = nullptr;
        m_corvaneExisted = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCorvane, 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (key)
            RegCloseKey(key);
        key = nullptr;
        m_commonExisted = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCommon, 0, KEY_READ, &key) == ERROR_SUCCESS;
        if (key)
            RegCloseKey(key);
        key = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kCommon, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegSetValueExW(key, L"rilo_fontname", 0, REG_SZ, reinterpret_cast<const BYTE*>(face),
                       static_cast<DWORD>((wcslen(face) + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    ~RegistryFace() { Remove(); }
    RegistryFace(const RegistryFace&) = delete;
    RegistryFace& operator=(const RegistryFace&) = delete;

    void Remove()
    {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kCommon, L"rilo_fontname");
        if (!m_commonExisted)
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, kCommon);
        if (!m_corvaneExisted)
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, kCorvane);
    }

private:
    static constexpr const wchar_t* kCorvane = L"SOFTWARE\\Corvane";
    static constexpr const wchar_t* kCommon = L"SOFTWARE\\Corvane\\Common";
    bool m_corvaneExisted = false;
    bool m_commonExisted = false;
};
