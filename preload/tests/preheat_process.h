// One run of the built preloader as a real process, started the way the
// device starts it: with its current folder on the drive that holds the
// device's root folders (C:).
#pragma once

#include <windows.h>

#include <functional>

class PreheatProcess {
public:
    PreheatProcess();
    ~PreheatProcess(); // stops the process when it still runs
    PreheatProcess(const PreheatProcess&) = delete;
    PreheatProcess& operator=(const PreheatProcess&) = delete;

    bool started() const { return m_process != nullptr; }
    // Whether the process ended within `ms`; its exit code in `code`.
    bool EndsWithin(DWORD ms, DWORD* code) const;
    bool Running() const;
    // Whether a module of this file name is mapped in the process.
    bool HasModule(const char* name) const;
    void Stop();

private:
    HANDLE m_process = nullptr;
};

// Polls `condition` until it holds or `ms` have passed.
bool WaitUntil(const std::function<bool()>& condition, DWORD ms);
