// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The daily calculator: the employees' tax, UIF, skills levy and medical credits of one day's
// pay, a day being one of 260 working days of a year.

#include "core/income_tax.h"
#include "core/settings_store.h"
#include "paye/period_pay.h"

namespace grovan {

/// The daily calculator's inputs: the pay of the day (rands and cents, the R/Fund contributions
/// whole rands). There are no dates and no day counts.
struct DailyInputs : PeriodPay
{};

/// The daily calculation ("&Calculate"); every input is accepted. The day's regular income is
/// annualised by 260; the annual tax less the rebate is brought back by / 260 WITHOUT being
/// clamped first, so a shortfall below the rebate reduces the tax on the bonus (the difference
/// of the annual taxes with and without it, added in full); only the sum is clamped at 0. The
/// medical credit is the monthly one x 12 / 260; the UIF limit the monthly one x 12 / 260.
/// Every income taxed is recorded in `record`, the annual income without the bonus last.
PeriodResults calculateDaily(const DailyInputs& inputs, const SetupValues& setup,
                             TaxableIncomeRecord& record);

} // namespace grovan
