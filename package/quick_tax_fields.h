// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quick tax calculator's fields, the control array sidbEdit1(0) ... sidbEdit1(9), described
// once: the window builds its controls from these tables and grovan-cli reads, writes and
// describes the calculator by the same keys.

#include "core/field_binding.h"
#include "package/quick_tax.h"

#include <span>

namespace grovan {

/// "Taxable Income" (sidbEdit1(0)) and "Age" (sidbEdit1(1)). Their setters change the summary
/// only; the window types through `setQuickTaxIncome` and `setQuickTaxAge`, which also record
/// the typed income as the last taxable income.
std::span<const InputBinding<TaxSummary>> quickTaxInputBindings();

/// sidbEdit1(2) ... sidbEdit1(9) in the window's order: the band's base tax, its marginal rate
/// and the tax on the excess (one row, "+ Portion @ M/Rate (" rate "%) R" portion), the total
/// tax, the rebates, the tax commitment and the two average rates.
std::span<const ResultBinding<TaxSummary>> quickTaxResultBindings();

} // namespace grovan
