// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quick tax calculator's printout: the one row of table "rapell" that the template
// "rapelltep.rpt" prints.

#include "core/schema_database.h"
#include "package/quick_tax.h"

namespace grovan {

inline constexpr const char* kQuickTaxPrintTable = "rapell";
inline constexpr const char* kQuickTaxReportTemplate = "rapelltep.rpt";
inline constexpr const char* kQuickTaxPreviewTitle =
    "Rapell - To export printout click on the suitcase button or goto Help";

/// The eleven fields of the printout in the order written: `AGE` (integer), `TAXINCOME`,
/// `TAXTOPAY` (the band's base tax), `MARGRATE`, `PORTION`, `TOTTAX`, `REBATE`, `TAXCOM4`,
/// `AVRATE`, `AVRATEAFT` and `TAXCOM4/2` (the tax commitment / 12), all unrounded doubles. The
/// printout does not recalculate: an income typed after the last calculation prints beside the
/// tax figures of that calculation. The printout has no labels of its own, so no language.
Row quickTaxPrintRow(const TaxSummary& summary);

/// The table `rapell`, its fields in the order the printout writes them.
TableSchema quickTaxPrintTable();

} // namespace grovan
