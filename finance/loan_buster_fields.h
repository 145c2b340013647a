// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan buster's fields, described once for the window and grovan-cli.

#include "core/field_binding.h"
#include "finance/finance_fields.h"
#include "finance/loan_buster_calculator.h"

#include <span>

namespace grovan {

inline constexpr const char* kLoanBusterWindowName = "frmLoanBuster";
inline constexpr const char* kLoanBusterCaption = "Loan Buster";

/// The inputs in the window's order: principal, period (n0), rate and the extra payment.
std::span<const InputBinding<LoanBusterInputs>> loanBusterInputBindings();

/// The results in the window's order: the left-hand column (repayment and totals without extra
/// payments), the extra payment as rewritten, the right-hand column (principal, period, rate,
/// repayment, totals with the extra payments, saving), and whether the extra payment was too
/// large (no control: the window shows a message).
std::span<const ResultBinding<LoanBusterResults>> loanBusterResultBindings();

const FieldDescription& loanBusterPeriodField();
const FieldDescription& loanBusterRateField();
const FieldDescription& loanBusterExtraField();

/// The loan buster window's buttons with their captions, the print panel's among them.
std::span<const ControlCaption> loanBusterWindowCaptions();

} // namespace grovan
