#include "text_list.h"

std::vector<std::u16string> SplitTextList(std::u16string_view text, int separator, LastPiece rule)
{
    std::vector<std::u16string> pieces;
    std::u16string piece;
    for (const char16_t unit : text) {
        if (static_cast<int>(unit) == separator) {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece += unit;
        }
    }
    if (rule == LastPiece::KeepIfNotEmpty && !piece.empty())
        pieces.push_back(piece);
    return pieces;
}
