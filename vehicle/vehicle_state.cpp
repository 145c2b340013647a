#include "vehicle/vehicle_state.h"

namespace grovan {

void VehicleState::initialiseAll()
{
    carAllowance.initialiseAll();
    companyCars.initialiseAll();
}

} // namespace grovan
