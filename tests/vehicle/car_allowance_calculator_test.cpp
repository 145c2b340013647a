// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/car_allowance_calculator.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

constexpr double kKm = 1e-9;

// The last day of a period of `days` days from 01/03/2021.
CalendarDate periodEnd(int days)
{
    return TaxYearStart.addDays(days - 1);
}

struct SplitCase
{
    const char* name;
    double totalKm;
    double typedBusinessKm;
    int days;
    double business;
    double privateKm;
};

// The deemed split: 18 000 km of a full year private (at most the distance), 14 000 km business
// above 32 000 km, everything private below 18 000 km; a part year scales the 18 000 and the
// 32 000 by the days. A typed business distance always wins.
const SplitCase kSplits[] = {
    // Worked examples of the car allowance calculator: a full year at 30 000, 40 000 and 15 000 km.
    {"full_year_30000", 30000, 0, 365, 12000, 18000},
    {"full_year_40000", 40000, 0, 365, 14000, 26000},
    {"full_year_15000", 15000, 0, 365, 0, 15000},
    // Half a year (182 days): 18 000 x 182 / 365 = 8 975.342... cut to 8 975.34; the limit
    // 32 000 x 182 / 365 = 15 956.16...; above it the business part is that limit less the
    // private part, 6 980.8219... cut to 6 980.82.
    {"half_year_14000", 14000, 0, 182, 5024.66, 8975.34},
    {"half_year_20000", 20000, 0, 182, 6980.82, 13019.18},
    // A typed business distance of 5 000 with 30 000 km gives 5 000 and 25 000 in every case.
    {"typed_full_year", 30000, 5000, 365, 5000, 25000},
    {"typed_half_year", 30000, 5000, 182, 5000, 25000},
    {"typed_200_days", 30000, 5000, 200, 5000, 25000},
    {"typed_below_18000", 15000, 5000, 365, 5000, 10000},
    {"typed_above_32000", 40000, 5000, 365, 5000, 35000},
    // The bounds of a full year: 32 000 km is still split 14 000 / 18 000 by the deemed private
    // part; 32 001 takes the fixed 14 000 business km; 18 000 km is all private, and so is
    // anything below it.
    {"full_year_32000", 32000, 0, 365, 14000, 18000},
    {"full_year_32001", 32001, 0, 365, 14000, 18001},
    {"full_year_18000", 18000, 0, 365, 0, 18000},
    {"full_year_17999", 17999, 0, 365, 0, 17999},
    // A part year above 32 000 km: business 14 000 x 200 / 365 (not cut), private the rest cut
    // to cents (40 000 - 7 671.2328... = 32 328.7671... -> 32 328.76).
    {"200_days_40000", 40000, 0, 200, 14000.0 * 200 / 365, 32328.76},
    {"no_distance", 0, 0, 365, 0, 0},
};

class DistanceSplitTest : public ::testing::TestWithParam<SplitCase>
{};

TEST_P(DistanceSplitTest, SplitsAsTheRulesSay)
{
    const SplitCase& c = GetParam();
    const DistanceSplit split = splitDistance(c.totalKm, c.typedBusinessKm, c.days);
    EXPECT_NEAR(split.business, c.business, kKm);
    EXPECT_NEAR(split.privateKm, c.privateKm, kKm);
}

INSTANTIATE_TEST_SUITE_P(CarAllowance, DistanceSplitTest, ::testing::ValuesIn(kSplits),
                         [](const auto& info) { return std::string(info.param.name); });

// The deemed-cost example: value 250 000 (the row up to 285 000: 75 039 a year, 1.263 and 0.532
// a km), readings 125 000 and 100 000 (25 000 km), business 10 000, both costs included.
CarAllowanceInputs deemedExample()
{
    CarAllowanceInputs in;
    in.VehicleValue = 250000;
    in.CloseKmReading = 125000;
    in.OpenKmReading = 100000;
    in.BusinessKm = 10000;
    return in;
}

TEST(CarAllowanceDeemedCost, FullYearExample)
{
    const CarAllowanceResults r = calculateCarAllowance(deemedExample());
    EXPECT_EQ(r.PeriodDays, 365);
    EXPECT_EQ(r.TotalKm, 25000);
    EXPECT_EQ(r.ResultBusinessKm, 10000);
    EXPECT_EQ(r.ResultPrivateKm, 15000);
    EXPECT_EQ(r.FixedCost, 75039);
    // 75 039 / 25 000 = 3.00156 rand a km; + 126.3 + 53.2 = 479.656 cents, shown as 479.7.
    EXPECT_NEAR(r.FixedCentsPerKm, 300.156, 1e-9);
    EXPECT_NEAR(r.FuelCentsPerKm, 126.3, 1e-9);
    EXPECT_NEAR(r.MaintenanceCentsPerKm, 53.2, 1e-9);
    EXPECT_DOUBLE_EQ(r.TotalCentsPerKm, 479.7);
    // The claim comes from the unrounded 479.656 cents.
    EXPECT_NEAR(r.DeductionClaim, 47965.6, 1e-6);
}

TEST(CarAllowanceDeemedCost, PartYearScalesTheFixedPart)
{
    CarAllowanceInputs in = deemedExample();
    in.endDate = periodEnd(200);
    const CarAllowanceResults r = calculateCarAllowance(in);
    EXPECT_EQ(r.PeriodDays, 200);
    // 3.00156 x 200 / 365 = 1.6446904... cut to 1.644690 rand: 164.469 cents a km.
    EXPECT_NEAR(r.FixedCentsPerKm, 164.469, 1e-9);
    // 10 000 km at 164.469 + 126.3 + 53.2 = 343.969 cents, shown as 344.0.
    EXPECT_NEAR(r.DeductionClaim, 34396.9, 1e-6);
    EXPECT_DOUBLE_EQ(r.TotalCentsPerKm, 344.0);
}

TEST(CarAllowanceDeemedCost, UsesTheRowOfTheValue)
{
    // A value of exactly 95 000 is in the first row (29 504 a year), 95 001 in the second
    // (52 226 a year).
    CarAllowanceInputs in = deemedExample();
    in.VehicleValue = 95000;
    EXPECT_EQ(calculateCarAllowance(in).FixedCost, 29504);
    EXPECT_NEAR(calculateCarAllowance(in).FuelCentsPerKm, 104.1, 1e-9);
    in.VehicleValue = 95001;
    EXPECT_EQ(calculateCarAllowance(in).FixedCost, 52226);
    EXPECT_NEAR(calculateCarAllowance(in).FuelCentsPerKm, 116.2, 1e-9);
}

TEST(CarAllowanceDeemedCost, CostsNotIncludedCountNothing)
{
    CarAllowanceInputs in = deemedExample();
    in.IncludeFuelCosts = false;
    const CarAllowanceResults noFuel = calculateCarAllowance(in);
    EXPECT_EQ(noFuel.FuelCentsPerKm, 0.0);
    EXPECT_NEAR(noFuel.MaintenanceCentsPerKm, 53.2, 1e-9);
    // 300.156 + 53.2 = 353.356 cents.
    EXPECT_NEAR(noFuel.DeductionClaim, 35335.6, 1e-6);
    in.IncludeMaintenanceCosts = false;
    EXPECT_NEAR(calculateCarAllowance(in).DeductionClaim, 30015.6, 1e-6);
}

TEST(CarAllowanceDeemedCost, TheClaimIsLimitedToTheAllowance)
{
    CarAllowanceInputs in = deemedExample();
    in.AllowanceReceived = 20000;
    EXPECT_EQ(calculateCarAllowance(in).DeductionClaim, 20000);
    in.AllowanceReceived = 50000;
    EXPECT_NEAR(calculateCarAllowance(in).DeductionClaim, 47965.6, 1e-6);
    // Without an allowance the limit is 9 999 999.97: 9 999 999 business km of a car above
    // 665 000 (1.724 + 0.996 rand a km) would claim 27 million.
    in.AllowanceReceived = 0;
    in.VehicleValue = 700000;
    in.CloseKmReading = 9999999;
    in.OpenKmReading = 0;
    in.BusinessKm = 9999999;
    EXPECT_EQ(calculateCarAllowance(in).DeductionClaim, kNoAllowanceLimit);
    EXPECT_EQ(in.AllowanceReceived, 0);
}

struct MissingCase
{
    const char* name;
    void (*change)(CarAllowanceInputs&);
};

// Without a value or a typed business distance, the deemed-cost method does not run and its
// figures show 0, whatever an earlier calculation showed.
const MissingCase kMissing[] = {
    {"no_business_distance",
     [](CarAllowanceInputs& in) {
         in.BusinessKm = 0;
     }},
    {"no_vehicle_value",
     [](CarAllowanceInputs& in) {
         in.VehicleValue = 0;
     }},
};

class DeemedCostWithoutFigures : public ::testing::TestWithParam<MissingCase>
{};

TEST_P(DeemedCostWithoutFigures, ShowsZeros)
{
    CarAllowanceInputs in = deemedExample();
    CarAllowanceResults r;
    CalcCarAllowance(in, r);
    ASSERT_GT(r.DeductionClaim, 0.0);
    GetParam().change(in);
    CalcCarAllowance(in, r);
    CarAllowanceResults zeros;
    zeros.PeriodDays = 365;
    EXPECT_EQ(r, zeros);
}

INSTANTIATE_TEST_SUITE_P(CarAllowance, DeemedCostWithoutFigures, ::testing::ValuesIn(kMissing),
                         [](const auto& info) { return std::string(info.param.name); });

// The actual-cost example: 60 000 of costs over 30 000 km (readings 130 000 and 100 000).
CarAllowanceInputs actualExample(double typedBusinessKm)
{
    CarAllowanceInputs in;
    in.AccurateRecordKept = true;
    in.CloseKmReading = 130000;
    in.OpenKmReading = 100000;
    in.BusinessKm = typedBusinessKm;
    in.FuelOil = 20000;
    in.RepairsMaintenance = 10000;
    in.InsuranceLicence = 15000;
    in.OtherExpenses = 5000;
    in.WearAndTear = 10000;
    return in;
}

TEST(CarAllowanceActualCost, BusinessShareOfTheCosts)
{
    // Business 12 000 km, typed or by the full year's split of 30 000 km: 60 000 x 12 000 /
    // 30 000 = 24 000 claimed, 36 000 of private use.
    for (const double typed : {12000.0, 0.0}) {
        SCOPED_TRACE(typed);
        const CarAllowanceResults r = calculateCarAllowance(actualExample(typed));
        EXPECT_EQ(r.TotalCosts, 60000);
        EXPECT_EQ(r.ResultBusinessKm, 12000);
        EXPECT_EQ(r.DeductionClaim, 24000);
        EXPECT_EQ(r.LessPrivateUse, 36000);
    }
}

TEST(CarAllowanceActualCost, TheAllowanceLimitsTheClaimButNotThePrivateUse)
{
    CarAllowanceInputs in = actualExample(12000);
    in.AllowanceReceived = 20000;
    const CarAllowanceResults r = calculateCarAllowance(in);
    EXPECT_EQ(r.DeductionClaim, 20000);
    EXPECT_EQ(r.LessPrivateUse, 36000);
}

TEST(CarAllowanceActualCost, AllPrivateBelow18000Km)
{
    // 15 000 km in a full year without a typed business distance: nothing to claim.
    CarAllowanceInputs in = actualExample(0);
    in.CloseKmReading = 115000;
    const CarAllowanceResults r = calculateCarAllowance(in);
    EXPECT_EQ(r.ResultBusinessKm, 0);
    EXPECT_EQ(r.DeductionClaim, 0);
    EXPECT_EQ(r.LessPrivateUse, 60000);
}

TEST(CarAllowanceActualCost, ADistanceOfOneKmClaimsNothing)
{
    CarAllowanceInputs in = actualExample(1);
    in.CloseKmReading = 100001;
    const CarAllowanceResults r = calculateCarAllowance(in);
    EXPECT_EQ(r.DeductionClaim, 0);
    EXPECT_EQ(r.LessPrivateUse, 60000);
}

struct NoDistanceCase
{
    const char* name;
    double costs;
    double allowance;
    bool fuel;
    double lessPrivateUse;
    double claim;
};

// Without any reading or business distance the private use is deemed from the value: 200 000 x
// 2.5 % x 12 = 60 000 a full year, less 0.22 % x 12 (5 280) with fuel and 0.18 % x 12 (4 320)
// with maintenance included: 50 400. Where it exceeds the costs, "Less private use" shows 0 and
// nothing is claimed.
const NoDistanceCase kNoDistance[] = {
    {"costs_above_private_use", 60000, 0, true, 50400, 9600},
    {"limited_to_the_allowance", 60000, 5000, true, 50400, 5000},
    {"private_use_above_the_costs", 40000, 0, true, 0, 0},
    // Without fuel only the maintenance is taken off: 60 000 - 4 320 = 55 680.
    {"fuel_not_included", 60000, 0, false, 55680, 4320},
};

class ActualCostWithoutDistance : public ::testing::TestWithParam<NoDistanceCase>
{};

TEST_P(ActualCostWithoutDistance, DeemsThePrivateUseFromTheValue)
{
    const NoDistanceCase& c = GetParam();
    CarAllowanceInputs in;
    in.AccurateRecordKept = true;
    in.VehicleValue = 200000;
    in.FuelOil = c.costs;
    in.AllowanceReceived = c.allowance;
    in.IncludeFuelCosts = c.fuel;
    const CarAllowanceResults r = calculateCarAllowance(in);
    EXPECT_EQ(r.TotalCosts, c.costs);
    EXPECT_NEAR(r.LessPrivateUse, c.lessPrivateUse, 1e-9);
    EXPECT_NEAR(r.DeductionClaim, c.claim, 1e-9);
    EXPECT_EQ(r.ResultBusinessKm, 0);
}

INSTANTIATE_TEST_SUITE_P(CarAllowance, ActualCostWithoutDistance, ::testing::ValuesIn(kNoDistance),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CarAllowanceActualCost, PartYearScalesThePrivateUse)
{
    // 182 days of a 200 000 car: 50 400 x 182 / 365 = 25 130.958...
    CarAllowanceInputs in;
    in.AccurateRecordKept = true;
    in.VehicleValue = 200000;
    in.FuelOil = 60000;
    in.endDate = periodEnd(182);
    const CarAllowanceResults r = calculateCarAllowance(in);
    EXPECT_NEAR(r.LessPrivateUse, 50400.0 * 182 / 365, 1e-6);
    EXPECT_NEAR(r.DeductionClaim, 60000 - 50400.0 * 182 / 365, 1e-6);
}

TEST(CarAllowanceMethods, EachKeepsTheOtherMethodsFiguresAsTheyWere)
{
    // The window shows the results of both methods from one state; a calculation sets only its
    // own method's figures (and the split and deduction they share).
    CarAllowanceInputs in = actualExample(12000);
    in.VehicleValue = 250000;
    CarAllowanceResults r;
    CalcCarAllowance(in, r);
    in.AccurateRecordKept = false;
    CalcCarAllowance(in, r);
    EXPECT_EQ(r.TotalCosts, 60000);
    EXPECT_EQ(r.LessPrivateUse, 36000);
    EXPECT_EQ(r.FixedCost, 75039);
    // 75 039 / 30 000 = 2.5013 rand a km: 250.13 + 126.3 + 53.2 cents on 12 000 km.
    EXPECT_NEAR(r.DeductionClaim, 12000 * 429.63 / 100, 1e-6);

    in.AccurateRecordKept = true;
    CalcCarAllowance(in, r);
    EXPECT_EQ(r.FixedCost, 75039);
    EXPECT_EQ(r.DeductionClaim, 24000);
}

} // namespace
} // namespace grovan
