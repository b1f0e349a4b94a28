// A copy of the distribution lands beside its target and takes the target's
// place only when it is whole, so that a copy that fails (a full disk, a
// cancelled shell window) leaves the file that was there before.
#pragma once

#include "ansi_string.h"

// The name beside the target that the shell copies to: the target's folder
// and a name of the same length. Empty when the target cannot take a file:
// it holds a wildcard ("*" or "?", which is also what a character outside
// the ANSI code page becomes), or a folder of that name exists.
AnsiString CopyBeside(const AnsiString& target);

// Puts the finished copy in the target's place in one step. Whether it
// succeeds or not, nothing is left under the name beside.
bool ReplaceTarget(const AnsiString& beside, const AnsiString& target);

// Removes what a copy that failed left beside the target.
void DiscardCopy(const AnsiString& beside);
