// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the annual calculator's window refuses, and the messages it shows.

#include "core/field_binding.h"
#include "core/tax_year_dates.h"
#include "paye/annual_calculator.h"

#include <optional>
#include <vector>

namespace grovan {

/// The most beneficiaries a month field takes.
inline constexpr std::int16_t kMostBeneficiaries = 24;

/// "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!", program title.
Message tooManyBeneficiariesMessage();
/// Leaving a month field: a count above 24 becomes 24 and gives the message.
std::optional<Message> limitBeneficiaries(std::int16_t& count);

/// "Duplicate March to all 12 months ": first every month above 24, in control-array order
/// 1 to 12 (January first), becomes 24 with one message each; then March's count is copied to
/// the other eleven months. Returns the messages in the order shown.
std::vector<FieldProblem> duplicateMarch(AnnualInputs& inputs);

/// The message the window shows when `field` is refused: `value` lies outside the field's range,
/// or (no value) a date field's text is no valid date. Nothing where the window shows no message
/// of its own. `current` gives the moving date limits and the start date the end date's message
/// quotes.
std::optional<Message> annualRefusalMessage(const FieldDescription& field,
                                            std::optional<double> value,
                                            const AnnualInputs& current);

/// Checks a complete set of inputs as the window's fields would have, in the window's order:
/// no month above 24, the start date in the tax year, the end date from the start date to the end
/// of the tax year. Nothing when `calculateAnnual` may run on them.
std::optional<FieldProblem> validateAnnualInputs(const AnnualInputs& inputs);

} // namespace grovan
