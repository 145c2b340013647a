// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the inflation window refuses, and the messages it shows.

#include "core/field_binding.h"
#include "finance/inflation_calculator.h"

#include <optional>

namespace grovan {

/// "The range of the Inflation Rate is between -5% and 40%", "Incorrect Inflation Rate!", error.
Message inflationRateMessage();
/// "The maximum period allowed 40 years", "Incorrect Period!", error icon.
Message inflationPeriodMessage();

/// The message for a value `field` refuses as typed: a rate outside -5 to 40 or a period above
/// 40 (the window returns the focus to the field). Nothing for the present cost, whose field
/// holds its maximum.
std::optional<Message> inflationRefusalMessage(const FieldDescription& field,
                                               std::optional<double> rejected,
                                               const InflationState& current);

/// Checks the inputs as the window's fields would have, in the window's order: the period from 0
/// to 40, then the rate from -5 to 40.
std::optional<FieldProblem> validateInflationInputs(const InflationState& state);

} // namespace grovan
