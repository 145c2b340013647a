// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The annual calculator's printout: the one row of table IRP5Ann that the template
// "Annual.rpt" prints.

#include "core/print_language.h"
#include "core/schema_database.h"
#include "paye/annual_calculator.h"

namespace grovan {

inline constexpr const char* kAnnualPrintTable = "IRP5Ann";
inline constexpr const char* kAnnualReportTemplate = "Annual.rpt";
inline constexpr const char* kAnnualPreviewTitle =
    "Annual - To export printout click on the suitcase button or goto Help";

/// The 66 fields of the printout in the order they are written, with the labels of `language`.
/// The printout does not recalculate: the amounts, dates and month counts come from `current`,
/// the window's inputs as they stand (after the last calculation set its month counts), and the
/// tax figures from `last`, the results of the last calculation. Amounts are doubles, unrounded;
/// ages and counts are integers; dates are "dd/mm/yyyy" text; PAYENum and TotalNum are the
/// integer 0 when not positive, and MedAidBensnum is always the integer 0.
Row annualPrintRow(const AnnualInputs& current, const AnnualResults& last, PrintLanguage language);

/// The table `IRP5Ann`, its fields in the order the printout writes them.
TableSchema annualPrintTable();

} // namespace grovan
