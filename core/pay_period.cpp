// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pay_period.h"

#include "core/tax_year.h"

#include <algorithm>

namespace grovan {

int periodsPerYear(PayPeriod period)
{
    switch (period) {
    case PayPeriod::Annual:
        return 1;
    case PayPeriod::Monthly:
        return 12;
    case PayPeriod::Fortnightly:
        return 26;
    case PayPeriod::Weekly:
        return 52;
    case PayPeriod::Daily:
        return TaxYearConstants::WorkingDaysPerYear;
    }
    return 1;
}

double medicalCreditOfPeriod(double monthlyCredit, PayPeriod period)
{
    switch (period) {
    case PayPeriod::Annual:
        return monthlyCredit * 12;
    case PayPeriod::Monthly:
        return monthlyCredit;
    case PayPeriod::Fortnightly:
        return monthlyCredit / 2;
    case PayPeriod::Weekly:
        return monthlyCredit / 4;
    case PayPeriod::Daily:
        return monthlyCredit * 12 / TaxYearConstants::WorkingDaysPerYear;
    }
    return monthlyCredit;
}

double uifLimitOfPeriod(double monthlyLimit, PayPeriod period)
{
    if (period == PayPeriod::Monthly) {
        return monthlyLimit;
    }
    return monthlyLimit * 12 / periodsPerYear(period);
}

double uifContribution(double uifBase, double periodLimit, double ratePercent)
{
    return std::min(uifBase, periodLimit) * ratePercent / 100;
}

double skillsLevy(double levyBase, double ratePercent)
{
    return levyBase * ratePercent / 100;
}

double annualiseDays(double income, int days)
{
    if (days < TaxYearConstants::DaysPerYear) {
        return income * TaxYearConstants::DaysPerYear / days;
    }
    return income;
}

double deannualiseDays(double annualTax, int days)
{
    if (days < TaxYearConstants::DaysPerYear) {
        return days * annualTax / TaxYearConstants::DaysPerYear;
    }
    return annualTax;
}

double annualiseMonth(double income, int daysInMonth, int daysInPeriod)
{
    return income * (static_cast<double>(daysInMonth) / daysInPeriod) * 12;
}

double deannualiseMonth(double annualTax, int daysInMonth, int daysInPeriod)
{
    return annualTax / 12 * daysInPeriod / daysInMonth;
}

double annualiseWorkPeriod(double income, int periodsPerYear, int normalDays, int thisDays)
{
    return income * periodsPerYear * normalDays / thisDays;
}

double deannualiseWorkPeriod(double annualTax, int periodsPerYear, int normalDays, int thisDays)
{
    return (annualTax / periodsPerYear) * thisDays / normalDays;
}

} // namespace grovan
