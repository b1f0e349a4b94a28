// One value per thread, for the CE images: they cannot carry the compiler's
// thread-local data, so each value takes a TLS slot of the system. The
// desktop builds use thread_local.
#pragma once

#include <windows.h>

template <class T>
class AfxThreadValue {
public:
    AfxThreadValue() : m_slot(::TlsAlloc()) {}
    operator T() const { return (T)(UINT_PTR)::TlsGetValue(m_slot); }
    T operator->() const { return *this; }
    AfxThreadValue& operator=(T value)
    {
        ::TlsSetValue(m_slot, (LPVOID)(UINT_PTR)value);
        return *this;
    }
    T operator++() { return *this = *this + 1, *this; }
    T operator--() { return *this = *this - 1, *this; }

private:
    DWORD m_slot;
};
