// Memory that the host hands to the library: each block ends right before a
// page that faults on any access, and may be read-only or absent.
#pragma once

#include <windows.h>

#include <vector>

struct IntBlock {
    int* data = nullptr;
    int count = 0;        // integers given on the command line
    bool readable = true; // false for "@null" and "@noaccess"
};

class CallerMemory {
public:
    CallerMemory() = default;
    ~CallerMemory();
    CallerMemory(const CallerMemory&) = delete;
    CallerMemory& operator=(const CallerMemory&) = delete;

    // "@null", "@noaccess", "[@ro:]text"; false when the text does not fit.
    bool Text(const char* token, const char** text);
    // "@null", "@noaccess", "[@ro:]n,n,..." (empty for none).
    bool Ints(const char* token, IntBlock* block);

private:
    // Places size bytes right before a no-access page.
    char* Fenced(const void* bytes, size_t size, bool readOnly);
    char* NoAccess();

    std::vector<void*> m_allocations;
};
