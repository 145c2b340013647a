#include "vehicle/ui/vehicle_windows.h"

#include "core/ui/window_registry.h"
#include "vehicle/vehicle_state.h"

namespace grovan {

void addVehicleWindows(WindowRegistry&, VehicleState&) {}

} // namespace grovan
