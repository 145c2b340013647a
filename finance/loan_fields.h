// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan calculator's fields, described once: the window builds its controls from these tables
// and grovan-cli reads, writes and describes the calculator by the same keys. The window's four
// loan fields are both inputs and results: the one the calculate mode names shows the solved
// value, so the results repeat those four controls and keys.

#include "core/field_binding.h"
#include "finance/finance_fields.h"
#include "finance/loan_calculator.h"
#include "finance/loan_inputs.h"
#include "finance/loan_view.h"

#include <span>

namespace grovan {

inline constexpr const char* kLoansWindowName = "frmLoans";
inline constexpr const char* kLoansCaption = "Loans";

/// The inputs: the calculate mode (`optLoanCalc`, the item 0 to 3), the four loan fields in the
/// window's order, whether the totals are shown (`cmdFinCharge`, 1 for "DOWN"), and the schedule
/// the printout includes (`Check1` with `Option1`: 0 none, 1 monthly, 2 annual, as `AmortKind`).
std::span<const InputBinding<LoanInputs>> loanInputBindings();

/// The results in the window's order: the four loan fields after the solve, "Total Interest",
/// "Total Repayments" and the error marker `Text1` (1 when a solved rate is above 50 %).
std::span<const ResultBinding<LoanResults>> loanResultBindings();

/// The input field of one of the four loan quantities.
const FieldDescription& loanQuantityField(LoanQuantity quantity);

/// The loan window's buttons, options, labels and panels with their captions; the print panel's
/// check box and options, and the schedule panel's OK button, among them.
std::span<const ControlCaption> loanWindowCaptions();

} // namespace grovan
