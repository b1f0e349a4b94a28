// A property value of a form layout, as the reader parsed it.
#pragma once

#include <map>
#include <string>
#include <vector>

class TLayoutValue {
public:
    enum Kind { String, Integer, Ident, Set, List, Collection };

    Kind kind = String;
    std::string text;                       // String; Ident name
    long long number = 0;                   // Integer
    std::vector<std::string> items;         // Set members; List strings
    // Collection: one property list per item, in order.
    std::vector<std::vector<std::pair<std::string, TLayoutValue>>> collection;
    int line = 0;                           // where the value stands

    // Conversions that raise ELayoutError naming the line on a wrong kind.
    const std::string& AsString() const;
    const std::vector<std::string>& AsList() const;  // a list of texts
    int AsInteger() const;                  // integer, or a named constant
    bool AsBool() const;                    // True / False
    int AsColor() const;                    // integer or colour constant
    bool HasMember(const char* name) const; // set membership, case-insensitive
    [[noreturn]] void Fail(const std::string& what) const;
};

// Named constants a layout may use for integers (enumerations, colours,
// modal results): each part of the layer adds its own.
struct TLayoutConstant {
    const char* name;
    int value;
};
void RegisterLayoutConstants(const std::vector<TLayoutConstant>& constants);
bool LookupLayoutConstant(const std::string& name, int& value);
