// List of text lines, the class library's string list.
#pragma once

#include <vector>

#include "ansi_string.h"

class TStringList {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    // Raises EStringListError for an index outside the list.
    const AnsiString& Strings(int index) const;
    const AnsiString& operator[](int index) const { return Strings(index); }

    // Appends, or in a sorted list inserts after the items that sort equal
    // or lower; gives the new item's index. Duplicates are kept, as in a
    // sorted list box.
    int Add(const AnsiString& item);
    void Delete(int index);
    void Clear() { m_items.clear(); }
    // Index of the first item equal to the text, ignoring case; -1 if none.
    int IndexOf(const AnsiString& item) const;

    // A sorted list keeps its items in AnsiCompareText order; turning sorting
    // on sorts the items already there.
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);

    // Every line followed by CR LF. Setting splits at CR LF, CR or LF; a
    // break at the very end adds no empty line.
    AnsiString Text() const;
    void SetText(const AnsiString& text);

    // The items as comma text (see comma_text.h); setting replaces them.
    AnsiString CommaText() const;
    void SetCommaText(const AnsiString& text);

private:
    void CheckIndex(int index) const;

    std::vector<AnsiString> m_items;
    bool m_sorted = false;
};
