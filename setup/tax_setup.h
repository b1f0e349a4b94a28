// The POS's tax facts as the main window shows them: the kind of tax, and
// one grid row and one type letter per tax rate 1 to 8.
#pragma once

#include <array>

#include "ansi_string.h"
#include "settings_file.h"

AnsiString TaxKindSentence(bool taxIsVat);
// The grid's label for a rate's type letter, by its upper-case form.
AnsiString TaxTypeLabel(char letter);

struct TaxGridRow {
    AnsiString seq, name, label;  // columns 0, 1 and 2; all empty for a blank row
};

struct TaxRates {
    TaxTypeLetters types = {};
    std::array<TaxGridRow, 9> grid;  // row 0 is the header, rows 1 to 8 the rates
};

// Takes one row of the tax-rate table. Rates outside 1 to 8 are ignored; a
// rate with an empty name sets its letter but leaves its grid row blank.
void AddTaxRate(TaxRates& rates, int seq, const AnsiString& trimmedName, const AnsiString& type);
