// The working copy of the posdb demo database that the data source "Corvane"
// of a test's own odbc.ini names (see rilo_vcl_posdb_environment): every case
// starts from the demo data, whatever the case before it wrote.
#pragma once

#include <gtest/gtest.h>

#include "ansi_string.h"

// Copies the demo database over the working copy and gives the copy's
// Windows path; fails when the environment does not name both files.
testing::AssertionResult RefreshPosDatabase(AnsiString& workFile);
