// Functions that the desktop headers declare and CE's headers define as
// macros over other calls, so that coredll exports no such name: here they
// do what CE's macros do.
#include <windows.h>

extern "C" {

DWORD TlsCall(DWORD function, DWORD slot);
constexpr DWORD kTlsCallAlloc = 0;

DWORD TlsAlloc() { return TlsCall(kTlsCallAlloc, 0); }

// A loaded resource is its address.
LPVOID LockResource(HGLOBAL resource) { return resource; }
}
