// The touch button of the dialogs. CE 3.0 has a bevelled button of its own;
// the Embedded Compact 7 and CE 5 builds share the rounded one.
#pragma once

#if defined(RILO_FLAVOUR_CE)
#include "my_button_ce30.h"
#else
#include "my_button_rounded.h"
#endif
