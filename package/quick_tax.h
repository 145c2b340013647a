// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The quick tax calculator: how the income tax of an annual taxable income is made up, and the
// average rates before and after the rebates.

#include "core/income_tax.h"

#include <cstdint>

namespace grovan {

/// The quick tax calculator's values. They are application-wide (the shell keeps the one
/// instance in AppState, all 0 at start) and survive closing the window; "&Initialise All"
/// leaves them as they are. Amounts are rands a year, rates percent; nothing is rounded.
struct TaxSummary
{
    double Income = 0.0;        ///< annual taxable income shown and printed
    std::int16_t Age = 0;       ///< whole years
    TaxBandResult Band;         ///< `CalcAnnualTax` of the last calculation
    double TotalTax = 0.0;      ///< tax before rebates
    double Rebate = 0.0;        ///< total rebate for `Age`, a whole number
    double TaxCommitment = 0.0; ///< tax after rebates, never below 0
    double AvgRateBefore = 0.0; ///< average rate before rebates, percent
    double AvgRateAfter = 0.0;  ///< average rate after rebates, percent, never below 0
};

/// Computes the summary from `Income` and `Age`: the rebate for the age (its whole-number part),
/// `Band` = `CalcAnnualTax`(Income) (recorded in `record`), `TotalTax` = `Band.Total` (0 for an
/// income of 0 or less), `TaxCommitment` = `TotalTax` - `Rebate` clamped at 0. The average rate
/// before rebates is `Band.Total` / `Income` x 100 when `Band.Total` is above 0, otherwise the
/// marginal rate (18 for an income of 0 or less); after rebates (`Band.Total` - `Rebate`) /
/// `Income` x 100 when `Band.Total` is above 0, otherwise 0, and never below 0.
void NEWCALC(TaxSummary& summary, TaxableIncomeRecord& record);

/// "&Calculate", and the window becoming active, first take the program's last taxable income
/// as the income to break down.
void takeLastTaxableIncome(TaxSummary& summary, const TaxableIncomeRecord& record);

/// "&Calculate", and the window becoming active: `takeLastTaxableIncome`, then `NEWCALC`.
/// The window then shows all ten fields, the income and the age included.
void refreshQuickTax(TaxSummary& summary, TaxableIncomeRecord& record);

/// Typing in "Taxable Income": `Income` and `LastTaxableIncome` both take the typed value;
/// nothing is recalculated until "&Calculate" or the next activation.
void setQuickTaxIncome(TaxSummary& summary, TaxableIncomeRecord& record, double income);

/// Typing in "Age": `Age` takes the typed value rounded to a whole number, halves to even (the
/// field's digit limit keeps it within 0 to 999; a value beyond a 16-bit integer leaves the age
/// as it was); nothing is recalculated.
void setQuickTaxAge(TaxSummary& summary, double typedAge);

} // namespace grovan
