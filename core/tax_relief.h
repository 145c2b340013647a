// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deductions, credits and inclusions that every employees'-tax calculator applies the same way.

#include <cstdint>

namespace grovan {

/// The deductible retirement-fund contributions of one period, rands: the contributions
/// (employer's plus employee's) up to 27.5 % of the period's remuneration base, then capped at
/// 350 000 / `periodsPerYear`. The cap applies to the period's amount before it is annualised;
/// the annual calculator passes 1 whatever the length of its period.
double RetirementFundDeduction(double contributions, double remunerationBase, int periodsPerYear);

/// The medical scheme fees tax credit of one month, rands, for `beneficiaries` (main member plus
/// dependants): 332 each for the first two, 224 for every further one; 0 for none.
double MedicalSchemeFeesCredit(std::int16_t beneficiaries);

/// The additional medical credit of a person aged 65 or older, rands of the period:
/// 0.333 x (employer's + employee's medical contributions - 3 x the fees credit of the same
/// period), never negative; 0 below 65, when the fees credit is not above 0, or when both
/// contributions are 0.
double AdditionalMedicalCredit(std::int16_t age, double employerContribution,
                               double employeeContribution, double feesCredit);

/// Whether the medical credits apply at all: either contribution of the period above 0.
bool medicalCreditsApply(double employerContribution, double employeeContribution);

/// The taxable part of a travel allowance: allowance x inclusion rate (0.8 or 0.2 from set-up;
/// any other stored rate is used as it stands).
double taxableTravelAllowance(double allowance, double inclusionRate);

} // namespace grovan
