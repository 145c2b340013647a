// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan comparison's fields, described once for the window and grovan-cli.

#include "core/field_binding.h"
#include "finance/finance_fields.h"
#include "finance/loan_comparison_calculator.h"

#include <span>

namespace grovan {

inline constexpr const char* kLoanComparisonWindowName = "frmLoanComp";
inline constexpr const char* kLoanComparisonCaption = "Loan Comparison";

/// "Bond amount" (`numBAmt`) and "Interest rate" (`numIntRate`).
std::span<const InputBinding<LoanComparisonState>> loanComparisonInputBindings();

/// The grid `grdPayments` as results: one table ("terms") of six rows, 5 years first, each with
/// the years, the monthly repayment, the total interest and the total paid (control names
/// "grdPayments(row,column)").
std::span<const ResultTableBinding<LoanComparisonResults>> loanComparisonResultTables();

const FieldDescription& loanComparisonAmountField();
const FieldDescription& loanComparisonRateField();

/// The loan comparison window's buttons with their captions, the print panel's among them.
std::span<const ControlCaption> loanComparisonWindowCaptions();

} // namespace grovan
