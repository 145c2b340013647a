// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The finance calculators' application-wide values, in one place for the shell to own: each
// survives closing its window, and "&Initialise All" resets them as each calculator says.

#include "finance/daily_balance_calculator.h"
#include "finance/inflation_calculator.h"
#include "finance/loan_buster_calculator.h"
#include "finance/loan_comparison_calculator.h"
#include "finance/loan_inputs.h"

namespace grovan {

struct FinanceState
{
    LoanInputs loan;
    LoanBusterState loanBuster;
    LoanComparisonState loanComparison;
    DayBalState dailyBalance;
    InflationState inflation;

    /// "&Initialise All" (and start-up): the loan keeps its principal and the rest of its values
    /// go back to their defaults; the loan buster's, loan comparison's and inflation window's
    /// values become 0; the daily balance's capital and rate become 0, its dates unset and its
    /// rate step 0.25.
    void initialiseAll();
};

} // namespace grovan
