// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ui/program_windows.h"

#include "finance/ui/finance_windows.h"
#include "package/ui/package_windows.h"
#include "paye/ui/paye_windows.h"
#include "shell/app_state.h"
#include "vehicle/ui/vehicle_windows.h"

namespace grovan {

void addProgramWindows(WindowRegistry& windows, AppState& state)
{
    addPayeWindows(windows);
    addPackageWindows(windows, state.taxSummary);
    addVehicleWindows(windows, state.vehicle);
    addFinanceWindows(windows, state.finance);
}

} // namespace grovan
