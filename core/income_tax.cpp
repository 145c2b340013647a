// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/income_tax.h"

#include "core/tax_year.h"

#include <algorithm>

namespace grovan {

TaxBandResult CalcAnnualTax(double income, TaxableIncomeRecord& record)
{
    record.LastTaxableIncome = income;
    const auto band = std::find_if(IncomeTaxTable.begin(), IncomeTaxTable.end() - 1,
                                   [income](const TaxBand& b) { return b.ceiling >= income; });
    TaxBandResult result;
    result.MarginalRate = band->ratePercent;
    result.BandFloor = band->floor;
    result.BandCeiling = band->ceiling;
    // A product followed by a division, in this order, as the tax law's worked examples are done.
    result.TaxOnExcess = (income - band->floor) * band->ratePercent / 100.0;
    result.BaseTax = band->baseTax;
    result.Total = result.BaseTax + result.TaxOnExcess;
    return result;
}

double RebateForAge(std::int16_t age)
{
    if (age >= TaxYearConstants::TertiaryRebateAge) {
        return TaxYearConstants::PrimaryRebate + TaxYearConstants::SecondaryPlusTertiaryRebate;
    }
    if (age >= TaxYearConstants::SecondaryRebateAge) {
        return TaxYearConstants::PrimaryRebate + TaxYearConstants::SecondaryRebate;
    }
    return TaxYearConstants::PrimaryRebate;
}

double taxAfterRebate(double annualTaxBeforeRebate, std::int16_t age)
{
    return std::max(0.0, annualTaxBeforeRebate - RebateForAge(age));
}

} // namespace grovan
