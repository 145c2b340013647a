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

/// The eighteen figures of the grid, term by term (5 years first): the monthly repayment, the
/// total interest and the total paid. Control names "grdPayments(row,column)".
std::span<const ResultBinding<LoanComparisonResults>> loanComparisonResultBindings();

const FieldDescription& loanComparisonAmountField();
const FieldDescription& loanComparisonRateField();

/// The loan comparison window's buttons with their captions, the print panel's among them.
std::span<const ControlCaption> loanComparisonWindowCaptions();

} // namespace grovan
