// The two ways in which the exports turn narrow texts into UTF-16 strings,
// and the cutting of a converted text list into lines or items.
#pragma once

#include <afxwin.h>

#include "text_list.h"

#include <functional>

// Separator of the pieces of a text list (the ANSI control character 0x1C).
extern const int g_nSeparator;

// Short texts: formatted assignment with the given format ("%S" or a
// caption such as "Zenta Rilo V.%S") and the text as its one argument.
CString FormattedText(const wchar_t* format, const char* text);

// Long texts: through the ANSI code page, into a buffer one unit larger
// than the conversion needs, then formatted with "%s".
CString CodePageText(const char* text);

// Hands every piece of the text list to addPiece, in order.
void ForEachPiece(const CString& text, LastPiece rule, const std::function<void(const CString&)>& addPiece);
