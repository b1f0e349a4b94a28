// Cutting a text list (lines or items closed by a separator unit) into its
// pieces. Works on UTF-16 units; no platform header.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum class LastPiece {
    KeepIfNotEmpty, // display dialogs: a last line needs no separator
    Drop            // list input: every item must be closed by a separator
};

// Every separator closes a piece, empty pieces included.
std::vector<std::u16string> SplitTextList(std::u16string_view text, int separator, LastPiece rule);
