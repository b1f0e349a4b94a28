// UTF-16 string class of the library's class-library layer.
#pragma once

#include <windows.h>

#include <string>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_text(text ? text : L"") {}
    CString(const wchar_t* text, int length) : m_text(text, static_cast<size_t>(length)) {}

    // Formatted assignment. Understands %s (UTF-16 text), %S (narrow text,
    // converted through the ANSI code page), %d, %u, %x and %%; a null text
    // argument prints as "(null)".
    void Format(const wchar_t* format, ...);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    wchar_t GetAt(int index) const { return m_text[static_cast<size_t>(index)]; }
    operator const wchar_t*() const { return m_text.c_str(); }

    CString& operator+=(wchar_t unit)
    {
        m_text += unit;
        return *this;
    }
    CString& operator+=(const CString& other)
    {
        m_text += other.m_text;
        return *this;
    }
    bool operator==(const CString& other) const { return m_text == other.m_text; }
    bool operator!=(const CString& other) const { return m_text != other.m_text; }

private:
    std::wstring m_text;
};
