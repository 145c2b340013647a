// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inflation window's fields, described once for the window and grovan-cli.

#include "core/field_binding.h"
#include "finance/finance_fields.h"
#include "finance/inflation_calculator.h"

#include <span>

namespace grovan {

inline constexpr const char* kInflationWindowName = "frmInflation";
inline constexpr const char* kInflationCaption = "Inflation";
/// `Label2` item 12, shown instead of the future cost when it is too large.
inline constexpr const char* kAmountTooLargeText = "Amount too large to display";

/// "Present cost", "Period" (years) and "Inflation rate", in the window's order.
std::span<const InputBinding<InflationState>> inflationInputBindings();

/// "Future value/cost" (`numAns1`), "Buying power" (`numAns2`), both shown as whole numbers, and
/// whether "Amount too large to display" stands instead of the future cost (`Label2(12)`).
std::span<const ResultBinding<InflationResults>> inflationResultBindings();

const FieldDescription& inflationPresentCostField();
const FieldDescription& inflationPeriodField();
const FieldDescription& inflationRateField();

/// The inflation window's buttons and the label shown for too large a projection, with their
/// captions, the print panel's among them.
std::span<const ControlCaption> inflationWindowCaptions();

} // namespace grovan
