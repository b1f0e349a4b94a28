// Runs the prorating cases of prorate_cases.txt through the exports of one
// desktop build of the library and prints a result line per case, as
// emulate.py prints those of an ARM image, so that the two can be compared.
//
//   prorate_table.exe LIBRARY.dll CASES
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using DoProrateFn = int (*)(const char*, const char*, const char*, char*);
using ProrateExFn = void (*)(int32_t, int32_t, int32_t*, int32_t, int32_t*, int32_t, int32_t*, int32_t*, int32_t*,
                             int32_t*);

std::vector<int32_t> ParseList(const std::string& text)
{
    std::vector<int32_t> values;
    if (text == "-")
        return values;
    std::istringstream in(text);
    std::string item;
    while (std::getline(in, item, ','))
        values.push_back(static_cast<int32_t>(std::stoll(item)));
    return values;
}

std::string ShowList(const std::vector<int32_t>& values)
{
    if (values.empty())
        return "-";
    std::string out;
    for (size_t i = 0; i < values.size(); ++i)
        out += (i ? "," : "") + std::to_string(values[i]);
    return out;
}

std::string Text(std::string field)
{
    if (field == "_")
        return std::string();
    for (char& c : field)
        if (c == '~')
            c = ' ';
    return field;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: prorate_table LIBRARY.dll CASES\n");
        return 2;
    }
    HMODULE library = LoadLibraryA(argv[1]);
    if (!library) {
        std::fprintf(stderr, "prorate_table: cannot load %s\n", argv[1]);
        return 1;
    }
    auto doProrate = reinterpret_cast<DoProrateFn>(reinterpret_cast<void*>(GetProcAddress(library, "do_prorate")));
    auto prorateEx = reinterpret_cast<ProrateExFn>(reinterpret_cast<void*>(GetProcAddress(library, "ProrateEx")));
    if (!doProrate || !prorateEx) {
        std::fprintf(stderr, "prorate_table: %s lacks the prorating exports\n", argv[1]);
        return 1;
    }
    void* noAccess = VirtualAlloc(nullptr, 4096, MEM_RESERVE | MEM_COMMIT, PAGE_NOACCESS);
    std::ifstream cases(argv[2]);
    std::string line;
    while (std::getline(cases, line)) {
        std::istringstream in(line.substr(0, line.find('#')));
        std::vector<std::string> fields;
        for (std::string field; in >> field;)
            fields.push_back(field);
        if (fields.empty())
            continue;
        auto bad = [&](size_t i) { return i < fields.size() && (fields[i][0] == '!' || fields[i][0] == '?'); };
        // "!" a null pointer, "?" one to memory that cannot be read or written.
        auto badPointer = [&](size_t i) -> void* { return fields[i][0] == '!' ? nullptr : noAccess; };
        if (fields[0] == "d") {
            const std::string total = Text(fields[1]), part = Text(fields[2]), amount = Text(fields[3]);
            char result[64];
            std::memset(result, 0xAA, sizeof result);
            auto text = [&](size_t i, const std::string& t) {
                return bad(i) ? static_cast<const char*>(badPointer(i)) : t.c_str();
            };
            const int written = doProrate(text(1, total), text(2, part), text(3, amount),
                                          bad(4) ? static_cast<char*>(badPointer(4)) : result);
            if (bad(4))
                std::printf("d %d %s\n", written, fields[4].c_str());
            else
                std::printf("d %d %.*s\n", written, 64, result);
            continue;
        }
        std::vector<int32_t> arrays[2];
        int32_t counts[2] = {};
        for (int i = 0; i < 2; ++i) {
            if (bad(3 + i)) {
                counts[i] = static_cast<int32_t>(std::stoll(fields[3 + i].substr(1)));
            } else {
                arrays[i] = ParseList(fields[3 + i]);
                counts[i] = static_cast<int32_t>(arrays[i].size());
            }
        }
        int32_t single[4] = {0, 0, 0, 0x5A5A};
        for (int i = 0; i < 3; ++i)
            if (!bad(5 + i))
                single[i] = static_cast<int32_t>(std::stoll(fields[5 + i]));
        auto pointer = [&](size_t field, int32_t* p) { return bad(field) ? static_cast<int32_t*>(badPointer(field)) : p; };
        prorateEx(static_cast<int32_t>(std::stoll(fields[1])), static_cast<int32_t>(std::stoll(fields[2])),
                  pointer(3, arrays[0].data()), counts[0], pointer(4, arrays[1].data()), counts[1],
                  pointer(5, &single[0]), pointer(6, &single[1]), pointer(7, &single[2]), pointer(8, &single[3]));
        std::string out = "p";
        for (int i = 0; i < 2; ++i)
            out += " " + (bad(3 + i) ? fields[3 + i].substr(0, 1) : ShowList(arrays[i]));
        for (int i = 0; i < 4; ++i)
            out += " " + (bad(5 + i) ? fields[5 + i] : std::to_string(single[i]));
        std::printf("%s\n", out.c_str());
    }
    return 0;
}
