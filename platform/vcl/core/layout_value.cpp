#include "layout_value.h"

#include "classes.h"

void TLayoutValue::Fail(const std::string& what) const
{
    throw ELayoutError("layout line " + std::to_string(line) + ": " + what);
}

const std::string& TLayoutValue::AsString() const
{
    if (kind != String)
        Fail("text expected");
    return text;
}

const std::vector<std::string>& TLayoutValue::AsList() const
{
    if (kind != List)
        Fail("list of texts expected");
    return items;
}

int TLayoutValue::AsInteger() const
{
    if (kind == Integer)
        return static_cast<int>(number);
    int v = 0;
    if (kind == Ident && LookupLayoutConstant(text, v))
        return v;
    Fail("integer expected");
}

bool TLayoutValue::AsBool() const
{
    if (kind == Ident && SameText(text, "True"))
        return true;
    if (kind == Ident && SameText(text, "False"))
        return false;
    Fail("True or False expected");
}

int TLayoutValue::AsColor() const { return AsInteger(); }

bool TLayoutValue::HasMember(const char* name) const
{
    if (kind != Set)
        Fail("set expected");
    for (const std::string& m : items)
        if (SameText(m, name))
            return true;
    return false;
}

namespace {
std::vector<TLayoutConstant>& Constants()
{
    static std::vector<TLayoutConstant> constants;
    return constants;
}
}  // namespace

void RegisterLayoutConstants(const std::vector<TLayoutConstant>& constants)
{
    Constants().insert(Constants().end(), constants.begin(), constants.end());
}

bool LookupLayoutConstant(const std::string& name, int& value)
{
    for (const TLayoutConstant& c : Constants())
        if (SameText(name, c.name)) {
            value = c.value;
            return true;
        }
    return false;
}
