// Included before every file of the CE library images: the mingw-w64
// Windows headers read as CE's. ARM has one calling convention, calls reach
// coredll through the import thunks (no import keyword), and long long
// stands for the compiler-specific 64-bit type.
#pragma once

#define _WIN32 1
#define __cdecl
#define __stdcall
#define __declspec(x)
#define __int64 long long
#define __unaligned
#define __USE_MINGW_ANSI_STDIO 0
