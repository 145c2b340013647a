// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The inflation window's two spin buttons: `spInflation` steps the rate by 0.25, `spPeriod` the
// period by a year. Both keep the value within what its field takes.

#include "finance/inflation_calculator.h"
#include "finance/spin_step.h"

namespace grovan {

/// `spInflation`: up adds 0.25, a rate of exactly 0 beeps and a rate above 30 becomes -5; down
/// takes 0.25 off and a rate below -5 becomes 30. The window shows the new rate, projects and
/// puts the focus on its OK button.
SpinStep spinInflationRate(InflationState& state, SpinDirection direction);

/// `spPeriod`, only while the period is not 0: up adds a year and a period above 40 becomes 1;
/// down takes a year off and a period of 0 beeps and becomes 40. The window shows the new period
/// and projects. The focus goes to the OK button after every click, also when the period is 0
/// and nothing else happens.
SpinStep spinInflationPeriod(InflationState& state, SpinDirection direction);

} // namespace grovan
