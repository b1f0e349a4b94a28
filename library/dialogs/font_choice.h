// Face (and character set) of a dialog's list font: the registry value
// rilo_fontname when an installation sets one, else by the system locale.
#pragma once

#include <afxwin.h>

bool HasRegistryFontName();
// Empty when the key cannot be opened or the value cannot be read.
CString GetRegistryFontName();
CString GetFaceNameForLocale();
int GetCharsetForLocale();

// The locale identifier the look-ups use; tests may set their own (0 goes
// back to the system default locale).
LCID FontChoiceLocale();
void SetFontChoiceLocaleForTesting(LCID lcid);
