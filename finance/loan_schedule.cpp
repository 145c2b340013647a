// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/loan_schedule.h"

#include "core/number_format.h"
#include "core/rounding.h"
#include "finance/annuity.h"

#include <cmath>

namespace grovan {

namespace {

constexpr std::string_view kNumberFormat = "##";
constexpr std::string_view kAmountFormat = "# ### ### ###.00";
// The grid shows this many rows before it needs a scroll bar.
constexpr int kRowsWithoutScrollBar = 10;

int wholeMonths(double period)
{
    const double months = roundHalfEven(period, 0);
    return months > 0.0 ? static_cast<int>(months) : 0;
}

std::array<std::string, 4> gridRow(int number, double capital, double interest, double balance)
{
    return {formatNumber(number, kNumberFormat), formatNumber(capital, kAmountFormat),
            formatNumber(interest, kAmountFormat), formatNumber(balance, kAmountFormat)};
}

} // namespace

MonthlySchedule monthlySchedule(const LoanState& loan)
{
    MonthlySchedule schedule;
    const int n = wholeMonths(loan.PeriodMonths);
    const double i = monthlyRate(loan.AnnualRate);
    const double pmt = annuityRepayment(loan.Principal, n, loan.AnnualRate);
    schedule.instalment = pmt;
    schedule.MonthCapital.reserve(n);
    schedule.MonthInterest.reserve(n);
    schedule.MonthBalance.reserve(n);
    double balance = loan.Principal;
    for (int k = 1; k <= n; ++k) {
        const double capital = pmt * std::pow(1.0 + i, -(n + 1 - k));
        balance = std::fabs(balance - capital);
        schedule.MonthCapital.push_back(capital);
        schedule.MonthInterest.push_back(pmt - capital);
        schedule.MonthBalance.push_back(balance);
    }
    return schedule;
}

AnnualSchedule CalcAnnAmort(const LoanState& loan)
{
    const MonthlySchedule months = monthlySchedule(loan);
    const int n = static_cast<int>(months.MonthCapital.size());
    AnnualSchedule years;
    double capitalSoFar = 0.0;
    double interestSoFar = 0.0;
    for (int k = 12; k <= n; k += 12) {
        double capital = 0.0;
        double interest = 0.0;
        for (int month = k - 11; month <= k; ++month) {
            capital += months.MonthCapital[month - 1];
            interest += months.MonthInterest[month - 1];
        }
        years.YearCapital.push_back(capital);
        years.YearInterest.push_back(interest);
        years.YearBalance.push_back(months.MonthBalance[k - 1]);
        years.FullYears = k / 12;
        years.LastYearKind = 1;
        capitalSoFar += capital;
        interestSoFar += interest;
    }
    years.Years = years.FullYears;
    if (n % 12 != 0) {
        years.YearCapital.push_back(loan.Principal - capitalSoFar);
        years.YearInterest.push_back((loan.MonthlyRepayment * loan.PeriodMonths - loan.Principal) -
                                     interestSoFar);
        years.YearBalance.push_back(0.0);
        years.LastYearKind = 2;
        years.Years = years.FullYears + 1;
    }
    return years;
}

bool monthlyScheduleAvailable(const LoanState& loan)
{
    return loan.Principal != 0.0 && loan.PeriodMonths != 0.0 && loan.AnnualRate != 0.0 &&
           loan.MonthlyRepayment != 0.0;
}

bool annualScheduleAvailable(const LoanState& loan)
{
    return loan.Principal != 0.0 && loan.PeriodMonths >= 13.0 && loan.AnnualRate != 0.0 &&
           loan.MonthlyRepayment != 0.0;
}

std::optional<ScheduleGrid> monthlyScheduleGrid(const LoanState& loan)
{
    if (!monthlyScheduleAvailable(loan)) {
        return std::nullopt;
    }
    const MonthlySchedule schedule = monthlySchedule(loan);
    ScheduleGrid grid{{" Month   ", "Capital payment ", "Interest payment", "    Balance    "},
                      {1.2, 1.3, 1.4, 1.9},
                      {false, true, true, true},
                      {},
                      false};
    const int n = static_cast<int>(schedule.MonthCapital.size());
    grid.rows.reserve(n);
    for (int k = 1; k <= n; ++k) {
        grid.rows.push_back(gridRow(k, schedule.MonthCapital[k - 1], schedule.MonthInterest[k - 1],
                                    schedule.MonthBalance[k - 1]));
    }
    grid.scrollBar = n > kRowsWithoutScrollBar;
    return grid;
}

std::optional<ScheduleGrid> annualScheduleGrid(const LoanState& loan)
{
    const auto schedule = loanGraphData(loan);
    if (!schedule) {
        return std::nullopt;
    }
    ScheduleGrid grid{{" Year ", "Capital payments", "Interest payment", "    Balance      "},
                      {1.2, 1.3, 1.4, 1.5},
                      {false, true, true, true},
                      {},
                      false};
    for (int y = 1; y <= schedule->Years; ++y) {
        grid.rows.push_back(gridRow(y, schedule->YearCapital[y - 1], schedule->YearInterest[y - 1],
                                    schedule->YearBalance[y - 1]));
    }
    grid.scrollBar = schedule->FullYears > kRowsWithoutScrollBar ||
                     (schedule->Years > kRowsWithoutScrollBar && schedule->LastYearKind == 2);
    return grid;
}

std::optional<AnnualSchedule> loanGraphData(const LoanState& loan)
{
    if (!annualScheduleAvailable(loan)) {
        return std::nullopt;
    }
    return CalcAnnAmort(loan);
}

} // namespace grovan
