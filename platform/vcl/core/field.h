// One column of a query's result, read from the record under the query's
// cursor. A NULL value reads as 0, "" and false.
#pragma once

#include <utility>

#include "ansi_string.h"

class TQuery;

enum class TFieldKind { Text, Integer, Float, Boolean };

class TField {
public:
    TField(const TQuery& query, int index, AnsiString name, TFieldKind kind)
        : m_query(query), m_index(index), m_name(std::move(name)), m_kind(kind)
    {
    }

    const AnsiString& FieldName() const { return m_name; }
    TFieldKind Kind() const { return m_kind; }
    bool IsNull() const;

    AnsiString AsString() const;
    // A text that is not a whole number raises EDatabaseError; a real
    // number is rounded.
    int AsInteger() const;
    // A text is true when it begins with T, t, Y or y; a number when it is not 0.
    bool AsBoolean() const;

private:
    const AnsiString* Value() const;  // nullptr for NULL

    const TQuery& m_query;
    int m_index;
    AnsiString m_name;
    TFieldKind m_kind;
};
