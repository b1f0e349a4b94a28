// The underlined letter of a caption, as buttons, check boxes and tabs show
// it. Includes no platform header.
#pragma once

#include "ansi_string.h"

// The character after the first single "&" ("&&" stands for "&" itself), or
// 0 when the caption underlines nothing.
char MnemonicOf(const AnsiString& caption);
// True when the caption underlines key; the letters a to z match either case.
bool IsAccel(char key, const AnsiString& caption);
