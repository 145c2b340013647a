// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan calculator's definition: its window, grovan-cli and the tests drive it.

#include "core/calculator_definition.h"
#include "finance/loan_calculator.h"
#include "finance/loan_inputs.h"

namespace grovan {

/// The loan calculator ("loan", `frmLoans`): the mode is an input, and the solved quantity is
/// written back into the loan after each calculation. The printout is the `Loans` row, with the
/// `Amort` lines when a schedule is chosen, through the template of the mode and the schedule;
/// with a principal, period, rate or repayment of 0 there is nothing to print (no writes and no
/// template).
const CalculatorDefinition<LoanInputs, LoanResults>& loanCalculator();

} // namespace grovan
