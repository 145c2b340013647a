// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tax law of the one tax year the program serves: 1 March 2021 to 28 February 2022.
// Every rate, rebate, cap and credit amount is held here once; calculators read it from here.

#include "core/calendar_date.h"

#include <array>

namespace grovan {

/// First day of the tax year, the default start date of the dated calculators.
inline constexpr CalendarDate TaxYearStart = *CalendarDate::fromYmd(2021, 3, 1);
/// Last day of the tax year, the default end date and latest date the calculators accept.
inline constexpr CalendarDate TaxYearEnd = *CalendarDate::fromYmd(2022, 2, 28);

/// One band of the income tax table, for annual taxable incomes above `floor` and not above
/// `ceiling` (the first band also takes zero and negative incomes). Rands; rate in whole percent.
struct TaxBand
{
    double floor;
    double ceiling;
    double baseTax;
    double ratePercent;
};

/// The seven income tax bands of the year. The top ceiling, 9 999 999 999, is reported as the
/// band's ceiling and is never used as a limit.
inline constexpr std::array<TaxBand, 7> IncomeTaxTable{{
    {0.0, 216200.0, 0.0, 18.0},
    {216200.0, 337800.0, 38916.0, 26.0},
    {337800.0, 467500.0, 70532.0, 31.0},
    {467500.0, 613600.0, 110739.0, 36.0},
    {613600.0, 782200.0, 163335.0, 39.0},
    {782200.0, 1656600.0, 229089.0, 41.0},
    {1656600.0, 9999999999.0, 587593.0, 45.0},
}};

/// The year's rebates, deduction limits, credit amounts and day counts.
struct TaxYearConstants
{
    /// Rebate of every taxpayer, rands a year.
    static constexpr double PrimaryRebate = 15714.0;
    /// Added to the primary rebate from age 65 to 74.
    static constexpr double SecondaryRebate = 8613.0;
    /// Added to the primary rebate (instead of the secondary one) from age 75.
    static constexpr double SecondaryPlusTertiaryRebate = 11484.0;
    static constexpr int SecondaryRebateAge = 65;
    static constexpr int TertiaryRebateAge = 75;

    /// Deductible retirement-fund contributions: at most this fraction of the remuneration base...
    static constexpr double RetirementFundDeductionRate = 0.275;
    /// ... and at most this many rands a year.
    static constexpr double RetirementFundDeductionCap = 350000.0;

    /// Medical scheme fees tax credit, rands a month, for each of the first two beneficiaries.
    static constexpr double MedicalCreditFirstTwo = 332.0;
    /// Medical scheme fees tax credit, rands a month, for every further beneficiary.
    static constexpr double MedicalCreditFurther = 224.0;
    /// Additional medical credit of persons aged 65 and older: this fraction (0.333, not a third)
    /// of the contributions above AdditionalMedicalCreditMultiple times the fees credit.
    static constexpr double AdditionalMedicalCreditRate = 0.333;
    static constexpr double AdditionalMedicalCreditMultiple = 3.0;
    static constexpr int AdditionalMedicalCreditAge = 65;

    /// The two travel-allowance (and company-car) inclusion rates of the set-up, as fractions.
    static constexpr double InclusionRate80 = 0.8;
    static constexpr double InclusionRate20 = 0.2;

    /// Working days of the daily calculator's year.
    static constexpr int WorkingDaysPerYear = 260;
    /// Days of the annual calculator's year, for part-year scaling.
    static constexpr int DaysPerYear = 365;
};

} // namespace grovan
