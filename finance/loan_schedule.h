// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loan's amortisation schedules: month by month (the capital and interest of each instalment
// and the balance after it) and year by year, with the grids the loan window shows and the data
// of the annual graph. Both are computed afresh from the loan whenever they are needed.

#include "finance/loan_state.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace grovan {

/// The month-by-month schedule; entry [k - 1] is month k, for k = 1 to the period. Rands,
/// unrounded.
struct MonthlySchedule
{
    /// pmt: the instalment recomputed from the principal, period and rate (not the loan's
    /// repayment, which in the modes "Repayment period" and "Interest rate" can differ from it by
    /// a few cents).
    double instalment = 0.0;
    std::vector<double> MonthCapital;  ///< pmt x (1 + i)^(-(n + 1 - k))
    std::vector<double> MonthInterest; ///< pmt - capital
    std::vector<double>
        MonthBalance; ///< |previous balance - capital|, the principal before month 1
};

/// The monthly schedule of `loan` for the months 1 to its period rounded to a whole number
/// (none for a period of 0 or below). The absolute value keeps the last balance from showing as
/// "-0.00": it is 0 up to the rounding of the sums and prints as 0.00.
MonthlySchedule monthlySchedule(const LoanState& loan);

/// The year-by-year schedule; entry [y - 1] is year y, for y = 1 to `Years`. Rands, unrounded.
struct AnnualSchedule
{
    std::vector<double> YearCapital;  ///< capital repaid in the year
    std::vector<double> YearInterest; ///< interest paid in the year
    std::vector<double> YearBalance;  ///< balance at the end of the year, 0 for a final part year
    int FullYears = 0;                ///< complete 12-month years in the term
    int LastYearKind = 1;             ///< 1: the term is whole years; 2: it ends with a part year
    int Years = 0;                    ///< `FullYears`, plus 1 for a final part year
};

/// `CalcAnnAmort`: the monthly schedule summed over each complete year; when the period is not a
/// whole number of years a last row for the part year takes the capital not yet repaid
/// (principal - the capital of the full years), the interest not yet paid (repayment x period -
/// principal - the interest of the full years; the loan's repayment, so that the interest of all
/// years adds up to the total interest of the loan window) and a balance of 0. A period under 12
/// months gives that part-year row only; a period of 0 gives no rows.
AnnualSchedule CalcAnnAmort(const LoanState& loan);

/// A schedule as the loan window's grid panel shows it: the header texts (their leading and
/// trailing blanks belong to them), one row of texts per month or year, each column as wide as
/// its header text times its factor, the header row and the amount columns centred, and a
/// vertical scroll bar when the rows do not all fit the grid's fixed height.
struct ScheduleGrid
{
    std::array<std::string, 4> header;
    std::array<double, 4> widthFactors{};
    std::array<bool, 4> centred{};
    std::vector<std::array<std::string, 4>> rows;
    bool scrollBar = false;
};

/// Whether the monthly schedule can be shown: principal, period, rate and repayment all non-zero.
bool monthlyScheduleAvailable(const LoanState& loan);
/// Whether the annual schedule and graph can be shown: principal, rate and repayment non-zero and
/// a period of at least 13 months.
bool annualScheduleAvailable(const LoanState& loan);

/// "Mo&nthly Amort.": the monthly grid, " Month   ", "Capital payment ", "Interest payment",
/// "    Balance    ", the month formatted "##" and the amounts "# ### ### ###.00", with a scroll
/// bar above 10 months. Nothing when `monthlyScheduleAvailable` fails: the window then shows
/// nothing and puts the focus on `numPrinAmount`.
std::optional<ScheduleGrid> monthlyScheduleGrid(const LoanState& loan);

/// "&Annual Amort.": the annual grid, " Year ", "Capital payments", "Interest payment",
/// "    Balance      ", one row per year of `CalcAnnAmort`, with a scroll bar when there are more
/// than 10 full years, or 10 full years and a part year. Nothing when `annualScheduleAvailable`
/// fails (every term of 12 months or less): the focus then goes to `numPrinAmount`.
std::optional<ScheduleGrid> annualScheduleGrid(const LoanState& loan);

/// "Annual &Graph": the annual schedule the graph draws (its `Years`, `FullYears`,
/// `LastYearKind` and the three yearly arrays). Nothing when `annualScheduleAvailable` fails: the
/// focus then goes to the window's OK button.
std::optional<AnnualSchedule> loanGraphData(const LoanState& loan);

} // namespace grovan
