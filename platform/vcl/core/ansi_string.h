// Narrow (ANSI code page) text of the setup program's class-library layer.
#pragma once

#include <string>

using AnsiString = std::string;
