// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the loan window refuses, and the messages it shows.

#include "core/field_binding.h"
#include "finance/loan_state.h"

#include <optional>

namespace grovan {

/// The message for a value `field` refuses as typed: a period above 600 gives
/// `maximumLoanPeriodMessage` and a rate above 50 `maximumLoanRateMessage` (the window returns the
/// focus to the field). Nothing for the principal and the repayment, whose fields hold their
/// maxima without a message of their own, and for the mode and totals choices.
std::optional<Message> loanRefusalMessage(const FieldDescription& field,
                                          std::optional<double> rejected, const LoanState& current);

/// Checks a complete set of values as the window's fields would have: the period from 0 to 600,
/// then the rate from 0 to 50 unless it is the quantity solved (a solved rate may lie above 50;
/// it is shown with the error marker). The principal and the repayment are held to their ranges
/// by their fields and are not checked here. "&Calculate" itself checks nothing more.
std::optional<FieldProblem> validateLoanInputs(const LoanState& loan);

} // namespace grovan
