// Text routines of the class library that the setup program relies on.
#pragma once

#include "ansi_string.h"

// Compares as the user's locale sorts text, ignoring case: below 0, 0 or
// above 0. This is the order of sorted string lists and list boxes.
int AnsiCompareText(const AnsiString& a, const AnsiString& b);
// Equal by that comparison: names of components, properties and fields,
// list items.
bool SameText(const AnsiString& a, const AnsiString& b);

// The text between two quote characters, each inner one doubled.
AnsiString AnsiQuotedStr(const AnsiString& text, char quote);
// The text as an SQL literal: in single quotes, inner single quotes doubled.
AnsiString QuotedStr(const AnsiString& text);

// Decimal with an optional sign, or hexadecimal after "$" (also with a sign);
// anything else, or a value outside 32 bits, gives def. Hexadecimal values
// use all 32 bits, so $FFFFFFFF is -1.
int StrToIntDef(const AnsiString& text, int def);

// Without the blanks and control characters at both ends.
AnsiString Trim(const AnsiString& text);
// Decimal, with "-" before a negative value.
AnsiString IntToStr(int value);
// Only the letters a to z and A to Z change.
AnsiString UpperCase(const AnsiString& text);
AnsiString LowerCase(const AnsiString& text);
