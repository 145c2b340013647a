// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily balance printout: the one row of table `DailyBal` that "DayBal.rpt" prints.

#include "core/schema_database.h"
#include "finance/daily_balance_calculator.h"

namespace grovan {

inline constexpr const char* kDailyBalancePrintTable = "DailyBal";
inline constexpr const char* kDailyBalanceReportTemplate = "DayBal.rpt";
/// The preview window's title; a printout sent to the printer sets none.
inline constexpr const char* kDailyBalancePreviewTitle = "Daily Balance Calculation";

/// "&Print" makes a printout only when the interest and the days of the last computation are
/// both above 0; otherwise the focus goes to the OK button.
bool dailyBalancePrintAllowed(const DayBalResults& last);

/// The `DailyBal` row in the order written: `CapAmount` (double), `StartDate` and `EndDate` (day
/// numbers, integers; the template prints them as dates), `IntRate` (double), `ANS1` (the
/// interest, double) and `ANS2` (the days, an integer).
Row dailyBalancePrintRow(const DayBalState& current, const DayBalResults& last);

/// The `DailyBal` table.
TableSchema dailyBalancePrintTable();

} // namespace grovan
