// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/vehicle_cost_table.h"

namespace grovan {

const VehicleCostRow& vehicleCostRow(double vehicleValue)
{
    for (const VehicleCostRow& row : VehicleCostTable) {
        if (vehicleValue <= row.upTo) {
            return row;
        }
    }
    // Only a value that is not a number compares above infinity; it takes the last row.
    return VehicleCostTable.back();
}

} // namespace grovan
