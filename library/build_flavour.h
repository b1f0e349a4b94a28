// Which device platform this build of the library is for. Exactly one of
// RILO_FLAVOUR_EC7, RILO_FLAVOUR_CE5, RILO_FLAVOUR_CE, RILO_FLAVOUR_WIN32 is
// defined by the build.
#pragma once

#include "dialog_looks.h"
#include "prorate.h"

#if defined(RILO_FLAVOUR_EC7) + defined(RILO_FLAVOUR_CE5) + defined(RILO_FLAVOUR_CE) + defined(RILO_FLAVOUR_WIN32) != 1
#error "define exactly one RILO_FLAVOUR_*"
#endif

#if defined(RILO_FLAVOUR_WIN32)
constexpr SingleRounding kProrateRounding = SingleRounding::Result;
#else
constexpr SingleRounding kProrateRounding = SingleRounding::Operands;
#endif

// Whether the dialog exports build a dialog again when it ends with the
// rebuild code, and whether this build's dialogs ask for that on a screen
// change. Only the Embedded Compact 7 dialogs ask; CE 5 keeps the loop.
#if defined(RILO_FLAVOUR_EC7)
constexpr bool kDialogsAskForRebuild = true;
constexpr bool kExportsRebuild = true;
#elif defined(RILO_FLAVOUR_CE5)
constexpr bool kDialogsAskForRebuild = false;
constexpr bool kExportsRebuild = true;
#else
constexpr bool kDialogsAskForRebuild = false;
constexpr bool kExportsRebuild = false;
#endif

// The build as the tables of looks name it.
#if defined(RILO_FLAVOUR_EC7)
constexpr Build kBuild = Build::EmbeddedCompact7;
#elif defined(RILO_FLAVOUR_CE5)
constexpr Build kBuild = Build::Ce5;
#elif defined(RILO_FLAVOUR_CE)
constexpr Build kBuild = Build::Ce30;
#else
constexpr Build kBuild = Build::Win32;
#endif

// The CE 3.0 dialogs have no settings-change handler at all; the others
// have one (that only the Embedded Compact 7 build lets end the dialog).
#if defined(RILO_FLAVOUR_CE)
#define RILO_ON_WM_SETTINGCHANGE()
#else
#define RILO_ON_WM_SETTINGCHANGE() ON_WM_SETTINGCHANGE()
#endif
