// Comma text: a list of items held as one line of text, the form in which the
// settings file stores lists. Includes no platform header.
#pragma once

#include <vector>

#include "ansi_string.h"

// Items joined by ","; an item holding a blank, a control character, a comma
// or a double quote is quoted with inner quotes doubled. A list whose only
// item is empty is written as "" so that it reads back as one item.
AnsiString MakeCommaText(const std::vector<AnsiString>& items);

// The items of a comma text. Characters 0x01 to 0x20 separate items just as
// a comma does, so "5,7" and "5 7" both give 5 and 7; the text ends at its
// first character 0x00.
std::vector<AnsiString> ParseCommaText(const AnsiString& text);
