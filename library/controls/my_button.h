// The touch button of the dialogs. CE 3.0 and Win32 have buttons of their
// own; the Embedded Compact 7 and CE 5 builds share the rounded one.
#pragma once

#if defined(RILO_FLAVOUR_CE)
#include "my_button_ce30.h"
#elif defined(RILO_FLAVOUR_WIN32)
#include "my_button_win32.h"
#else
#include "my_button_rounded.h"
#endif
