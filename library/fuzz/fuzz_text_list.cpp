// Text lists: pieces joined with separators give back the text (less a last
// piece the rule drops), and no piece holds a separator.
#include "text_list.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<char16_t>(data[i] % 4 == 0 ? 0x1C : data[i] | (data[i + 1] << 8));
    const int sep = 0x1C;
    for (LastPiece rule : {LastPiece::KeepIfNotEmpty, LastPiece::Drop}) {
        const auto pieces = SplitTextList(text, sep, rule);
        std::u16string joined;
        for (const auto& piece : pieces) {
            if (piece.find(char16_t(sep)) != std::u16string::npos)
                std::abort();
            joined += piece;
            joined += char16_t(sep);
        }
        const size_t lastSep = text.rfind(char16_t(sep));
        const std::u16string closed = lastSep == std::u16string::npos ? u"" : text.substr(0, lastSep + 1);
        const std::u16string tail = lastSep == std::u16string::npos ? text : text.substr(lastSep + 1);
        std::u16string expected = closed;
        if (rule == LastPiece::KeepIfNotEmpty && !tail.empty())
            expected += tail + char16_t(sep);
        if (joined != expected)
            std::abort();
    }
    return 0;
}
