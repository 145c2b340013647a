// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily calculator's fields, described once: the window builds its controls from these
// tables and grovan-cli reads, writes and describes the calculator by the same keys.

#include "core/field_binding.h"
#include "paye/daily_calculator.h"

#include <span>
#include <string_view>

namespace grovan {

/// The inputs in the window's order, top to bottom: age, the eight amounts, the beneficiaries,
/// and last the print panel's employee name.
std::span<const InputBinding<DailyInputs>> dailyInputBindings();

/// The results the window shows, in its order: "Allowable R/Fund deduction" (whole rands, halves
/// to even) ... "Total tax deduction".
std::span<const ResultBinding<PeriodResults>> dailyResultBindings();

/// Leaving the salary, commissions, bonus or travel allowance field: the field's text is read
/// again (`readNumber`: blanks ignored, a text that holds no number reads as 0) and its value
/// set from it, whatever the field held before. False, and nothing changed, for the other fields.
bool rereadDailyField(const FieldDescription& field, std::string_view text, DailyInputs& inputs);

} // namespace grovan
