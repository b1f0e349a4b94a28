// The class-library layer of the library, in one include.
#pragma once

#include <windows.h>

#include "cstring.h"
#include "cstringarray.h"
#include "msgmap.h"
#include "winapp.h"
