// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_comparison_printout.h"

#include <string>

namespace grovan {

bool loanComparisonPrintAllowed(const LoanComparisonState& current)
{
    return current.CompPrincipal > 0.0 && current.CompRate > 0.0;
}

Row loanComparisonPrintRow(const LoanComparisonState& current, const LoanComparisonResults& last)
{
    Row row{{"PAmt", current.CompPrincipal}, {"IntRate", current.CompRate}};
    for (std::size_t k = 0; k < last.rows.size(); ++k) {
        const std::string n = std::to_string(k + 1);
        row.push_back({"MonRep" + n, last.rows[k].repayment});
        row.push_back({"IntPaid" + n, last.rows[k].totalInterest});
        row.push_back({"Total" + n, last.rows[k].totalPaid});
    }
    return row;
}

TableSchema loanComparisonPrintTable()
{
    TableSchema table{kLoanComparisonPrintTable, TableKind::SingleRow, {}};
    for (const Field& field : loanComparisonPrintRow({}, {})) {
        table.columns.push_back({field.name, ColumnType::Real, 0.0});
    }
    return table;
}

} // namespace grovan
