// The POS version as a number, and the versions from which features apply.
#pragma once

#include "ansi_string.h"

// The decimal digits of the text, in order, as one integer; 0 when there is
// none or the number does not fit 32 bits ("4.1 SP2" gives 412).
int VersionToNumber(const AnsiString& text);

// Short versions stand for tenths: 41 means 4.10, so below 99 the number is
// taken times ten (99 itself stays 99).
int PosVersionOf(const AnsiString& versionText);

constexpr int kVersionServiceChargeChoice = 300;  // serving period and order type can be chosen
constexpr int kVersionStoredProcedure = 320;      // base folder and prorating procedure
