// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The back-calculation of the Grovan windows, `SalPackBackCalc`, in its three stages: the
// figures fixed before the search, one pass of the search at a trial amount, and the figures
// that follow the search. A pass costs one `CalcAnnualTax` call.
//
// The answer is the first whole-rand trial amount T >= 1 whose net pay is strictly greater than
// the net salary required, with every working value as the pass at T leaves it. Trying every rand
// from 1 would take one pass per rand (365 545 for a net of R300 000); `searchTrialAmount` finds
// the same T, with bit-identical working values, in a few dozen passes where the net pay is known
// to rise with the trial amount (see `netPayShape`), and steps rand by rand where it is not.

#include "core/income_tax.h"
#include "core/settings_store.h"
#include "package/package_calculator.h"

#include <cstdint>

namespace grovan {

/// The largest trial amount tried: the largest whole-rand amount `numNetMonSalReq` takes.
inline constexpr double kTrialAmountLimit = 99999999.0;

/// The annual travel allowance, other fringe benefits and other expenses (less the employer's,
/// plus the employee's R/Fund amounts in the annual window; monthly window: without them)
/// compared with the net salary required: true when they are greater, which stops the
/// calculation with "Fringe benefits more than salary required!".
bool fringeBenefitsExceedNet(const PackageWindow& window, const PackageInputs& inputs);

/// The figures fixed before the search (and shared with the forward calculation): the company
/// car fringe benefit (value x 0.0325 with a maintenance plan, else x 0.035, x the inclusion
/// rate, x 12 in the annual windows), the rebate for the age (below 65 the medical deductions
/// are cleared to 0), the medical scheme fees tax credit (annual: 332 a beneficiary-month up to
/// 24, then 224; monthly: 332 each for two beneficiaries, then 224; 0, with the beneficiaries
/// cleared, when neither medical contribution is above 0) and the additional medical credit
/// (from age 65: 0.333 x (contributions - 3 x the credit), never negative). Starts `results`
/// from the field values (R/Fund amounts, medical deductions, beneficiaries).
void prepareCredits(const PackageWindow& window, const PackageInputs& inputs,
                    const SetupValues& setup, PackageResults& results);

/// One pass of the search at `trialAmount` (whole rands): the R/Fund contributions (a set-up
/// percentage of trial amount + medical contributions - C, or the amount in the field), the
/// taxable income (clamped at 0; monthly windows tax 12 x the monthly income, clamped, and take
/// a twelfth of the tax), the tax after the rebate (clamped at 0), the UIF base, UIF (on the
/// base up to the limit: the monthly limit x 12 annual), the skills levy (on the base less both
/// contributions) and the net pay (trial amount + travel allowance - employee's contribution -
/// medical deductions - employee's UIF - the greater of the tax and C). Writes TrialAmount, the
/// contributions, TaxableIncome, TaxAfterRebate, UIFBase, EmpUIF, ErUIF, SkillsLevy and NetPay
/// (and clears the R/Fund amounts set up as percentages), records the annual taxable income in
/// `record`. Preconditions: `prepareCredits` has run on `results`.
void runSearchPass(const PackageWindow& window, const PackageInputs& inputs,
                   const SetupValues& setup, double trialAmount, PackageResults& results,
                   TaxableIncomeRecord& record);

/// The figures that follow the search: the allowable R/Fund deduction (27.5 % of trial amount
/// + medical contributions + taxable travel allowance + employer's contribution, or the
/// contributions when less, at most 350 000 a year), the computed contributions written back to
/// the R/Fund amounts set up as percentages, and `CalcFailed` cleared.
void finishBackCalculation(const PackageWindow& window, const PackageInputs& inputs,
                           const SetupValues& setup, PackageResults& results);

/// How the net pay of a pass moves as the trial amount rises by one rand.
///
/// Per rand of trial amount, the taxable income rises by s = 1 - e (e: the employee's R/Fund
/// percentage / 100 where one is set up, else 0, the contribution being a fixed amount), the tax
/// by at most the top marginal rate (45 %) of that, clamped or not, and the UIF base by 1 + r
/// (r: the employer's percentage / 100 where set up, else 0); the employee's UIF rises by u x
/// (1 + r) (u: the employee's UIF percentage / 100, when above 0) while the base is within the
/// UIF limit, and not at all beyond it. So the net pay rises per rand by at least
///   beyond the limit:  s x (1 - 0.45)
///   within the limit:  s x (1 - 0.45) - u x (1 + r).
/// Where such a rise is at least 0.001 rand, the net pay computed in double precision rises too,
/// as long as every amount is at most 1e9 rand in size, every percentage at most 100 and the
/// inclusion rates at most 1 (no sum in a pass then reaches 2e10, so the rounding of one pass
/// stays below 2e-4 rand), and the first trial amount above the net required is the one a
/// bisection finds.
enum class NetPayShape
{
    Rising,                  ///< rises at every trial amount
    RisingBeyondTheUifLimit, ///< rises once the UIF base is above the UIF limit
    Unknown,                 ///< no such rise can be shown (such as an employee's R/Fund of 100 %)
};
NetPayShape netPayShape(const PackageWindow& window, const PackageInputs& inputs,
                        const SetupValues& setup);

/// The search for the first whole-rand trial amount from 1 to `limit` (kTrialAmountLimit in the
/// windows) whose net pay is greater than `inputs.NetRequired`. Where the net pay rises
/// (`netPayShape`) the trial amounts are bisected (after stepping rand by rand while the UIF base
/// is within the UIF limit, if the rise holds only beyond it); otherwise every rand is tried in
/// turn, at most `limit` passes. The pass at the answer and the one before it are then run again,
/// the answer's last, to confirm the boundary (should it not hold, every rand is tried in turn).
/// True with `results` as the answer's pass leaves it, and its annual taxable income recorded in
/// `record`; false, with `record` and the pass values of `results` unchanged, when no trial
/// amount up to the limit is enough. Adds the passes made to `results.TaxEvaluations`.
bool searchTrialAmount(const PackageWindow& window, const PackageInputs& inputs,
                       const SetupValues& setup, PackageResults& results,
                       TaxableIncomeRecord& record,
                       std::int64_t limit = static_cast<std::int64_t>(kTrialAmountLimit));

} // namespace grovan
