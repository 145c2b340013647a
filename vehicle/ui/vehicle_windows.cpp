// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/ui/vehicle_windows.h"

#include "core/ui/window_registry.h"
#include "vehicle/ui/frm_car_all1.h"
#include "vehicle/ui/frm_comp_car.h"
#include "vehicle/vehicle_calculators.h"
#include "vehicle/vehicle_state.h"

namespace grovan {

void addVehicleWindows(WindowRegistry& windows, VehicleState& state)
{
    windows.add(kCompanyCarWindowName, [&state](const WindowContext& context) {
        return std::make_unique<frmCompCar>(state.companyCars, context);
    });
    windows.add(carAllowanceCalculator().windowName, [&state](const WindowContext& context) {
        return std::make_unique<frmCarAll1>(state.carAllowance, context);
    });
}

} // namespace grovan
