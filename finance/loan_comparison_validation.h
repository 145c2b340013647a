// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the loan comparison's window refuses, and the messages it shows.

#include "core/field_binding.h"
#include "finance/loan_comparison_calculator.h"

#include <optional>

namespace grovan {

/// A rate above 50 gives `maximumLoanRateMessage` (focus back to `numIntRate`); the amount field
/// holds its maximum without a message.
std::optional<Message> loanComparisonRefusalMessage(const FieldDescription& field,
                                                    std::optional<double> rejected,
                                                    const LoanComparisonState& current);

/// Checks the amount and rate as their fields would have: the rate from 0 to 50.
std::optional<FieldProblem> validateLoanComparisonInputs(const LoanComparisonState& state);

} // namespace grovan
