// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan comparison's printout: the one row of table `BondComp` that "LoanComparison.rpt"
// prints.

#include "core/schema_database.h"
#include "finance/loan_comparison_calculator.h"

namespace grovan {

inline constexpr const char* kLoanComparisonPrintTable = "BondComp";
inline constexpr const char* kLoanComparisonReportTemplate = "LoanComparison.rpt";
/// The preview window's title; a printout sent to the printer sets none.
inline constexpr const char* kLoanComparisonPreviewTitle = "Loan Comparison";

/// "&Print" makes a printout only when the amount and the rate are both above 0; otherwise the
/// focus goes to the OK button.
bool loanComparisonPrintAllowed(const LoanComparisonState& current);

/// The `BondComp` row in the order written: `PAmt`, `IntRate` (double, as typed), then for each
/// term k = 1 to 6 (60 x k months) `MonRep`k, `IntPaid`k and `Total`k from the last
/// computation.
Row loanComparisonPrintRow(const LoanComparisonState& current, const LoanComparisonResults& last);

/// The `BondComp` table.
TableSchema loanComparisonPrintTable();

} // namespace grovan
