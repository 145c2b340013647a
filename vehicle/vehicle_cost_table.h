// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The deemed cost of running a vehicle in the tax year, by the vehicle's value: the fixed cost a
// year and the fuel and maintenance costs a kilometre. The travel allowance's deemed-cost method
// reads all three; the company car reads the fuel cost.

#include <array>
#include <limits>

namespace grovan {

/// One row of the vehicle cost table: vehicle values above `above` and not above `upTo` (rands).
/// The first row also takes every value of 95 000 or less, zero and negative values included;
/// the last row has no upper bound.
struct VehicleCostRow
{
    double above;           ///< exclusive lower bound, rands
    double upTo;            ///< inclusive upper bound, rands (infinity in the last row)
    double fixedCost;       ///< rands a year
    double fuelCost;        ///< rands a kilometre
    double maintenanceCost; ///< rands a kilometre
};

/// The eight rows of the year, lowest values first. The last two rows hold the same figures.
inline constexpr std::array<VehicleCostRow, 8> VehicleCostTable{{
    {0.0, 95000.0, 29504.0, 1.041, 0.386},
    {95000.0, 190000.0, 52226.0, 1.162, 0.483},
    {190000.0, 285000.0, 75039.0, 1.263, 0.532},
    {285000.0, 380000.0, 94871.0, 1.358, 0.581},
    {380000.0, 475000.0, 114781.0, 1.453, 0.683},
    {475000.0, 570000.0, 135746.0, 1.667, 0.802},
    {570000.0, 665000.0, 156711.0, 1.724, 0.996},
    {665000.0, std::numeric_limits<double>::infinity(), 156711.0, 1.724, 0.996},
}};

/// The row whose band holds `vehicleValue` (rands): 95 000 falls in the first row, 95 000.01 in
/// the second, and every value above 665 000 in the last.
const VehicleCostRow& vehicleCostRow(double vehicleValue);

} // namespace grovan
