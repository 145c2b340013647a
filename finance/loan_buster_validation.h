// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the loan buster's window refuses, and the messages it shows.

#include "core/field_binding.h"
#include "finance/loan_buster_calculator.h"

#include <optional>

namespace grovan {

/// The message for a value `field` refuses as typed: a period above 600 or a rate above 50 (the
/// loan calculator's messages). Nothing for the amounts, whose fields hold their maxima.
std::optional<Message> loanBusterRefusalMessage(const FieldDescription& field,
                                                std::optional<double> rejected,
                                                const LoanBusterInputs& current);

/// Checks a complete set of inputs as the window's fields would have: the period from 0 to 600,
/// then the rate from 0 to 50. An extra payment above ten times the repayment is no refusal: the
/// calculation clears the column it cannot fill and the window shows
/// `loanBusterCalculationMessage`.
std::optional<FieldProblem> validateLoanBusterInputs(const LoanBusterInputs& inputs);

} // namespace grovan
