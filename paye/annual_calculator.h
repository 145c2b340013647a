// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The annual calculator: the employees' tax of a whole tax year, or of the part of it between a
// start and an end date, from the amounts earned over that period.

#include "core/calendar_date.h"
#include "core/income_tax.h"
#include "core/settings_store.h"
#include "core/tax_year.h"
#include "paye/monthly_counts.h"

#include <cstdint>
#include <string>

namespace grovan {

/// The annual calculator's inputs, as the window holds them. Amounts are rands for the whole
/// period entered (not per month); the window's fields take whole rands, but any amount is
/// calculated as it stands, negative ones included. The defaults are the window's on opening.
struct AnnualInputs
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
    /// Medical scheme beneficiaries (main member and dependants) in each month, 0 to 24.
    MonthlyCounts beneficiaries;
    CalendarDate startDate = TaxYearStart;
    CalendarDate endDate = TaxYearEnd;
    /// The print panel's employee name, at most 50 characters; only the printout uses it.
    std::string employeeName;
};

/// The annual calculator's results. Nothing is rounded here; the window rounds for display only.
struct AnnualResults
{
    /// D: the allowable retirement-fund deduction, rands; shown rounded to whole rands, halves
    /// to even.
    double fundDeduction = 0.0;
    double taxLiability = 0.0;  ///< T: tax of the period after rebates, before credits, rands
    double site = 0.0;          ///< S: the SITE portion of T (0, as the SITE ceiling is 0)
    double payePortion = 0.0;   ///< P: the PAYE portion of T (T - S)
    double medicalCredit = 0.0; ///< K: medical scheme fees tax credit of the period's months
    double additionalMedicalCredit = 0.0; ///< A: additional medical credit, from age 65
    /// "Total tax deduction": T - (K + A) when positive, otherwise 0.
    double totalTaxDeduction = 0.0;
    /// "PAYE": P - (K + A) when positive, otherwise 0.
    double paye = 0.0;
    /// The month counts as the calculation leaves them: when a medical contribution is given,
    /// the months outside the period are set to 0 (the window shows and prints these).
    MonthlyCounts beneficiaries;
    std::int32_t days = 0;        ///< days of the period, both dates included
    double medicalExpenses = 0.0; ///< the printout's medical expenses amount, always 0 here
};

/// The annual calculation ("&Calculate"). Preconditions: the inputs pass
/// `validateAnnualInputs` (both dates in the tax year, the start not after the end, no month
/// above 24). When travel allowance + commissions is above 0 the annual taxes are taken in
/// whole rands, rounded down; otherwise unrounded. A period shorter than 365 days is annualised
/// by 365 / days and its tax brought back by days / 365; the tax on the bonus is the difference
/// of the annual taxes with and without it and is neither annualised nor scaled. The
/// retirement-fund cap of 350 000 applies to the period's amounts whatever the period's length.
/// Every income taxed is recorded in `record`; the last is the annual income without the bonus.
AnnualResults calculateAnnual(const AnnualInputs& inputs, const SetupValues& setup,
                              TaxableIncomeRecord& record);

/// What the calculation changes in the window's inputs: the month counts it set to 0.
void applyCalculatedCounts(AnnualInputs& inputs, const AnnualResults& results);

} // namespace grovan
