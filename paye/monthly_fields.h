// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly calculator's fields, described once: the window builds its controls from these
// tables and grovan-cli reads, writes and describes the calculator by the same keys.

#include "core/field_binding.h"
#include "paye/monthly_calculator.h"

#include <span>

namespace grovan {

/// The inputs in the window's order, top to bottom: age, the eight amounts (whole rands), the
/// beneficiaries, the start and end dates, and last the print panel's employee name.
std::span<const InputBinding<MonthlyInputs>> monthlyInputBindings();

/// The results the window shows, in its order: the taxable travel allowance beside the allowance
/// (whole rands, halves to even), "Allowable R/Fund deduction" (likewise) ... "Total tax
/// deduction"; then the day counts the tax was scaled by, which have no control.
std::span<const ResultBinding<MonthlyResults>> monthlyResultBindings();

const FieldDescription& monthlyStartDateField();
const FieldDescription& monthlyEndDateField();
/// "Travel Allowance R", and the taxable part the window shows beside it (`numMTAAns`).
const FieldDescription& monthlyTravelAllowanceField();
const FieldDescription& monthlyTaxableTravelField();

} // namespace grovan
