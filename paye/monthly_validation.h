// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the monthly calculator's window refuses, and the messages it shows.

#include "core/field_binding.h"
#include "paye/monthly_calculator.h"

#include <optional>

namespace grovan {

/// "The Start and End dates entered must be for the same Month", "Incorrect Date", error icon.
Message monthMismatchMessage();
/// "The Start date entered must be before the End date", "Incorrect Date", error icon.
Message startAfterEndMessage();

/// The start date field's check: a date (nothing when the text is no valid date) in the tax year;
/// otherwise "... between 01/03/2021 and 28/02/2022".
std::optional<Message> checkMonthlyStartDate(std::optional<CalendarDate> date);
/// The end date field's check: a date in the tax year; otherwise the message quoting `start`,
/// the start date as the window shows it. Whether the end lies in the start's month and not
/// before its day is the calculation's first check (`checkMonthlyPeriod`).
std::optional<Message> checkMonthlyEndDate(std::optional<CalendarDate> date, CalendarDate start);

/// The first two steps of "&Calculate": dates of different months give `monthMismatchMessage`
/// with the focus on the end date; otherwise a start day after the end day gives
/// `startAfterEndMessage` with the focus on the start date. Equal days are a one-day period.
/// The window then stops and its results stay as they were.
std::optional<FieldProblem> checkMonthlyPeriod(const MonthlyInputs& inputs);

/// The message the window shows when `field` is refused (a date outside the tax year, or no
/// valid date); nothing for the other fields, which have no message of their own. The end
/// date's message quotes `current.startDate`.
std::optional<Message> monthlyRefusalMessage(const FieldDescription& field,
                                             std::optional<double> value,
                                             const MonthlyInputs& current);

/// Checks a complete set of inputs as the window would before it calculates: the start date,
/// then the end date in the tax year, then `checkMonthlyPeriod`. Nothing when `calculateMonthly`
/// may run on them.
std::optional<FieldProblem> validateMonthlyInputs(const MonthlyInputs& inputs);

} // namespace grovan
