#include "preheat_process.h"

#include <psapi.h>

#include <algorithm>

#include <string>
#include <vector>

#include "library_loader.h"

PreheatProcess::PreheatProcess()
{
    const std::string program = BesideProgram("desktop_ce\\Siskin\\preheat.exe");
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info;
    ZeroMemory(&info, sizeof(info));
    if (CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, "C:\\", &startup, &info)) {
        CloseHandle(info.hThread);
        m_process = info.hProcess;
    }
}

PreheatProcess::~PreheatProcess()
{
    Stop();
    if (m_process)
        CloseHandle(m_process);
}

bool PreheatProcess::EndsWithin(DWORD ms, DWORD* code) const
{
    if (!m_process || WaitForSingleObject(m_process, ms) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(m_process, code) != 0;
}

bool PreheatProcess::Running() const { return m_process && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT; }

bool PreheatProcess::HasModule(const char* name) const
{
    if (!Running())
        return false;
    std::vector<HMODULE> modules(256);
    DWORD needed = 0;
    if (!EnumProcessModules(m_process, modules.data(), DWORD(modules.size() * sizeof(HMODULE)), &needed))
        return false;
    modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
    for (HMODULE module : modules) {
        char base[MAX_PATH];
        if (GetModuleBaseNameA(m_process, module, base, sizeof(base)) && lstrcmpiA(base, name) == 0)
            return true;
    }
    return false;
}

void PreheatProcess::Stop()
{
    if (!Running())
        return;
    TerminateProcess(m_process, 1);
    WaitForSingleObject(m_process, INFINITE);
}

bool WaitUntil(const std::function<bool()>& condition, DWORD ms)
{
    const ULONGLONG deadline = GetTickCount64() + ms;
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(10);
    }
    return true;
}
