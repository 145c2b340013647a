// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/car_allowance_state.h"

namespace grovan {

void CarAllowanceState::initialiseAll()
{
    *this = CarAllowanceState{};
}

void CarAllowanceState::open()
{
    inputs.startDate = TaxYearStart;
    inputs.endDate = TaxYearEnd;
    inputs.employeeName.clear();
    calculate();
}

void CarAllowanceState::calculate()
{
    CalcCarAllowance(inputs, results);
}

} // namespace grovan
