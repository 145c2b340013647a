// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/quick_tax.h"

#include "core/rounding.h"

#include <cmath>

namespace grovan {

void NEWCALC(TaxSummary& s, TaxableIncomeRecord& record)
{
    s.Rebate = std::trunc(RebateForAge(s.Age));
    s.TotalTax = 0.0;
    s.TaxCommitment = 0.0;
    s.Band = CalcAnnualTax(s.Income, record);
    s.AvgRateBefore = s.Band.Total > 0.0 ? s.Band.Total / s.Income * 100 : s.Band.MarginalRate;
    // A negative income gives a negative band total; there is no negative tax to show, so the
    // total tax of an income of 0 or less is 0.
    s.TotalTax = s.Band.Total > 0.0 ? s.Band.Total : 0.0;
    const double commitment = s.TotalTax - s.Rebate;
    s.TaxCommitment = commitment > 0.0 ? commitment : 0.0;
    const double after = s.Band.Total > 0.0 ? (s.Band.Total - s.Rebate) / s.Income * 100 : 0.0;
    s.AvgRateAfter = after > 0.0 ? after : 0.0;
}

void takeLastTaxableIncome(TaxSummary& summary, const TaxableIncomeRecord& record)
{
    summary.Income = record.LastTaxableIncome;
}

void refreshQuickTax(TaxSummary& summary, TaxableIncomeRecord& record)
{
    takeLastTaxableIncome(summary, record);
    NEWCALC(summary, record);
}

void setQuickTaxIncome(TaxSummary& summary, TaxableIncomeRecord& record, double income)
{
    summary.Income = income;
    record.LastTaxableIncome = income;
}

void setQuickTaxAge(TaxSummary& summary, double typedAge)
{
    if (const auto age = toInt16(typedAge)) {
        summary.Age = *age;
    }
}

} // namespace grovan
