#include "caller_memory.h"

#include "arguments.h"

#include <cstring>
#include <string>

namespace {

constexpr size_t kPage = 4096;
constexpr size_t kBlock = 16 * kPage;

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

} // namespace

CallerMemory::~CallerMemory()
{
    for (void* allocation : m_allocations)
        VirtualFree(allocation, 0, MEM_RELEASE);
}

char* CallerMemory::Fenced(const void* bytes, size_t size, bool readOnly)
{
    if (size > kBlock)
        return nullptr;
    char* base = static_cast<char*>(VirtualAlloc(nullptr, kBlock + kPage, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (!base)
        return nullptr;
    m_allocations.push_back(base);
    DWORD old;
    VirtualProtect(base + kBlock, kPage, PAGE_NOACCESS, &old);
    char* at = base + kBlock - size;
    std::memcpy(at, bytes, size);
    if (readOnly)
        VirtualProtect(base, kBlock, PAGE_READONLY, &old);
    return at;
}

char* CallerMemory::NoAccess()
{
    char* base = static_cast<char*>(VirtualAlloc(nullptr, kPage, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS));
    if (base)
        m_allocations.push_back(base);
    return base;
}

bool CallerMemory::Text(const char* token, const char** text)
{
    if (std::strcmp(token, "@null") == 0) {
        *text = nullptr;
        return true;
    }
    if (std::strcmp(token, "@noaccess") == 0)
        return (*text = NoAccess()) != nullptr;
    const bool readOnly = StartsWith(token, "@ro:");
    const char* value = readOnly ? token + 4 : token;
    return (*text = Fenced(value, std::strlen(value) + 1, readOnly)) != nullptr;
}

bool CallerMemory::Ints(const char* token, IntBlock* block)
{
    *block = IntBlock{};
    if (std::strcmp(token, "@null") == 0) {
        block->readable = false;
        return true;
    }
    if (std::strcmp(token, "@noaccess") == 0) {
        block->readable = false;
        return (block->data = reinterpret_cast<int*>(NoAccess())) != nullptr;
    }
    const bool readOnly = StartsWith(token, "@ro:");
    std::string list = readOnly ? token + 4 : token;
    std::vector<int> values;
    size_t start = 0;
    while (!list.empty() && start <= list.size()) {
        const size_t comma = list.find(',', start);
        const std::string item = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        int value = 0;
        if (!ParseInt(item.c_str(), &value))
            return false;
        values.push_back(value);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    // An empty list still gets a place (at the fence), like an empty array.
    block->data = reinterpret_cast<int*>(Fenced(values.data(), values.size() * sizeof(int), readOnly));
    block->count = static_cast<int>(values.size());
    return block->data != nullptr;
}
