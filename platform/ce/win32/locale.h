// The desktop locale.h defines a variable in every file that includes it,
// for the desktop C run-time's start-up; here it stays local to each file.
#pragma push_macro("__MINGW_SELECTANY")
#undef __MINGW_SELECTANY
#define __MINGW_SELECTANY static __attribute__((unused))
#include_next <locale.h>
#pragma pop_macro("__MINGW_SELECTANY")
