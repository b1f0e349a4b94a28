#include "mnemonic.h"

namespace {

char FoldCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

char MnemonicOf(const AnsiString& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;  // "&&": a plain "&"
    }
    return 0;
}

bool IsAccel(char key, const AnsiString& caption)
{
    const char mnemonic = MnemonicOf(caption);
    return mnemonic != 0 && FoldCase(mnemonic) == FoldCase(key);
}
