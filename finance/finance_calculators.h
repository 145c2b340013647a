// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The finance subsystem's calculators, each defined once: its window, grovan-cli and the tests
// drive these definitions.

#include "core/calculator_definition.h"
#include "finance/daily_balance_calculator.h"
#include "finance/inflation_calculator.h"
#include "finance/loan_buster_calculator.h"
#include "finance/loan_comparison_calculator.h"

namespace grovan {

class CalculatorCatalogue;

/// The inflation projection ("inflation", `frmInflation`): the window's values are the
/// application's `InflationState`, which also keeps the last projection.
const CalculatorDefinition<InflationState, InflationResults>& inflationCalculator();

/// The loan buster ("loanbuster", `frmLoanBuster`); the adjusted extra payment is written back
/// into the inputs.
const CalculatorDefinition<LoanBusterInputs, LoanBusterResults>& loanBusterCalculator();

/// The loan comparison ("loancomparison", `frmLoanComp`): its six terms are one table of
/// results.
const CalculatorDefinition<LoanComparisonState, LoanComparisonResults>& loanComparisonCalculator();

/// Daily balance interest ("dailybalance", `frmDayBal`).
const CalculatorDefinition<DayBalState, DayBalResults>& dailyBalanceCalculator();

/// Adds the subsystem's calculators, in the menu's order.
void addFinanceCalculators(CalculatorCatalogue& catalogue);

} // namespace grovan
