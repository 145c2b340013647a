// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily calculator's printout: the one row of table IRP5Day that the template "Daily.rpt"
// prints.

#include "core/print_language.h"
#include "core/schema_database.h"
#include "paye/daily_calculator.h"

namespace grovan {

inline constexpr const char* kDailyPrintTable = "IRP5Day";
inline constexpr const char* kDailyReportTemplate = "Daily.rpt";
inline constexpr const char* kDailyPreviewTitle =
    "Daily - To export printout click on the suitcase button or goto Help";

/// The 40 fields of the printout in the order they are written, with the labels of `language`;
/// the Afrikaans printout writes `Bonus` and `BonusNum` before `TravAll` and `RecBefNum`. The
/// printout does not recalculate: the amounts come from `current`, the window's inputs as they
/// stand, and the tax figures from `last`. The UIF contributions and the skills levy are taken as
/// their fields show them, read back; the other amounts are doubles, unrounded; the age and the
/// beneficiaries are integers; `TotalNum` is the integer 0 when not positive.
Row dailyPrintRow(const DailyInputs& current, const PeriodResults& last, PrintLanguage language);

/// The table `IRP5Day`, its fields in the order the printout writes them.
TableSchema dailyPrintTable();

} // namespace grovan
