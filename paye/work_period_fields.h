// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fortnightly and weekly calculators' fields, described once: the windows build their
// controls from these tables and grovan-cli reads, writes and describes the calculators by the
// same keys.

#include "core/field_binding.h"
#include "paye/work_period_calculator.h"

#include <span>

namespace grovan {

/// The inputs in the window's order, top to bottom: age, the eight amounts, the beneficiaries,
/// the normal and this period's days (labelled and limited as `period` says), and last the print
/// panel's employee name.
std::span<const InputBinding<WorkPeriodInputs>> workPeriodInputBindings(const WorkPeriod& period);

/// The results the window shows, in its order: "Allowable R/Fund deduction" (whole rands, halves
/// to even) ... "Total tax deduction".
std::span<const ResultBinding<PeriodResults>> workPeriodResultBindings();

} // namespace grovan
