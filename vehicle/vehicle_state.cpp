// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/vehicle_state.h"

namespace grovan {

void VehicleState::initialiseAll()
{
    carAllowance.initialiseAll();
    companyCars.initialiseAll();
}

} // namespace grovan
