// The Windows CE declarations that the CE programs built here use, with
// CE's own layouts (CE's find data, for one, holds an object id where the
// desktop has two reserved words, so a desktop header would put the file
// name 4 bytes off). Wide characters are 2 bytes (-fshort-wchar).
#pragma once

#include <stdint.h>
#include <string.h>

#define WINAPI
typedef int BOOL;
typedef uint32_t DWORD;
typedef wchar_t WCHAR;
typedef const WCHAR* LPCWSTR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef int* LPBOOL;
typedef void* HANDLE;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;

#define MAX_PATH 260
#define CP_ACP 0
#define INVALID_HANDLE_VALUE ((HANDLE)(intptr_t)-1)
#define ZeroMemory(destination, bytes) memset((destination), 0, (bytes))

typedef struct _FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME;

typedef struct _WIN32_FIND_DATAW {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwOID;
    WCHAR cFileName[MAX_PATH];
} WIN32_FIND_DATAW;

#ifdef __cplusplus
extern "C" {
#endif
HANDLE FindFirstFileW(LPCWSTR pattern, WIN32_FIND_DATAW* found);
BOOL FindClose(HANDLE search);
HMODULE LoadLibraryW(LPCWSTR path);
void Sleep(DWORD milliseconds);
int WideCharToMultiByte(unsigned codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR narrow,
                        int narrowBytes, LPCSTR defaultChar, LPBOOL usedDefault);
#ifdef __cplusplus
}
#endif
