// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly calculator's printout: the one row of table IRP5Mon that the template
// "Monthly.rpt" prints.

#include "core/print_language.h"
#include "core/schema_database.h"
#include "paye/monthly_calculator.h"

namespace grovan {

inline constexpr const char* kMonthlyPrintTable = "IRP5Mon";
inline constexpr const char* kMonthlyReportTemplate = "Monthly.rpt";
inline constexpr const char* kMonthlyPreviewTitle =
    "Monthly - To export printout click on the suitcase button or goto Help";

/// The 45 fields of the printout in the order they are written, with the labels of `language`;
/// the Afrikaans printout writes `Bonus` and `BonusNum` before `TravAll`, `TravOne` and
/// `TravTwo`. The printout does not recalculate: the amounts, dates and counts come from
/// `current`, the window's inputs as they stand, and the tax figures from `last`, the results of
/// the last calculation (`TravTwo` is its taxable travel allowance, unrounded). The UIF
/// contributions and the skills levy are taken as their fields show them, read back; the other
/// amounts are doubles, unrounded; the age and the beneficiaries are integers, the dates
/// "dd/mm/yyyy" text; `TotalNum` is the integer 0 when not positive.
Row monthlyPrintRow(const MonthlyInputs& current, const MonthlyResults& last,
                    PrintLanguage language);

/// The table `IRP5Mon`, its fields in the order the printout writes them.
TableSchema monthlyPrintTable();

} // namespace grovan
