#include "comma_text.h"

#include "sysutils.h"

namespace {

// Blanks and control characters end an unquoted item.
bool IsSeparator(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x01 && u <= 0x20;
}

bool NeedsQuotes(const AnsiString& item)
{
    for (char c : item) {
        if (static_cast<unsigned char>(c) <= 0x20 || c == '"' || c == ',')
            return true;
    }
    return false;
}

}  // namespace

AnsiString MakeCommaText(const std::vector<AnsiString>& items)
{
    // Without the quotes a single empty item would read back as no item.
    if (items.size() == 1 && items.front().empty())
        return "\"\"";
    AnsiString out;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            out += ',';
        out += NeedsQuotes(items[i]) ? AnsiQuotedStr(items[i], '"') : items[i];
    }
    return out;
}

std::vector<AnsiString> ParseCommaText(const AnsiString& text)
{
    std::vector<AnsiString> items;
    const char* p = text.c_str();  // an inner character 0x00 ends the text
    while (IsSeparator(*p))
        ++p;
    while (*p != '\0') {
        AnsiString item;
        if (*p == '"') {
            ++p;
            while (*p != '\0') {
                if (*p == '"') {
                    if (p[1] != '"') {
                        ++p;
                        break;
                    }
                    ++p;  // a doubled quote stands for one
                }
                item += *p++;
            }
        } else {
            while (static_cast<unsigned char>(*p) > 0x20 && *p != ',')
                item += *p++;
        }
        items.push_back(item);
        while (IsSeparator(*p))
            ++p;
        if (*p == ',') {
            ++p;
            while (IsSeparator(*p))
                ++p;
        }
    }
    return items;
}
