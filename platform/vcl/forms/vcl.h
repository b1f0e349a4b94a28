// Everything the setup program's forms use.
#pragma once

#include "buttons.h"
#include "classes.h"
#include "command_line.h"
#include "comctrls.h"
#include "controls.h"
#include "database.h"
#include "dialogs.h"
#include "exceptions.h"
#include "extctrls.h"
#include "forms.h"
#include "grids.h"
#include "layout_reader.h"
#include "mask.h"
#include "query.h"
#include "stdctrls.h"
#include "sysutils.h"
