// Stand-in for the POS script engine: loads one build of the library by
// path, calls one export with arguments from the command line, and prints
// what the export gave back, one "name=value" line each.
//
//   poshost <library> load
//   poshost <library> do_prorate <total> <part> <amount>
//   poshost <library> ProrateEx <total> <part> <array1> <count1> <array2> <count2> <v1> <v2> <v3>
//   poshost <library> rilo_short_inq <lines> <version>
//   poshost <library> rilo_display <caption> <lines> <mode>
//   poshost <library> rilo_list_input <title> <heading> <items> <unused> <version>
//   poshost <library> rilo_gst_select <title> <heading> <guest line> <markers> <mode>
//   poshost --cancel <library> <dialog export> ... : presses Escape in the
//           dialog as soon as it is up, so that the call returns by itself
//
// Texts take the escapes \xHH (one byte, e.g. \x1C, the separator of a
// text list) and \\; "@null" passes a null text, "@noaccess" one that
// faults on any access and the prefix "@ro:" a read-only one. A dialog
// export's end code may follow its arguments as one more token ("@null",
// "@noaccess", "@ro:n", or n: the value it holds before the call).
//
// Arrays are comma-separated integers ("" for none). Pointer arguments also
// take "@null", "@noaccess" (memory that faults on any access) and the
// prefix "@ro:" (read-only memory). Arrays end at a no-access page, so a
// count beyond the list runs into a fault, as a script's bad count would.
#include "caller_memory.h"
#include "arguments.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using DoProrateFn = int (*)(const char*, const char*, const char*, char*);
using ProrateExFn = void (*)(int, int, int*, int, int*, int, int*, int*, int*, int*);
using ShortInqFn = void (*)(const char*, const char*);
using DisplayFn = void (*)(const char*, const char*, int, int*);
using ListInputFn = void (*)(const char*, const char*, const char*, int, const char*, int*);
using GstSelectFn = void (*)(const char*, const char*, const char*, const char*, int, int*);

// What the end code holds before the call: shows whether it was written.
constexpr int kUnwritten = -123456789;

int Usage()
{
    std::fprintf(stderr,
                 "usage: poshost <library> load\n"
                 "       poshost <library> do_prorate <total> <part> <amount>\n"
                 "       poshost <library> ProrateEx <total> <part> <array1> <count1> <array2> <count2> <v1> <v2> "
                 "<v3>\n"
                 "       poshost <library> rilo_short_inq <lines> <version>\n"
                 "       poshost <library> rilo_display <caption> <lines> <mode>\n"
                 "       poshost <library> rilo_list_input <title> <heading> <items> <unused> <version>\n"
                 "       poshost <library> rilo_gst_select <title> <heading> <guest line> <markers> <mode>\n");
    return 2;
}

void PrintInts(const char* name, const int* values, int count, bool readable)
{
    std::printf("%s=", name);
    if (!readable)
        std::printf("<not readable>");
    for (int i = 0; readable && i < count; ++i)
        std::printf(i ? ",%d" : "%d", values[i]);
    std::printf("\n");
}

int CallDoProrate(FARPROC proc, char** args, int count)
{
    if (count != 3)
        return Usage();
    CallerMemory memory;
    const char* texts[3];
    for (int i = 0; i < 3; ++i)
        if (!memory.Text(args[i], &texts[i]))
            return Fail("not a text argument: %s", args[i]);
    // The caller's buffer of 64 characters, followed by a canary.
    char buffer[64 + 16];
    std::memset(buffer, 0x5A, sizeof buffer);
    const int written = reinterpret_cast<DoProrateFn>(reinterpret_cast<void*>(proc))(texts[0], texts[1], texts[2], buffer);
    bool canary = true;
    for (size_t i = 64; i < sizeof buffer; ++i)
        canary = canary && buffer[i] == 0x5A;
    std::printf("return=%d\n", written);
    std::printf("result=%.*s\n", static_cast<int>(strnlen(buffer, 64)), buffer);
    std::printf("canary=%s\n", canary ? "intact" : "overwritten");
    return canary ? 0 : 1;
}

int CallProrateEx(FARPROC proc, char** args, int count)
{
    if (count != 9)
        return Usage();
    int total = 0, part = 0, count1 = 0, count2 = 0;
    if (!ParseInt(args[0], &total) || !ParseInt(args[1], &part) || !ParseInt(args[3], &count1) ||
        !ParseInt(args[5], &count2))
        return Fail("total, part and counts must be integers");
    CallerMemory memory;
    IntBlock array1, array2, v1, v2, v3;
    if (!memory.Ints(args[2], &array1) || !memory.Ints(args[4], &array2))
        return Fail("an array is a comma-separated list of integers: %s %s", args[2], args[4]);
    if (!memory.Ints(args[6], &v1) || !memory.Ints(args[7], &v2) || !memory.Ints(args[8], &v3) || v1.count > 1 ||
        v2.count > 1 || v3.count > 1)
        return Fail("a single value is one integer");
    int status = -1;
    reinterpret_cast<ProrateExFn>(reinterpret_cast<void*>(proc))(total, part, array1.data, count1, array2.data, count2,
                                                                 v1.data, v2.data, v3.data, &status);
    PrintInts("array1", array1.data, array1.count, array1.readable);
    PrintInts("array2", array2.data, array2.count, array2.readable);
    PrintInts("value1", v1.data, v1.count, v1.readable);
    PrintInts("value2", v2.data, v2.count, v2.readable);
    PrintInts("value3", v3.data, v3.count, v3.readable);
    std::printf("status=%d\n", status);
    return 0;
}

void PrintEndCode(const IntBlock& endCode)
{
    if (!endCode.readable)
        std::printf("endcode=<not readable>\n");
    else if (endCode.data[0] == kUnwritten)
        std::printf("endcode=unwritten\n");
    else
        std::printf("endcode=%d\n", endCode.data[0]);
}

// Texts of a dialog export in caller memory, with their escapes resolved.
bool DialogTexts(char** args, int count, CallerMemory& memory, std::vector<const char*>& texts)
{
    texts.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const char* token = args[i];
        if (std::strcmp(token, "@null") == 0 || std::strcmp(token, "@noaccess") == 0) {
            if (!memory.Text(token, &texts[i]))
                return false;
            continue;
        }
        const bool readOnly = std::strncmp(token, "@ro:", 4) == 0;
        std::string text;
        if (!Unescape(readOnly ? token + 4 : token, &text))
            return false;
        if (!memory.Text(((readOnly ? "@ro:" : "") + text).c_str(), &texts[i]))
            return false;
    }
    return true;
}

// The end code's place: the optional token after the arguments, else an
// ordinary integer that holds kUnwritten.
bool EndCodeBlock(char** args, int count, int expected, CallerMemory& memory, IntBlock* block)
{
    if (count == expected + 1)
        return memory.Ints(args[expected], block) && (!block->readable || block->count == 1);
    const std::string unwritten = std::to_string(kUnwritten);
    return memory.Ints(unwritten.c_str(), block);
}

// Presses Escape in the dialog of this thread once it is shown.
BOOL CALLBACK CancelDialog(HWND window, LPARAM)
{
    wchar_t name[16] = L"";
    if (IsWindowVisible(window) && GetClassNameW(window, name, 16) && std::wcscmp(name, L"#32770") == 0)
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}
void CALLBACK CancelTick(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0); }

int CallDialog(const std::string& name, FARPROC proc, char** args, int count)
{
    void* fn = reinterpret_cast<void*>(proc);
    CallerMemory memory;
    std::vector<const char*> t;
    IntBlock endCode;
    int mode = 0;
    if (name == "rilo_short_inq") {
        if (count != 2)
            return Usage();
        if (!DialogTexts(args, 2, memory, t))
            return Fail("bad escape in a text");
        reinterpret_cast<ShortInqFn>(fn)(t[0], t[1]);
        std::printf("endcode=none\n");
        return 0;
    }
    if (name == "rilo_display") {
        if (count != 3 && count != 4)
            return Usage();
        if (!DialogTexts(args, 2, memory, t) || !ParseInt(args[2], &mode) ||
            !EndCodeBlock(args, count, 3, memory, &endCode))
            return Fail("rilo_display takes a caption, lines and an integer mode");
        reinterpret_cast<DisplayFn>(fn)(t[0], t[1], mode, endCode.data);
    } else if (name == "rilo_list_input") {
        int unused = 0;
        if (count != 5 && count != 6)
            return Usage();
        std::vector<const char*> version;
        if (!DialogTexts(args, 3, memory, t) || !ParseInt(args[3], &unused) ||
            !DialogTexts(args + 4, 1, memory, version) || !EndCodeBlock(args, count, 5, memory, &endCode))
            return Fail("rilo_list_input takes a title, a heading, items, an integer and a version");
        reinterpret_cast<ListInputFn>(fn)(t[0], t[1], t[2], unused, version[0], endCode.data);
    } else {
        if (count != 5 && count != 6)
            return Usage();
        if (!DialogTexts(args, 4, memory, t) || !ParseInt(args[4], &mode) ||
            !EndCodeBlock(args, count, 5, memory, &endCode))
            return Fail("rilo_gst_select takes a title, a heading, a guest line, markers and an integer mode");
        reinterpret_cast<GstSelectFn>(fn)(t[0], t[1], t[2], t[3], mode, endCode.data);
    }
    PrintEndCode(endCode);
    return 0;
}

bool IsDialogExport(const std::string& name)
{
    return name == "rilo_short_inq" || name == "rilo_display" || name == "rilo_list_input" ||
           name == "rilo_gst_select";
}

} // namespace

int main(int argc, char** argv)
{
    const bool cancel = argc > 1 && std::strcmp(argv[1], "--cancel") == 0;
    if (cancel) {
        --argc;
        ++argv;
        SetTimer(nullptr, 0, 50, CancelTick);
    }
    if (argc < 3)
        return Usage();
    const char* path = argv[1];
    const std::string exportName = argv[2];
    if (exportName != "load" && exportName != "do_prorate" && exportName != "ProrateEx" && !IsDialogExport(exportName))
        return Fail("unknown export: %s", argv[2]);

    HMODULE library = LoadLibraryA(path);
    if (!library)
    {
        std::fprintf(stderr, "poshost: cannot load library %s (error %lu)\n", path, GetLastError());
        return 3;
    }
    std::printf("library=%s\nloaded\n", path);

    int rc = 0;
    if (exportName != "load") {
        FARPROC proc = GetProcAddress(library, exportName.c_str());
        if (!proc) {
            std::fprintf(stderr, "poshost: %s has no export %s\n", path, exportName.c_str());
            FreeLibrary(library);
            return 4;
        }
        std::printf("export=%s\n", exportName.c_str());
        if (IsDialogExport(exportName))
            rc = CallDialog(exportName, proc, argv + 3, argc - 3);
        else if (exportName == "do_prorate")
            rc = CallDoProrate(proc, argv + 3, argc - 3);
        else
            rc = CallProrateEx(proc, argv + 3, argc - 3);
    }
    std::fflush(stdout);
    if (!FreeLibrary(library))
        return Fail("cannot unload library %s", path);
    std::printf("unloaded\n");
    return rc;
}
