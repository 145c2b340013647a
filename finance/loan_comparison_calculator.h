// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan comparison: one bond amount at one annual rate over six terms, 5 to 30 years, through
// the shared annuity formula.

#include <array>
#include <string>
#include <string_view>

namespace grovan {

/// The loan comparison's application-wide values; they survive closing the window. Rands and
/// percent a year, held in double precision as typed.
struct LoanComparisonState
{
    double CompPrincipal = 0.0;
    double CompRate = 0.0;

    /// "&Initialise All" (and start-up): both become 0.
    void initialiseAll();
};

/// The six terms compared, in months.
inline constexpr std::array<int, 6> kComparedTerms{60, 120, 180, 240, 300, 360};

/// One term of the comparison. Rands, unrounded; nothing is clamped.
struct ComparisonRow
{
    int months = 0;
    std::string label;          ///< the years with a leading blank: " 5 yrs.", " 10 yrs.", ...
    double repayment = 0.0;     ///< R(n), 0 when the amount or the rate is 0
    double totalInterest = 0.0; ///< n x R(n) - principal (minus the principal at a rate of 0)
    double totalPaid = 0.0;     ///< n x R(n)
};

struct LoanComparisonResults
{
    std::array<ComparisonRow, 6> rows;
};

/// `BCPayCalc` for the term `months`: (i x principal) / (1 - (1 + i)^(-term)), 0 when the amount,
/// the term or the rate is 0.
double BCPayCalc(const LoanComparisonState& state, int months);

/// The table computation ("&Calculate", and every activation): the six terms in increasing
/// order.
LoanComparisonResults calculateLoanComparison(const LoanComparisonState& state);

/// The display format of the grid's amounts.
inline constexpr std::string_view kComparisonGridFormat = "# ### ### ##0.00 ";

/// The grid `grdPayments` as the window shows it: 7 rows of 4 columns.
struct ComparisonGrid
{
    /// " Period ", "Monthly repayment", "   Total Interest   ", "  Total Paid    " (the blanks
    /// belong to the texts).
    std::array<std::string, 4> header;
    /// The label, then the three amounts formatted "# ### ### ##0.00 ".
    std::array<std::array<std::string, 4>, 6> rows;
    /// Column 0 is this many times its header text's width; columns 1 to 3 have fixed widths in
    /// twips, and the grid is as wide as its columns plus `extraWidthTwips`.
    double firstColumnFactor = 1.2;
    std::array<int, 3> columnTwips{1750, 1600, 1600};
    int extraWidthTwips = 20;
    /// The header row and the three amount columns are centred, the labels not.
    std::array<bool, 4> centred{false, true, true, true};
};

ComparisonGrid loanComparisonGrid(const LoanComparisonResults& results);

} // namespace grovan
