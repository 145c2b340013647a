// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The annual calculator's fields, described once: the window builds its controls from these
// tables and grovan-cli reads, writes and describes the calculator by the same keys.

#include "core/field_binding.h"
#include "paye/annual_calculator.h"

#include <span>

namespace grovan {

/// The inputs in the window's order, top to bottom: age, the amounts, the twelve month counts
/// (March first, control array "numAnnCalcBens(m)" indexed by calendar month), the start and end
/// dates, and last the print panel's employee name.
std::span<const InputBinding<AnnualInputs>> annualInputBindings();

/// The results the window shows, in its order ("Allowable R/Fund deduction" ... "PAYE"), then
/// the further values the printout writes (SITE and PAYE portions, days, medical expenses), which
/// have no control.
std::span<const ResultBinding<AnnualResults>> annualResultBindings();

/// The month field of a calendar month (1-12).
const FieldDescription& annualBeneficiariesField(int month);
const FieldDescription& annualStartDateField();
const FieldDescription& annualEndDateField();

} // namespace grovan
