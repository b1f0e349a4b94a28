// The program's command line in the class library's manner: ParamStr(0) is
// the program file, 1 to ParamCount() the arguments.
#pragma once

#include <vector>

#include "ansi_string.h"

// Splits at blanks and control characters; double quotes group and are
// dropped. The first piece is the program as the line names it.
std::vector<AnsiString> SplitCommandLine(const AnsiString& commandLine);

// How many arguments follow the program on the command line.
int ParamCount();
// 0: the program's file (its module's path); 1 to ParamCount(): the
// arguments; "" for an index out of range.
AnsiString ParamStr(int index);
// For tests: the arguments come from this line instead; "" goes back to the
// program's own command line.
void SetCommandLineForTesting(const AnsiString& commandLine);
