#include "tax_setup.h"

#include <string>

AnsiString TaxKindSentence(bool taxIsVat)
{
    return taxIsVat ? "System uses VAT (Value Added Tax)" : "System uses Add-On Tax";
}

AnsiString TaxTypeLabel(char letter)
{
    switch (letter) {
    case 'I': case 'i': return "Inclusive";
    case 'F': case 'f': return "Full Inclusive";
    case 'P': case 'p': return "Add-On";
    case 'B': case 'b': return "Add-On, Breakpoint";
    default: return "Unknown";
    }
}

void AddTaxRate(TaxRates& rates, int seq, const AnsiString& trimmedName, const AnsiString& type)
{
    if (seq < 1 || seq > static_cast<int>(rates.types.size()))
        return;
    const char letter = type.empty() ? '\0' : type[0];
    rates.types[static_cast<size_t>(seq - 1)] = letter;
    if (!trimmedName.empty())
        rates.grid[static_cast<size_t>(seq)] = {std::to_string(seq), trimmedName, TaxTypeLabel(letter)};
}
