// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The monthly calculator: the employees' tax, UIF, skills levy and medical credits of one
// calendar month or of part of one.

#include "core/calendar_date.h"
#include "core/income_tax.h"
#include "core/settings_store.h"
#include "core/tax_year.h"
#include "paye/period_pay.h"

namespace grovan {

/// The window's default end date: the last day of the tax year's first month.
inline constexpr CalendarDate kMonthlyDefaultEndDate = *CalendarDate::fromYmd(2021, 3, 31);

/// The monthly calculator's inputs: the pay of the month (whole rands in the window) and the
/// days of the month it was earned in.
struct MonthlyInputs : PeriodPay
{
    CalendarDate startDate = TaxYearStart;
    CalendarDate endDate = kMonthlyDefaultEndDate;
};

/// The monthly results: those of every periodic calculator, with the taxable travel allowance
/// shown beside the allowance, and the day counts the tax was scaled by.
struct MonthlyResults : PeriodResults
{
    std::int32_t days = 0;        ///< d: days of the period, both dates included
    std::int32_t daysInMonth = 0; ///< N: days in the start date's month
};

/// N, the days in a month as the monthly calculator counts them: 31 for January, March, May,
/// July, August, October and December, 28 for February whatever the year, 30 otherwise.
std::int32_t monthlyDaysInMonth(int month);

/// The monthly calculation ("&Calculate"). Preconditions: the inputs pass
/// `validateMonthlyInputs` (both dates in the tax year and in one month, the start day not after
/// the end day). The month's regular income is annualised by N / d x 12 and its tax, less the
/// rebate and clamped at 0, brought back by / 12 x d / N; the tax on the bonus (the difference of
/// the clamped annual taxes with and without it) is added in full. The medical credit and the
/// UIF limit are the month's, not pro-rated. Every income taxed is recorded in `record`, the
/// annual income without the bonus last.
MonthlyResults calculateMonthly(const MonthlyInputs& inputs, const SetupValues& setup,
                                TaxableIncomeRecord& record);

} // namespace grovan
