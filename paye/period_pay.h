// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the monthly, fortnightly, weekly and daily calculators share: the pay of one period as
// the windows take it, the results they show, and the steps they take alike once the tax of the
// period is known.

#include "core/settings_store.h"

#include <cstdint>
#include <string>

namespace grovan {

/// The pay of one period as the periodic windows hold it. Amounts are rands of the period; the
/// windows' fields limit them (whole rands in the monthly window, rands and cents in the others),
/// but any amount is calculated as it stands. Everything is 0 and the name empty on opening.
struct PeriodPay
{
    std::int16_t age = 0;         ///< whole years
    double salary = 0.0;          ///< salary/remuneration, fringe benefits included
    double employerMedical = 0.0; ///< employer's medical scheme contributions
    double employeeMedical = 0.0; ///< employee's medical scheme contributions
    double employerFund = 0.0;    ///< employer's retirement-fund contributions
    double employeeFund = 0.0;    ///< employee's retirement-fund contributions
    double commissions = 0.0;
    double bonus = 0.0;
    double travelAllowance = 0.0; ///< travel allowance received
    /// Medical scheme beneficiaries (main member and dependants), 0 to 99.
    std::int16_t beneficiaries = 0;
    /// The print panel's employee name, at most 50 characters; only the printout uses it.
    std::string employeeName;
};

/// The results of a periodic calculator, rands of the period. Nothing is rounded here; the
/// windows round for display only (two decimals, the deduction and the monthly taxable travel
/// allowance in whole rands with halves to even).
struct PeriodResults
{
    /// "Allowable R/Fund deduction": the employer's and employee's contributions up to 27.5 % of
    /// the remuneration base, at most 350 000 / periods a year.
    double fundDeduction = 0.0;
    double taxableTravel = 0.0;           ///< travel allowance x inclusion rate
    double employeeUif = 0.0;             ///< "UIF contribution Employee"
    double employerUif = 0.0;             ///< "UIF contribution Employer"
    double skillsLevy = 0.0;              ///< "S.D.L."
    double taxLiability = 0.0;            ///< "Tax liability": tax of the period before the credits
    double medicalCredit = 0.0;           ///< "Tax credits for beneficiaries"
    double additionalMedicalCredit = 0.0; ///< "Tax credits for contributions", from age 65
    /// "Total tax deduction": tax liability - (both credits) when positive, otherwise 0.
    double totalTaxDeduction = 0.0;
    /// The printout's medical expenses amount: the windows have no such input, so always 0.
    double medicalExpenses = 0.0;
};

/// The remuneration base that limits the retirement-fund deduction: salary + employer's medical
/// contribution + commissions + bonus + taxable travel allowance + employer's R/Fund
/// contribution, added in that order.
double remunerationBase(const PeriodPay& pay, double taxableTravel);

/// The UIF base: salary + employer's medical contribution + bonus + taxable travel allowance +
/// employer's R/Fund contribution, in that order (commissions are not part of it).
double uifBase(const PeriodPay& pay, double taxableTravel);

/// The steps every periodic calculator takes after its tax: the UIF contributions on the UIF
/// base up to `uifLimit` (the limit of the period), the skills levy on (UIF base - deduction +
/// commissions), the additional medical credit, and the total tax deduction. Needs
/// `fundDeduction`, `taxableTravel`, `taxLiability` and `medicalCredit` of `results` set.
void finishPeriodResults(const PeriodPay& pay, const SetupValues& setup, double uifLimit,
                         PeriodResults& results);

} // namespace grovan
