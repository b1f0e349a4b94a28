#include "string_list.h"

#include <algorithm>

#include "comma_text.h"
#include "exceptions.h"
#include "sysutils.h"

// ---- TStrings --------------------------------------------------------------

int TStrings::IndexOf(const AnsiString& item) const
{
    for (int i = 0; i < Count(); ++i) {
        if (SameText(Strings(i), item))
            return i;
    }
    return -1;
}

void TStrings::Assign(const std::vector<AnsiString>& items)
{
    Clear();
    for (const AnsiString& item : items)
        Add(item);
}

AnsiString TStrings::Text() const
{
    AnsiString text;
    for (int i = 0; i < Count(); ++i)
        text += Strings(i) + "\r\n";
    return text;
}

void TStrings::SetText(const AnsiString& text)
{
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == AnsiString::npos)
            end = text.size();
        Add(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r')
            ++end;
        if (end < text.size() && text[end] == '\n')
            ++end;
        start = end;
    }
}

AnsiString TStrings::CommaText() const
{
    std::vector<AnsiString> items;
    for (int i = 0; i < Count(); ++i)
        items.push_back(Strings(i));
    return MakeCommaText(items);
}

void TStrings::SetCommaText(const AnsiString& text) { Assign(ParseCommaText(text)); }

// ---- TStringList -----------------------------------------------------------

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

AnsiString TStringList::Strings(int index) const
{
    CheckIndex(index);
    return m_items[static_cast<size_t>(index)];
}

int TStringList::Add(const AnsiString& item)
{
    if (!m_sorted) {
        m_items.push_back(item);
        return Count() - 1;
    }
    const auto at = std::upper_bound(m_items.begin(), m_items.end(), item,
                                     [](const AnsiString& a, const AnsiString& b) {
                                         return AnsiCompareText(a, b) < 0;
                                     });
    const auto index = at - m_items.begin();
    m_items.insert(at, item);
    return static_cast<int>(index);
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    m_items.erase(m_items.begin() + index);
}

void TStringList::SetSorted(bool sorted)
{
    if (sorted && !m_sorted) {
        std::stable_sort(m_items.begin(), m_items.end(), [](const AnsiString& a, const AnsiString& b) {
            return AnsiCompareText(a, b) < 0;
        });
    }
    m_sorted = sorted;
}
