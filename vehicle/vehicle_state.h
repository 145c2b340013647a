// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vehicle calculators' application-wide values: they outlive the windows and are reset only
// at start-up and by "&Initialise All".

#include "vehicle/car_allowance_state.h"
#include "vehicle/company_car_register.h"

namespace grovan {

struct VehicleState
{
    CarAllowanceState carAllowance;
    CompanyCarRegister companyCars;

    /// Start-up and "&Initialise All": the car allowance back to its defaults, the company car
    /// register emptied (its template kept).
    void initialiseAll();
};

} // namespace grovan
