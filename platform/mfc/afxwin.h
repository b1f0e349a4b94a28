// The class-library layer of the library, in one include.
#pragma once

#include <windows.h>

#include "controls.h"
#include "cstring.h"
#include "cstringarray.h"
#include "dialog.h"
#include "gdi.h"
#include "geometry.h"
#include "msgmap.h"
#include "object.h"
#include "winapp.h"
#include "wnd.h"
