#include "field.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "exceptions.h"
#include "query.h"

const AnsiString* TField::Value() const
{
    return m_query.CurrentValue(m_index);
}

bool TField::IsNull() const
{
    return Value() == nullptr;
}

AnsiString TField::AsString() const
{
    const AnsiString* value = Value();
    return value ? *value : AnsiString();
}

int TField::AsInteger() const
{
    const AnsiString* value = Value();
    if (!value)
        return 0;
    const char* text = value->c_str();
    char* end = nullptr;
    errno = 0;
    if (m_kind == TFieldKind::Float || m_kind == TFieldKind::Boolean) {
        const double number = std::strtod(text, &end);
        if (end != text && *end == '\0' && std::fabs(number) < 2147483647.5)
            return static_cast<int>(std::lround(number));
    } else {
        const long long number = std::strtoll(text, &end, 10);
        if (end != text && *end == '\0' && errno == 0 && number >= INT32_MIN && number <= INT32_MAX)
            return static_cast<int>(number);
    }
    throw EDatabaseError("'" + *value + "' is not a valid integer value");
}

bool TField::AsBoolean() const
{
    const AnsiString* value = Value();
    if (!value)
        return false;
    if (m_kind == TFieldKind::Text) {
        const char first = value->empty() ? '\0' : (*value)[0];
        return first == 'T' || first == 't' || first == 'Y' || first == 'y';
    }
    char* end = nullptr;
    const double number = std::strtod(value->c_str(), &end);
    if (end == value->c_str() || *end != '\0')
        throw EDatabaseError("'" + *value + "' is not a valid boolean value");
    return number != 0.0;
}
