// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the daily balance window refuses, and the messages it shows.

#include "core/field_binding.h"
#include "finance/daily_balance_calculator.h"

#include <optional>

namespace grovan {

/// "The date entered is invalid please enter a valid date.", "INVALID DATE", error icon.
Message invalidDayBalDateMessage();
/// "The date entered is more than 30 years(360 months) after " + the start date + ".",
/// "DATE OUT OF RANGE", error icon.
Message endDateOutOfRangeMessage(CalendarDate start);
/// "The date entered is more than 30 years(360 months) before " + the end date + ".",
/// "DATE OUT OF RANGE", error icon.
Message startDateOutOfRangeMessage(CalendarDate end);
/// "The maximum Interest Rate allowed is 40%", "Incorrect Interest Rate!", error icon.
Message maximumDayBalRateMessage();

/// The message for a value `field` refuses as typed (`rejected` a day number for the dates,
/// nothing for text that is no date):
/// - a date field's text that is no date, or a date outside 01/01/1900 to 31/12/9999:
///   `invalidDayBalDateMessage`;
/// - an end date outside `endDateRange` while the start date is set: the end date message,
///   quoting the start date; a start date outside `startDateRange` while the end date is set:
///   the start date message, quoting the end date;
/// - a rate above 40: `maximumDayBalRateMessage`.
/// Nothing for the capital, whose field holds its maximum. The window returns the focus to the
/// field.
std::optional<Message> dailyBalanceRefusalMessage(const FieldDescription& field,
                                                  std::optional<double> rejected,
                                                  const DayBalState& current);

/// Checks a complete set of values as the window's fields would have, in the window's order:
/// both dates set and each in its range (the start date against the end date, the end date
/// against the start date), then the rate from 0 to 40. A date not set is refused here with
/// `invalidDayBalDateMessage` (the window's "&Calculate" silently does nothing then), so that a
/// calculation from the command line is never left without results.
std::optional<FieldProblem> validateDailyBalanceInputs(const DayBalState& state);

} // namespace grovan
