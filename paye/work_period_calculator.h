// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fortnightly and weekly calculators: the employees' tax, UIF, skills levy and medical
// credits of one fortnight or one work week, which may be shorter than a normal one.

#include "core/income_tax.h"
#include "core/settings_store.h"
#include "paye/period_pay.h"
#include "paye/work_period.h"

namespace grovan {

/// The fortnightly or weekly calculator's inputs: the pay of the period (rands and cents, the
/// R/Fund contributions whole rands) and its days. The day counts default to the period's days
/// (14 or 7); use `workPeriodDefaults` for a window's opening state.
struct WorkPeriodInputs : PeriodPay
{
    std::int16_t normalDays = 0; ///< D_normal: days of a normal period
    std::int16_t thisDays = 0;   ///< D_this: days of this period
};

/// The inputs of a newly opened window: every amount 0, both day counts the period's days.
WorkPeriodInputs workPeriodDefaults(const WorkPeriod& period);

/// The calculation ("&Calculate"). Preconditions: the inputs pass `validateWorkPeriodInputs`
/// (1 <= D_this <= D_normal). The period's regular income is annualised by
/// Y x D_normal / D_this; the annual tax less the rebate is brought back by / Y x D_this /
/// D_normal WITHOUT being clamped first, so a shortfall below the rebate reduces the tax on the
/// bonus (the difference of the annual taxes with and without it, added in full); only the sum
/// is clamped at 0. The medical credit is the monthly one / Q; the UIF limit the monthly one
/// x 12 / Y. Every income taxed is recorded in `record`, the annual income without the bonus
/// last.
PeriodResults calculateWorkPeriod(const WorkPeriod& period, const WorkPeriodInputs& inputs,
                                  const SetupValues& setup, TaxableIncomeRecord& record);

} // namespace grovan
