// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inflation printout: the one row of table `Inflation` that "Inflatin.rpt" prints.

#include "core/schema_database.h"
#include "finance/finance_messages.h"
#include "finance/inflation_calculator.h"

namespace grovan {

inline constexpr const char* kInflationPrintTable = "Inflation";
inline constexpr const char* kInflationReportTemplate = "Inflatin.rpt";
/// The report window's title, set by "&Print" for both the preview and the printer.
inline constexpr const char* kInflationPreviewTitle =
    "Inflation - To export printout click on the suitcase button or goto Help";

/// "&Print" makes a printout only when the last projected future cost is not 0 and not above
/// 9 999 999 999; otherwise the focus goes to the OK button.
bool inflationPrintAllowed(const InflationState& current);

/// The `Inflation` row in the order written, all doubles: `PresCost`, `Period`, `InflaRate`,
/// `Ans1` (the future cost) and `ANS2` (the buying power) of the last projection.
Row inflationPrintRow(const InflationState& current);

/// The `Inflation` table.
TableSchema inflationPrintTable();

} // namespace grovan
