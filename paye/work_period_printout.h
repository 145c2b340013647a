// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fortnightly and weekly printout: the one row of table IRP5Week that the templates
// "FortNightly.rpt" and "Weekly.rpt" print.

#include "core/print_language.h"
#include "core/schema_database.h"
#include "paye/work_period_calculator.h"

namespace grovan {

inline constexpr const char* kWorkPeriodPrintTable = "IRP5Week";

/// The fields of the printout in the order they are written, with the labels of `language` and
/// the heading and day labels of `period`; the Afrikaans printout writes `Bonus` and `BonusNum`
/// before `TravAll` and `RecBefNum`. `TOTAL` and `TotalNum` are written twice: first after
/// `EDateNum` with "Tax deduction" / "Belasting Aftrekkings" and the tax liability, then last
/// with "Total tax deduction" / "Totaal belasting" and the total tax deduction (the integer 0
/// when not positive), which is what the row keeps. `SDateNum` and `EDateNum` hold the normal
/// and this period's days as integers. The printout does not recalculate: the amounts come from
/// `current`, the window's inputs as they stand, the tax figures from `last`; the UIF
/// contributions and the skills levy are taken as their fields show them, read back.
Row workPeriodPrintRow(const WorkPeriod& period, const WorkPeriodInputs& current,
                       const PeriodResults& last, PrintLanguage language);

/// The table `IRP5Week`, its fields in the order the printout writes them.
TableSchema workPeriodPrintTable();

} // namespace grovan
