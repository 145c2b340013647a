// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan buster's printout: the one row of table `BondBust` that "loanbuster.rpt" prints.

#include "core/schema_database.h"
#include "finance/loan_buster_calculator.h"

namespace grovan {

inline constexpr const char* kLoanBusterPrintTable = "BondBust";
inline constexpr const char* kLoanBusterReportTemplate = "loanbuster.rpt";
/// The preview window's title; a printout sent to the printer sets none.
inline constexpr const char* kLoanBusterPreviewTitle = "Loan Buster";

/// "&Print" makes a printout only when the principal is above 0; otherwise the focus goes to the
/// OK button and nothing else happens.
bool loanBusterPrintAllowed(const LoanBusterInputs& current);

/// The `BondBust` row in the order written, from the last calculation (the printout does not
/// recalculate): `PAmt` (principal), `Period` (n0, an integer), `IntRate` (the rate, double),
/// `MonRep`, `TotIntPaid`, `TotRep`, `XtraPay` (the adjusted extra payment), `Xper` (n1, an
/// integer), `XMonRep`, `XTotIntPaid`, `XTotRep` and `XTotSavings`.
Row loanBusterPrintRow(const LoanBusterInputs& current, const LoanBusterResults& last);

/// The `BondBust` table.
TableSchema loanBusterPrintTable();

} // namespace grovan
