// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The employees'-tax calculators of one pay period, each defined once: its window, grovan-cli
// and the tests drive these definitions.

#include "core/calculator_definition.h"
#include "paye/annual_calculator.h"
#include "paye/daily_calculator.h"
#include "paye/monthly_calculator.h"
#include "paye/work_period_calculator.h"

namespace grovan {

class CalculatorCatalogue;

const CalculatorDefinition<AnnualInputs, AnnualResults>& annualCalculator();
const CalculatorDefinition<MonthlyInputs, MonthlyResults>& monthlyCalculator();
/// The fortnightly or the weekly calculator.
const CalculatorDefinition<WorkPeriodInputs, PeriodResults>&
workPeriodCalculator(WorkPeriodKind kind);
const CalculatorDefinition<DailyInputs, PeriodResults>& dailyCalculator();

/// Adds the annual, monthly, fortnightly, weekly and daily calculators, in the menu's order.
void addPayeCalculators(CalculatorCatalogue& catalogue);

} // namespace grovan
