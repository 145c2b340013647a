// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/vehicle_cost_table.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

// The vehicle cost table of the 2021/22 tax year, row by row: value band, fixed cost (rands a
// year), fuel and maintenance cost (rands a km).
struct TableRow
{
    double above;
    double upTo;
    double fixedCost;
    double fuelCost;
    double maintenanceCost;
};

constexpr double kNoLimit = std::numeric_limits<double>::infinity();

const TableRow kPublished[] = {
    {0, 95000, 29504, 1.041, 0.386},        {95000, 190000, 52226, 1.162, 0.483},
    {190000, 285000, 75039, 1.263, 0.532},  {285000, 380000, 94871, 1.358, 0.581},
    {380000, 475000, 114781, 1.453, 0.683}, {475000, 570000, 135746, 1.667, 0.802},
    {570000, 665000, 156711, 1.724, 0.996}, {665000, kNoLimit, 156711, 1.724, 0.996},
};

TEST(VehicleCostTable, HoldsThePublishedFigures)
{
    ASSERT_EQ(VehicleCostTable.size(), std::size(kPublished));
    for (std::size_t i = 0; i < VehicleCostTable.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        const VehicleCostRow& row = VehicleCostTable[i];
        EXPECT_EQ(row.above, kPublished[i].above);
        EXPECT_EQ(row.upTo, kPublished[i].upTo);
        EXPECT_EQ(row.fixedCost, kPublished[i].fixedCost);
        EXPECT_EQ(row.fuelCost, kPublished[i].fuelCost);
        EXPECT_EQ(row.maintenanceCost, kPublished[i].maintenanceCost);
    }
}

struct BoundCase
{
    const char* name;
    double value;
    std::size_t row; // from 0
};

// A value belongs to the row whose lower bound it exceeds and whose upper bound it does not;
// 95 000 or less (zero and negative values too) is the first row, above 665 000 the last.
const BoundCase kBounds[] = {
    {"negative", -1.0, 0},
    {"zero", 0.0, 0},
    {"first_bound_less_a_cent", 94999.99, 0},
    {"first_bound", 95000.0, 0},
    {"first_bound_and_a_cent", 95000.01, 1},
    {"first_bound_and_a_rand", 95001.0, 1},
    {"second_bound", 190000.0, 1},
    {"second_bound_and_a_cent", 190000.01, 2},
    {"third_bound_less_a_cent", 284999.99, 2},
    {"third_bound", 285000.0, 2},
    {"third_bound_and_a_cent", 285000.01, 3},
    {"fourth_bound", 380000.0, 3},
    {"fourth_bound_and_a_cent", 380000.01, 4},
    {"fifth_bound", 475000.0, 4},
    {"fifth_bound_and_a_cent", 475000.01, 5},
    {"sixth_bound", 570000.0, 5},
    {"sixth_bound_and_a_cent", 570000.01, 6},
    {"last_bound_less_a_cent", 664999.99, 6},
    {"last_bound", 665000.0, 6},
    {"last_bound_and_a_cent", 665000.01, 7},
    {"last_bound_and_a_rand", 665001.0, 7},
    {"far_above", 99999999.0, 7},
};

class VehicleCostRowTest : public ::testing::TestWithParam<BoundCase>
{};

TEST_P(VehicleCostRowTest, FollowsTheBandRule)
{
    EXPECT_EQ(&vehicleCostRow(GetParam().value), &VehicleCostTable[GetParam().row]);
}

INSTANTIATE_TEST_SUITE_P(Bounds, VehicleCostRowTest, ::testing::ValuesIn(kBounds),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan
