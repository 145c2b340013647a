// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan calculator's inputs: the application-wide loan and the print panel's choice of
// schedule. The choice belongs to the loan window, which sets it back to none whenever it opens;
// it is held beside the loan so that the window, grovan-cli and the tests read and print the
// calculator through one definition.

#include "finance/loan_printout.h"
#include "finance/loan_state.h"

namespace grovan {

struct LoanInputs : LoanState
{
    /// `Check1` and `Option1`: whether the printout includes a schedule, and which.
    LoanPrintOptions printOptions;
};

} // namespace grovan
