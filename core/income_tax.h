// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace grovan {

/// What `CalcAnnualTax` finds for an annual taxable income; all rands except the rate.
struct TaxBandResult
{
    double MarginalRate = 0.0; ///< marginal rate of the band, whole percent (18 ... 45)
    double BandFloor = 0.0;    ///< floor of the band (0 for the first)
    double BandCeiling = 0.0;  ///< ceiling of the band (9 999 999 999 for the top band)
    double TaxOnExcess = 0.0;  ///< (income - BandFloor) x MarginalRate / 100
    double BaseTax = 0.0;      ///< base tax of the band
    double Total = 0.0;        ///< BaseTax + TaxOnExcess: the annual tax before rebates
};

/// The application-wide record of the annual taxable income most recently taxed anywhere in the
/// program (0 at start). The quick tax calculator shows it; initialising all does not reset it.
struct TaxableIncomeRecord
{
    double LastTaxableIncome = 0.0;
};

/// The income tax of the year on an annual taxable income, before rebates, from the first band
/// whose ceiling is not below the income (216 200 is in the first band, 216 200.01 in the second).
/// Nothing is rounded; a negative income gives a negative Total from the first band. Records the
/// income as `record.LastTaxableIncome`.
TaxBandResult CalcAnnualTax(double annualTaxableIncome, TaxableIncomeRecord& record);

/// The total rebate, rands a year, for an age in whole years: 15 714 below 65, 24 327 from 65 to
/// 74, 27 198 from 75.
double RebateForAge(std::int16_t age);

/// Annual tax after the rebate for the age, replaced by 0 when negative.
double taxAfterRebate(double annualTaxBeforeRebate, std::int16_t age);

} // namespace grovan
