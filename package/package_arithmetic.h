// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The steps the back-calculation and the forward calculation of the package windows share.

#include "core/income_tax.h"
#include "core/settings_store.h"
#include "package/package_calculator.h"

#include <cstdint>

namespace grovan {

/// "A negative value is replaced by 0" (a NaN stays as it is).
inline double clampedAtZero(double value)
{
    return value < 0.0 ? 0.0 : value;
}

/// The share of the company car's value that is its fringe benefit for a month, before the
/// inclusion rate: 0.0325 with a maintenance plan, 0.035 without.
double carMonthlyShare(const SetupValues& setup);

/// The company car fringe benefit of the period: value x 0.0325 (maintenance plan) or x 0.035
/// (none) x the inclusion rate, x 12 in the annual windows.
double carFringeBenefit(const PackageWindow& window, double carValue, const SetupValues& setup);

/// The medical scheme fees tax credit of the period. Annual windows, `beneficiaries`
/// beneficiary-months m: 332 x m up to 24, then 7 968 + 224 x (m - 24). Monthly windows,
/// beneficiaries n: 332 x n up to 2, then 664 + 224 x (n - 2).
double medicalCredit(const PackageWindow& window, std::int32_t beneficiaries);

/// The taxable income and the tax after the rebate of the period, into `r.TaxableIncome` and
/// `r.TaxAfterRebate`. Annual windows: the income clamped at 0 is taxed and the tax less the
/// rebate clamped at 0. Monthly windows: 12 x the monthly income, clamped at 0, is taxed, and the
/// tax less the rebate, clamped at 0, divided by 12 (TaxableIncome stays the monthly income).
/// The annual income taxed is recorded in `record`.
void taxPeriodIncome(const PackageWindow& window, double taxableIncome, double rebate,
                     PackageResults& r, TaxableIncomeRecord& record);

/// The UIF limit of the period: the monthly limit, x 12 in the annual windows.
double uifLimitOfPeriod(const PackageWindow& window, const SetupValues& setup);

/// `r.EmpUIF` and `r.ErUIF` on `r.UIFBase`, or on the period's UIF limit when the base is above
/// it.
void reckonUif(const PackageWindow& window, const SetupValues& setup, PackageResults& r);

/// The allowable R/Fund deduction: the contributions when 27.5 % of `base` is at least the
/// contributions, else 27.5 % of `base`; a limit of 350 000 a year (350 000 / 12 a month) or
/// more becomes that cap.
double fundDeductionLimit(const PackageWindow& window, double base, double contributions);

/// The R/Fund amounts set up as percentages take the computed contributions.
void writeBackContributions(const SetupValues& setup, PackageResults& r);

} // namespace grovan
