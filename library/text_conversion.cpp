#include "text_conversion.h"

#include <memory>

const int g_nSeparator = 0x1C;

CString FormattedText(const wchar_t* format, const char* text)
{
    CString result;
    result.Format(format, text);
    return result;
}

CString CodePageText(const char* text)
{
    const int n = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, nullptr, 0);
    std::unique_ptr<wchar_t[]> buffer(new wchar_t[static_cast<size_t>(n) + 1]());
    MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, buffer.get(), n);
    CString result;
    result.Format(L"%s", buffer.get());
    return result;
}

void ForEachPiece(const CString& text, LastPiece rule, const std::function<void(const CString&)>& addPiece)
{
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");
    const std::u16string_view units(reinterpret_cast<const char16_t*>(static_cast<const wchar_t*>(text)),
                                    static_cast<size_t>(text.GetLength()));
    for (const std::u16string& piece : SplitTextList(units, g_nSeparator, rule))
        addPiece(CString(reinterpret_cast<const wchar_t*>(piece.data()), static_cast<int>(piece.size())));
}
