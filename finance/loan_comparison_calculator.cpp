// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_comparison_calculator.h"

#include "core/number_format.h"
#include "finance/annuity.h"

#include <string>
#include <utility>

namespace grovan {

void LoanComparisonState::initialiseAll()
{
    CompPrincipal = 0.0;
    CompRate = 0.0;
}

double BCPayCalc(const LoanComparisonState& state, int months)
{
    return annuityRepayment(state.CompPrincipal, months, state.CompRate);
}

LoanComparisonResults calculateLoanComparison(const LoanComparisonState& state)
{
    LoanComparisonResults results;
    for (std::size_t k = 0; k < kComparedTerms.size(); ++k) {
        const int n = kComparedTerms[k];
        ComparisonRow& row = results.rows[k];
        row.months = n;
        // The blank stands where a negative number's sign would. Built up in a string of its own:
        // GCC 12 at -O3 reports a false -Wrestrict on " " + std::string and on assigning " ".
        std::string label(1, ' ');
        label += std::to_string(n / 12);
        label += " yrs.";
        row.label = std::move(label);
        row.repayment = BCPayCalc(state, n);
        row.totalInterest = n * row.repayment - state.CompPrincipal;
        row.totalPaid = n * row.repayment;
    }
    return results;
}

ComparisonGrid loanComparisonGrid(const LoanComparisonResults& results)
{
    ComparisonGrid grid;
    grid.header = {" Period ", "Monthly repayment", "   Total Interest   ", "  Total Paid    "};
    for (std::size_t k = 0; k < results.rows.size(); ++k) {
        const ComparisonRow& row = results.rows[k];
        grid.rows[k] = {row.label, formatNumber(row.repayment, kComparisonGridFormat),
                        formatNumber(row.totalInterest, kComparisonGridFormat),
                        formatNumber(row.totalPaid, kComparisonGridFormat)};
    }
    return grid;
}

} // namespace grovan
