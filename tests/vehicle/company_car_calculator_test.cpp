// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/company_car_calculator.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

// A vehicle used for the whole tax year (365 days) at `price`, nothing else given.
CompanyCarRecord car(double price)
{
    CompanyCarRecord v;
    v.CCRegNumber = "CA 123-456";
    v.CCPrice = price;
    return v;
}

// One vehicle calculated by "&Calculate", which gives it the whole code 3802 total.
CompanyCarCalculation calculateOne(const CompanyCarRecord& v, double actual3802 = 0.0)
{
    return calculateCompanyCars(CompanyCarInputs{{v}, {actual3802, false}});
}

struct BenefitCase
{
    const char* name;
    double price;
    bool maintenancePlan;
    int days;
    double trueInclusion;
    double irp5;
    double monthly80;
    double monthly20;
    double fortnightly80;
    double fortnightly20;
    double weekly80;
    double weekly20;
};

// A vehicle with nothing but a price and its days: the true inclusion is 3.5 % (3.25 % with a
// maintenance plan) x 12 / 36 600 x price x days, the IRP5 amount price x rate x 12 x days / 365,
// the monthly amounts rounded after the 80 % / 20 % share, the fortnightly and weekly ones before.
const BenefitCase kBenefits[] = {
    // 300 000 without a plan, a full year: 125 655.74 -> 125 656; 126 000; 8 400 and 2 100;
    // a fortnight Round(4 846.15) = 4 846, so 3 876.8 and 969.2; a week 2 423: 1 938.4 and 484.6.
    {"price_300000", 300000, false, 365, 125656, 126000, 8400, 2100, 3876.8, 969.2, 1938.4, 484.6},
    // The same with a plan: 116 680.33 -> 116 680; 117 000; 7 800 and 1 950; a fortnight 4 500:
    // 3 600 and 900; a week 2 250: 1 800 and 450.
    {"price_300000_with_plan", 300000, true, 365, 116680, 117000, 7800, 1950, 3600, 900, 1800, 450},
    // 200 days of 300 000: 68 852.46 -> 68 852; 126 000 x 200 / 365 = 69 041.10 -> 69 041.
    {"price_300000_for_200_days", 300000, false, 200, 68852, 69041, 8400, 2100, 3876.8, 969.2,
     1938.4, 484.6},
    // Halves go to the even rand: 42 / 36 600 x 30 x 305 = 10.5 -> 10; 30 x 0.035 x 12 x 305 /
    // 365 = 10.53 -> 11; 30 x 0.035 x 0.8 = 0.84 -> 1; a fortnight 0.48 -> 0.
    {"halves_to_even", 30, false, 305, 10, 11, 1, 0, 0, 0, 0, 0},
};

class BenefitTest : public ::testing::TestWithParam<BenefitCase>
{};

TEST_P(BenefitTest, FollowsThePriceAndTheDays)
{
    const BenefitCase& c = GetParam();
    CompanyCarRecord v = car(c.price);
    v.MaintIncluded = c.maintenancePlan;
    v.CCEndDate = TaxYearStart.addDays(c.days - 1);
    const CompanyCarCalculation out = calculateOne(v);
    const CompanyCarResults& r = out.results.at(0);
    EXPECT_EQ(r.CCMonths, c.days);
    EXPECT_EQ(r.TrueInclusion, c.trueInclusion);
    EXPECT_EQ(r.IRP53802, c.irp5);
    EXPECT_EQ(r.MonFB80, c.monthly80);
    EXPECT_EQ(r.MonFB20, c.monthly20);
    EXPECT_DOUBLE_EQ(r.FortFB80, c.fortnightly80);
    EXPECT_DOUBLE_EQ(r.FortFB20, c.fortnightly20);
    EXPECT_DOUBLE_EQ(r.WeekFB80, c.weekly80);
    EXPECT_DOUBLE_EQ(r.WeekFB20, c.weekly20);
    // Nothing else to take off: the adjustment is the true inclusion.
    EXPECT_EQ(r.AdjustTaxableInc, c.trueInclusion);
    EXPECT_EQ(out.totals.AdjustTaxableInc, c.trueInclusion);
}

INSTANTIATE_TEST_SUITE_P(CompanyCar, BenefitTest, ::testing::ValuesIn(kBenefits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CompanyCarDistance, AnEndMileageReplacesTheTypedTotal)
{
    CompanyCarRecord v = car(300000);
    v.TotalDistance = 20000;
    v.StartMileage = 10000;
    EXPECT_EQ(calculateOne(v).vehicles[0].TotalDistance, 20000);
    v.EndMileage = 35000;
    EXPECT_EQ(calculateOne(v).vehicles[0].TotalDistance, 25000);
}

TEST(CompanyCarDistance, BusinessDistanceIsCutToTheTotal)
{
    // 12 000 business km of 10 000: cut to 10 000, no private distance, so with a log book the
    // true inclusion is 0.
    CompanyCarRecord v = car(300000);
    v.TotalDistance = 10000;
    v.BusDistance = 12000;
    v.BussMilage = true;
    const CompanyCarCalculation out = calculateOne(v);
    EXPECT_EQ(out.vehicles[0].BusDistance, 10000);
    EXPECT_EQ(out.results[0].PrivateDistance, 0);
    EXPECT_EQ(out.results[0].TrueInclusion, 0);
}

TEST(CompanyCarDistance, WithoutADistanceTheLogBookStepIsSkipped)
{
    // A log book but no distance: the private share cannot be worked out, so the true inclusion
    // stays 0; without the log book it comes from the price and the days alone.
    CompanyCarRecord v = car(300000);
    v.BussMilage = true;
    v.ActualExpEmployee = 5000;
    v.EmpPaidInsurance = 4000;
    const CompanyCarResults withLogBook = calculateOne(v).results[0];
    EXPECT_EQ(withLogBook.TrueInclusion, 0);
    EXPECT_EQ(withLogBook.Arr_FuelClaim, 0);
    EXPECT_EQ(withLogBook.TotAddExpense, 0);
    EXPECT_EQ(withLogBook.IRP53802, 126000);
    v.BussMilage = false;
    EXPECT_EQ(calculateOne(v).results[0].TrueInclusion, 125656);
}

// A full year of 300 000 over 30 000 km (mileage 10 000 to 40 000), 12 000 of them business
// with a log book, fuel from the table (the row up to 380 000: 1.358 a km), 10 000 of fuel
// reimbursed, 6 000 + 1 000 + 3 000 of insurance, licence and maintenance, and a code 3802 total
// of 50 000 that the single vehicle carries whole.
CompanyCarRecord loggedCar()
{
    CompanyCarRecord v = car(300000);
    v.StartMileage = 10000;
    v.EndMileage = 40000;
    v.BusDistance = 12000;
    v.BussMilage = true;
    v.SARSTable = true;
    v.FuelReimbEmployer = 10000;
    v.EmpPaidInsurance = 6000;
    v.EmpPaidLicence = 1000;
    v.EmpPaidMaintenance = 3000;
    return v;
}

TEST(CompanyCarBenefit, LogBookAndFuelTable)
{
    const CompanyCarCalculation out = calculateOne(loggedCar(), 50000);
    const CompanyCarRecord& v = out.vehicles[0];
    const CompanyCarResults& r = out.results[0];
    EXPECT_EQ(v.TotalDistance, 30000);
    EXPECT_EQ(r.PrivateDistance, 18000);
    EXPECT_EQ(v.FB3802ThisCar, 50000);
    // 125 655.74 x 18 000 / 30 000 = 75 393.44.
    EXPECT_EQ(r.TrueInclusion, 75393);
    // 30 000 x 1.358 = 40 740; (40 740 - 10 000) x 0.6 = 18 444.
    EXPECT_EQ(v.FuelComponent, 40740);
    EXPECT_EQ(r.FuelComponent, 40740);
    EXPECT_EQ(r.Arr_FuelClaim, 18444);
    EXPECT_EQ(r.TotAddExpense, 6000);
    EXPECT_EQ(r.FuelExp, 24444);
    // 75 393 - 24 444 - 50 000.
    EXPECT_EQ(r.AdjustTaxableInc, 949);
    EXPECT_EQ(v.AdjustTaxableInc, 949);
    // -(12 000 / 30 000 x 50 000 + 24 444).
    EXPECT_DOUBLE_EQ(r.SARSDeductionClaim, -44444);
    EXPECT_EQ(out.totals.AdjustTaxableInc, 949);
    EXPECT_DOUBLE_EQ(out.totals.SARSDeductionClaim, -44444);
}

TEST(CompanyCarBenefit, ActualFuelMayGiveANegativeClaim)
{
    // Without the table the employee's actual fuel counts: 8 000 - 10 000 reimbursed is -2 000,
    // x 0.6 = -1 200; with the expenses' 6 000, fuel and expenses are 4 800.
    CompanyCarRecord v = loggedCar();
    v.SARSTable = false;
    v.ActualExpEmployee = 8000;
    const CompanyCarCalculation out = calculateOne(v, 50000);
    EXPECT_EQ(out.vehicles[0].FuelComponent, 0);
    EXPECT_EQ(out.results[0].Arr_FuelClaim, -1200);
    EXPECT_EQ(out.results[0].FuelExp, 4800);
}

TEST(CompanyCarBenefit, NoBusinessDistanceNoFuelAndExpenses)
{
    CompanyCarRecord v = loggedCar();
    v.BusDistance = 0;
    const CompanyCarResults r = calculateOne(v, 50000).results[0];
    EXPECT_EQ(r.TotAddExpense, 10000);
    EXPECT_EQ(r.FuelExp, 0);
    EXPECT_EQ(r.SARSDeductionClaim, 0);
}

TEST(CompanyCarBenefit, TheAdjustmentTakesAwayAtMostTheDeclaredTotal)
{
    // A 10 000 car for the year has a true inclusion of Round(4 188.52) = 4 189; with a typed
    // code 3802 part of 54 189 the adjustment would be -50 000, limited to -30 000, the total.
    CompanyCarRecord v = car(10000);
    v.FB3802ThisCar = 54189;
    std::vector<CompanyCarRecord> vehicles{v};
    std::vector<CompanyCarResults> results(1);
    const CompanyCarTotals totals = CompCarCalc(vehicles, {30000, false}, results);
    EXPECT_EQ(results[0].TrueInclusion, 4189);
    EXPECT_EQ(results[0].AdjustTaxableInc, -30000);
    EXPECT_EQ(totals.AdjustTaxableInc, -30000);
}

TEST(CompanyCarBenefit, AVehicleWithoutAPriceTakesSarsClaimAsItsAdjustment)
{
    // No price, 10 000 km, 4 000 business with a log book, a typed code 3802 part of 1 000;
    // fuel (2 000 - 500) x 0.6 = 900, insurance 1 000 x 0.6 = 600: fuel and expenses 1 500.
    // SARS's claim -(4 000 / 10 000 x 1 000 + 1 500) = -1 900 replaces Round(0 - 1 500 - 1 000).
    CompanyCarRecord v = car(0);
    v.TotalDistance = 10000;
    v.BusDistance = 4000;
    v.BussMilage = true;
    v.ActualExpEmployee = 2000;
    v.FuelReimbEmployer = 500;
    v.EmpPaidInsurance = 1000;
    v.FB3802ThisCar = 1000;
    std::vector<CompanyCarRecord> vehicles{v};
    std::vector<CompanyCarResults> results(1);
    const CompanyCarTotals totals = CompCarCalc(vehicles, {5000, false}, results);
    EXPECT_EQ(results[0].FuelExp, 1500);
    EXPECT_DOUBLE_EQ(results[0].SARSDeductionClaim, -1900);
    EXPECT_DOUBLE_EQ(results[0].AdjustTaxableInc, -1900);
    EXPECT_DOUBLE_EQ(vehicles[0].AdjustTaxableInc, -1900);
    EXPECT_DOUBLE_EQ(totals.AdjustTaxableInc, -1900);
    EXPECT_EQ(results[0].TrueInclusion, 0);
}

struct FuelRateCase
{
    const char* name;
    double price;
    double fuelComponent; // 1 000 km at the row's fuel rate
};

// The fuel rate is that of the vehicle cost table's row for the price: 95 000 in the first row
// (1.041), 95 001 in the second (1.162), 665 000 and 665 001 at 1.724.
const FuelRateCase kFuelRates[] = {
    {"price_95000", 95000, 1041},
    {"price_95001", 95001, 1162},
    {"price_665000", 665000, 1724},
    {"price_665001", 665001, 1724},
};

class FuelRateTest : public ::testing::TestWithParam<FuelRateCase>
{};

TEST_P(FuelRateTest, ComesFromTheRowOfThePrice)
{
    CompanyCarRecord v = car(GetParam().price);
    v.TotalDistance = 1000;
    v.SARSTable = true;
    EXPECT_EQ(calculateOne(v).results[0].FuelComponent, GetParam().fuelComponent);
}

INSTANTIATE_TEST_SUITE_P(CompanyCar, FuelRateTest, ::testing::ValuesIn(kFuelRates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CompanyCarSplit, SharesTheTotalByDaysOfUse)
{
    // 200 and 165 days of a 36 500 total: 20 000 and 16 500.
    CompanyCarRecord first = car(300000);
    first.CCEndDate = TaxYearStart.addDays(199);
    CompanyCarRecord second = car(200000);
    second.CCStartDate = TaxYearEnd.addDays(-164);
    const CompanyCarCalculation out =
        calculateCompanyCars(CompanyCarInputs{{first, second}, {36500, true}});
    EXPECT_EQ(out.results[0].CCMonths, 200);
    EXPECT_EQ(out.results[1].CCMonths, 165);
    EXPECT_DOUBLE_EQ(out.vehicles[0].FB3802ThisCar, 20000);
    EXPECT_DOUBLE_EQ(out.vehicles[1].FB3802ThisCar, 16500);
}

TEST(CompanyCarSplit, AnEmptyVehicleCountsItsDaysButGetsNoShare)
{
    // With a third, empty vehicle of 365 days the days are 730: 36 500 x 200 / 730 = 10 000 and
    // x 165 / 730 = 8 250; the empty vehicle's typed part is replaced by 0.
    CompanyCarRecord first = car(300000);
    first.CCEndDate = TaxYearStart.addDays(199);
    CompanyCarRecord second = car(200000);
    second.CCStartDate = TaxYearEnd.addDays(-164);
    CompanyCarRecord empty = car(0);
    empty.FB3802ThisCar = 777;
    const CompanyCarCalculation out =
        calculateCompanyCars(CompanyCarInputs{{first, second, empty}, {36500, true}});
    EXPECT_DOUBLE_EQ(out.vehicles[0].FB3802ThisCar, 10000);
    EXPECT_DOUBLE_EQ(out.vehicles[1].FB3802ThisCar, 8250);
    EXPECT_EQ(out.vehicles[2].FB3802ThisCar, 0);
}

TEST(CompanyCarSplit, OffKeepsTheTypedParts)
{
    CompanyCarRecord first = car(300000);
    first.FB3802ThisCar = 1000;
    CompanyCarRecord second = car(200000);
    second.FB3802ThisCar = 2000;
    const CompanyCarCalculation out =
        calculateCompanyCars(CompanyCarInputs{{first, second}, {36500, false}});
    EXPECT_EQ(out.vehicles[0].FB3802ThisCar, 1000);
    EXPECT_EQ(out.vehicles[1].FB3802ThisCar, 2000);
    // 125 656 - 1 000 and Round(83 770.49) - 2 000.
    EXPECT_EQ(out.totals.AdjustTaxableInc, 124656 + 81770);
}

TEST(CompanyCarEmptyVehicle, IsSkippedWhileTheOthersAreCalculated)
{
    // An empty vehicle (no price, no distance) between two others: its results stay 0 and it
    // adds nothing to the totals, whatever its record held before.
    CompanyCarRecord empty = car(0);
    empty.AdjustTaxableInc = 99999;
    empty.FuelComponent = 555;
    empty.BusDistance = 500;
    const CompanyCarCalculation out =
        calculateCompanyCars(CompanyCarInputs{{car(300000), empty, loggedCar()}, {50000, false}});
    EXPECT_EQ(out.results[1], CompanyCarResults{.CCMonths = 365});
    EXPECT_EQ(out.vehicles[1].AdjustTaxableInc, 0);
    EXPECT_EQ(out.vehicles[1].FuelComponent, 0);
    EXPECT_EQ(out.results[0].TrueInclusion, 125656);
    EXPECT_EQ(out.results[2].TrueInclusion, 75393);
    // The third vehicle carries no code 3802 part here: 75 393 - 24 444.
    EXPECT_EQ(out.results[2].AdjustTaxableInc, 50949);
    EXPECT_EQ(out.totals.AdjustTaxableInc, 125656 + 50949);
    EXPECT_DOUBLE_EQ(out.totals.SARSDeductionClaim, -24444);
}

} // namespace
} // namespace grovan
