// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the fortnightly and weekly windows refuse when "&Calculate" is pressed.

#include "core/field_binding.h"
#include "paye/work_period_calculator.h"

#include <optional>

namespace grovan {

/// The period's days message (D_this above D_normal), title "Incorrect Number of Days", error
/// icon.
Message daysMessage(const WorkPeriod& period);
/// A period of 0 days cannot be annualised: "The number of 'This fortnight' days must be 1 or
/// more." (or 'This work week'), title "Incorrect Number of Days", error icon.
Message zeroDaysMessage(const WorkPeriod& period);

/// What a day field says when it refuses a count above the period's days (only the day fields can
/// be typed beyond their range; the others' digit limits keep them within it): "The number of
/// 'This fortnight' days must be 14 or fewer." (the field's label, the period's days), title
/// "Incorrect Number of Days", error icon. Nothing for any other field or value.
std::optional<Message> workPeriodRefusalMessage(const WorkPeriod& period,
                                                const FieldDescription& field,
                                                std::optional<double> rejected);

/// The checks of "&Calculate", before anything is calculated; when one fails the window shows
/// the message, calculates nothing and changes no result.
/// - D_this above D_normal: `daysMessage`, with no field (`FieldProblem::field` is nullptr): the
///   window puts the focus on its "&Calculate" button.
/// - Otherwise D_this of 0 (alone, or with a D_normal of 0): `zeroDaysMessage`, the focus on the
///   this-period field. Without this check the annualising factor D_normal / D_this would be
///   undefined and the results infinite or not a number.
/// Nothing when `calculateWorkPeriod` may run on the inputs.
std::optional<FieldProblem> validateWorkPeriodInputs(const WorkPeriod& period,
                                                     const WorkPeriodInputs& inputs);

} // namespace grovan
