// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pay periods of the employees'-tax calculators and the conversions between a period and the
// tax year. Each conversion keeps the order of operations the calculators use, so that results
// agree to the last binary digit whichever calculator computes them.

namespace grovan {

enum class PayPeriod
{
    Annual,
    Monthly,
    Fortnightly,
    Weekly,
    Daily
};

/// 1, 12, 26, 52 or 260.
int periodsPerYear(PayPeriod period);

/// The medical scheme fees tax credit of one period from that of a month: the month's credit
/// (monthly), / 2 (fortnightly), / 4 (weekly), x 12 / 260 (daily), x 12 (a whole year at one
/// count; the annual calculator instead sums its months).
double medicalCreditOfPeriod(double monthlyCredit, PayPeriod period);

/// The UIF limit of one period from the monthly limit: x 12 / 26, x 12 / 52, x 12 / 260; the
/// monthly limit itself for a month (a part month is not pro-rated).
double uifLimitOfPeriod(double monthlyLimit, PayPeriod period);

/// A UIF contribution: min(base, limit of the period) x percent / 100.
double uifContribution(double uifBase, double periodLimit, double ratePercent);

/// The skills development levy: levy base x percent / 100.
double skillsLevy(double levyBase, double ratePercent);

/// Annual calculator: a period's income to a year, x 365 / days when the period is shorter
/// than 365 days, otherwise unchanged.
double annualiseDays(double income, int days);
/// Annual calculator: a year's tax back to a period of `days`, days x tax / 365 when shorter
/// than 365 days, otherwise unchanged.
double deannualiseDays(double annualTax, int days);

/// Monthly calculator: income x (days in the month / days in the period) x 12.
double annualiseMonth(double income, int daysInMonth, int daysInPeriod);
/// Monthly calculator: tax / 12 x days in the period / days in the month.
double deannualiseMonth(double annualTax, int daysInMonth, int daysInPeriod);

/// Fortnightly and weekly calculators: income x periods x normal days / days of this period.
double annualiseWorkPeriod(double income, int periodsPerYear, int normalDays, int thisDays);
/// Fortnightly and weekly calculators: (tax / periods) x days of this period / normal days.
double deannualiseWorkPeriod(double annualTax, int periodsPerYear, int normalDays, int thisDays);

} // namespace grovan
