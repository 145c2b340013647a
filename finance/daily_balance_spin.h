// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily balance window's two spin buttons: `spRate` steps the rate, `spDate` the end date.
// A spin never makes a value that its field would refuse when typed.

#include "finance/daily_balance_calculator.h"
#include "finance/spin_step.h"

namespace grovan {

/// The highest rate the rate field takes, in percent a year.
inline constexpr double kHighestDayBalRate = 40.0;

/// `spRate`, only while the rate is not 0: up adds `DayBalRateStep`, and a rate above 40 (the
/// most the field takes) starts again at one step; down takes a step off, and a rate of 0 or
/// below beeps and becomes 40. The window shows the new rate, recalculates and puts the focus on
/// its OK button. A rate of 0 does nothing.
SpinStep spinDayBalRate(DayBalState& state, SpinDirection direction);

/// `spDate`, only while the start date is set: up moves the end date a day on, but not beyond
/// 10 960 days after the start (the last date the field takes; the spin then beeps); down moves
/// it a day back, but not before the start date. Without an end date, up sets it to the day
/// after the start and down to the start itself. The window shows the new end date and
/// recalculates.
SpinStep spinDayBalDate(DayBalState& state, SpinDirection direction);

} // namespace grovan
