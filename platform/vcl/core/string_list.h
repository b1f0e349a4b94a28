// Lists of text lines: the class library's abstract string list, which the
// item and line lists of controls also are, and its stand-alone string list.
#pragma once

#include <vector>

#include "ansi_string.h"

class TStrings {
public:
    virtual ~TStrings() = default;

    virtual int Count() const = 0;
    // Raises for an index outside the list.
    virtual AnsiString Strings(int index) const = 0;
    AnsiString operator[](int index) const { return Strings(index); }
    // Gives the index the item took (a sorted list places it itself).
    virtual int Add(const AnsiString& item) = 0;
    virtual void Delete(int index) = 0;
    virtual void Clear() = 0;

    // Index of the first item equal to the text, ignoring case; -1 if none.
    int IndexOf(const AnsiString& item) const;
    // Replaces the items with these, each added in turn.
    void Assign(const std::vector<AnsiString>& items);

    // Every line followed by CR LF. Setting splits at CR LF, CR or LF; a
    // break at the very end adds no empty line.
    AnsiString Text() const;
    virtual void SetText(const AnsiString& text);

    // The items as comma text (see comma_text.h); setting replaces them.
    AnsiString CommaText() const;
    void SetCommaText(const AnsiString& text);
};

class TStringList : public TStrings {
public:
    int Count() const override { return static_cast<int>(m_items.size()); }
    // Raises EStringListError for an index outside the list.
    AnsiString Strings(int index) const override;

    // Appends, or in a sorted list inserts after the items that sort equal
    // or lower. Duplicates are kept, as in a sorted list box.
    int Add(const AnsiString& item) override;
    void Delete(int index) override;
    void Clear() override { m_items.clear(); }

    // A sorted list keeps its items in AnsiCompareText order; turning sorting
    // on sorts the items already there.
    bool Sorted() const { return m_sorted; }
    void SetSorted(bool sorted);

private:
    void CheckIndex(int index) const;

    std::vector<AnsiString> m_items;
    bool m_sorted = false;
};
