// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"
#include "tests/vehicle/shipped_report.h"
#include "vehicle/company_car_printout.h"
#include "vehicle/company_car_register.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

FieldValue text(const char* value)
{
    return std::string(value);
}

// A full year of 300 000 over 30 000 km (mileage 10 000 to 40 000), 12 000 business with a log
// book, the fuel table (1.358 a km), 10 000 of fuel reimbursed, 6 000 + 1 000 + 3 000 of
// insurance, licence and maintenance.
CompanyCarRecord loggedCar()
{
    CompanyCarRecord v;
    v.CCRegNumber = "CA 300-000";
    v.CCMake = "Toyota";
    v.CCModel = "Fortuner";
    v.YearOfManfact = "2020";
    v.CCPrice = 300000;
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

// Three vehicles: the logged car, an empty one (no price, no distance) and a car without a
// price that has a distance, 4 000 of 10 000 km business with a log book and 2 000 of fuel.
// The code 3802 total of 36 500 is split by days of use over all three (365 + 365 + 183).
CompanyCarCalculation threeVehicles()
{
    CompanyCarRecord empty;
    empty.CCRegNumber = "CA 000";
    CompanyCarRecord unpriced;
    unpriced.CCRegNumber = "CA 000-10";
    unpriced.CCStartDate = *CalendarDate::fromYmd(2021, 4, 1);
    unpriced.CCEndDate = *CalendarDate::fromYmd(2021, 9, 30);
    unpriced.TotalDistance = 10000;
    unpriced.BusDistance = 4000;
    unpriced.BussMilage = true;
    unpriced.ActualExpEmployee = 2000;
    return calculateCompanyCars(CompanyCarInputs{{loggedCar(), empty, unpriced}, {36500, true}});
}

std::vector<Row> rowsOf(const CompanyCarCalculation& out, double actual3802)
{
    return companyCarPrintRows(out.vehicles, out.results, {actual3802, true});
}

TEST(CompanyCarPrintRows, OneLinePerVehicleWithEveryField)
{
    const CompanyCarCalculation out = threeVehicles();
    const std::vector<Row> rows = rowsOf(out, 36500);
    ASSERT_EQ(rows.size(), 3u);
    const CompanyCarResults& r = out.results[0];
    // Vehicle 1 has 365 of the 365 + 365 + 183 days: 36 500 x 365 / 913.
    const double share = 36500.0 * 365 / 913;
    EXPECT_DOUBLE_EQ(out.vehicles[0].FB3802ThisCar, share);
    const Row expected{
        {"CarNum", std::int64_t{1}},
        {"CMVMaxNum", std::int64_t{3}},
        {"CCRegNumber", text("CA 300-000")},
        {"CCMake", text("Toyota")},
        {"CCModel", text("Fortuner")},
        {"CCPrice", 300000.0},
        {"MaintIncluded", text("No")},
        {"CCMonths", 365.0},
        {"EndMileage", 40000.0},
        {"StartMileage", 10000.0},
        {"TotalDistance", 30000.0},
        {"BusDistance", 12000.0},
        {"ActualExpEmployee", 0.0},
        {"SARSTable", text("Yes")},
        {"FuelReimbEmployer", 10000.0},
        {"EmpPaidInsurance", 6000.0},
        {"EmpPaidLicence", 1000.0},
        {"EmpPaidMaintenance", 3000.0},
        {"Actual3802", 36500.0},
        {"FB3802ThisCar", share},
        {"AdjustTaxableInc", out.vehicles[0].AdjustTaxableInc},
        {"SARSDeductionClaim", r.SARSDeductionClaim},
        {"TrueInclusion", 75393.0},
        {"PrivateDistance", 18000.0},
        {"FuelComponent", 40740.0},
        {"Arr_FuelClaim", 18444.0},
        {"TotAddExpense", 6000.0},
        {"FuelExp", 24444.0},
        {"BussMilage", text("Yes")},
        {"YearOfManfact", text("2020")},
        {"CCStartDate", text("01/03/2021")},
        {"CCEndDate", text("28/02/2022")},
        {"IRP53802", 126000.0},
        {"MonFB80", 8400.0},
        {"MonFB20", 2100.0},
        {"FortFB80", r.FortFB80},
        {"FortFB20", r.FortFB20},
        {"WeekFB80", r.WeekFB80},
        {"WeekFB20", r.WeekFB20},
    };
    EXPECT_EQ(rows[0], expected);
    // Round(75 393 - 24 444 - 14 592.00) and -(0.4 x 14 592.00 + 24 444).
    EXPECT_EQ(out.vehicles[0].AdjustTaxableInc, 36357);
    EXPECT_NEAR(r.SARSDeductionClaim, -(0.4 * share + 24444), 1e-9);
    EXPECT_DOUBLE_EQ(r.FortFB80, 3876.8);
    EXPECT_DOUBLE_EQ(r.WeekFB20, 484.6);

    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(*findField(rows[i], "CarNum"), FieldValue{std::int64_t(i + 1)});
        EXPECT_EQ(*findField(rows[i], "CMVMaxNum"), FieldValue{std::int64_t{3}});
        EXPECT_EQ(*findField(rows[i], "Actual3802"), FieldValue{36500.0});
    }
}

TEST(CompanyCarPrintRows, AnEmptyVehiclePrintsZeroResults)
{
    const std::vector<Row> rows = rowsOf(threeVehicles(), 36500);
    const Row& empty = rows[1];
    EXPECT_EQ(*findField(empty, "CCRegNumber"), text("CA 000"));
    EXPECT_EQ(*findField(empty, "CCMonths"), FieldValue{365.0});
    for (const char* result :
         {"FB3802ThisCar", "AdjustTaxableInc", "SARSDeductionClaim", "TrueInclusion",
          "PrivateDistance", "FuelComponent", "Arr_FuelClaim", "TotAddExpense", "FuelExp",
          "IRP53802", "MonFB80", "MonFB20", "FortFB80", "FortFB20", "WeekFB80", "WeekFB20"}) {
        EXPECT_EQ(*findField(empty, result), FieldValue{0.0}) << result;
    }
    // The others print their full results, whichever vehicle a window would show.
    EXPECT_EQ(*findField(rows[0], "TrueInclusion"), FieldValue{75393.0});
}

TEST(CompanyCarPrintRows, AVehicleWithoutAPricePrintsSarsClaimAsItsAdjustment)
{
    const CompanyCarCalculation out = threeVehicles();
    const Row unpriced = rowsOf(out, 36500)[2];
    // 183 days: a share of 36 500 x 183 / 913; fuel 2 000 x 0.6 = 1 200.
    const double share = 36500.0 * 183 / 913;
    const double claim = -(0.4 * share + 1200);
    EXPECT_NEAR(std::get<double>(*findField(unpriced, "SARSDeductionClaim")), claim, 1e-9);
    EXPECT_EQ(*findField(unpriced, "AdjustTaxableInc"), *findField(unpriced, "SARSDeductionClaim"));
    EXPECT_EQ(*findField(unpriced, "TrueInclusion"), FieldValue{0.0});
    EXPECT_EQ(*findField(unpriced, "CCMonths"), FieldValue{183.0});
    EXPECT_EQ(*findField(unpriced, "CCStartDate"), text("01/04/2021"));
    EXPECT_EQ(*findField(unpriced, "CCEndDate"), text("30/09/2021"));
    EXPECT_EQ(*findField(unpriced, "MaintIncluded"), text("No"));
    EXPECT_EQ(*findField(unpriced, "SARSTable"), text("No"));
}

TEST(CompanyCarPrintRows, EachVehicleOnTheFuelTableUsesTheRateOfItsOwnPrice)
{
    // 1 000 km each: 95 000 at 1.041, 500 000 at 1.667, 50 000 at 1.041.
    std::vector<CompanyCarRecord> vehicles;
    for (const double price : {95000.0, 500000.0, 50000.0}) {
        CompanyCarRecord v;
        v.CCPrice = price;
        v.TotalDistance = 1000;
        v.SARSTable = true;
        vehicles.push_back(v);
    }
    const CompanyCarCalculation out = calculateCompanyCars(CompanyCarInputs{vehicles, {}});
    const std::vector<Row> rows = rowsOf(out, 0);
    EXPECT_EQ(*findField(rows[0], "FuelComponent"), FieldValue{1041.0});
    EXPECT_EQ(*findField(rows[1], "FuelComponent"), FieldValue{1667.0});
    EXPECT_EQ(*findField(rows[2], "FuelComponent"), FieldValue{1041.0});
}

TEST(CompanyCarPrintRows, AnEmptyRegisterPrintsNoLines)
{
    CompanyCarRegister reg;
    reg.open();
    reg.calculate();
    EXPECT_TRUE(companyCarPrintRows(reg).empty());
}

TEST(CompanyCarPrintRows, TheRegisterPrintsEveryVehicleInOrder)
{
    CompanyCarRegister reg;
    ASSERT_TRUE(reg.load(threeVehicles().vehicles, {36500, true}));
    reg.open();
    reg.forward(); // vehicle 2, the empty one, on screen
    reg.calculate();
    const std::vector<Row> fromRegister = companyCarPrintRows(reg);
    EXPECT_EQ(fromRegister, rowsOf(threeVehicles(), 36500));
}

TEST(CompanyCarPrintTable, IsTheTableOfThePrintDatabase)
{
    const TableSchema mine = companyCarPrintTable();
    const TableSchema* database = programCalculators().printSchema().table(kCompanyCarPrintTable);
    ASSERT_NE(database, nullptr);
    EXPECT_EQ(mine.kind, TableKind::Lines);
    ASSERT_EQ(mine.columns.size(), database->columns.size());
    for (std::size_t i = 0; i < mine.columns.size(); ++i) {
        EXPECT_EQ(mine.columns[i].name, database->columns[i].name);
        EXPECT_EQ(mine.columns[i].type, database->columns[i].type) << mine.columns[i].name;
    }
    // Every line holds the table's fields in its order.
    const Row line = rowsOf(threeVehicles(), 36500).front();
    ASSERT_EQ(line.size(), mine.columns.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        EXPECT_EQ(line[i].name, mine.columns[i].name);
    }
}

TEST(CompanyCarPrintDatabase, ASecondPrintoutLeavesOnlyItsOwnLines)
{
    TempFolder folder;
    RecordingSink sink;
    const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(), sink);
    const std::vector<Row> three = rowsOf(threeVehicles(), 36500);
    ASSERT_TRUE(database.replaceLines(kCompanyCarPrintTable, three));
    const CompanyCarCalculation one = calculateCompanyCars(CompanyCarInputs{{loggedCar()}, {}});
    const std::vector<Row> single = rowsOf(one, 0);
    ASSERT_TRUE(database.replaceLines(kCompanyCarPrintTable, single));

    const auto read = database.readLines(kCompanyCarPrintTable);
    ASSERT_TRUE(read.has_value());
    ASSERT_EQ(read->size(), 1u);
    EXPECT_EQ(read->front(), single.front());
    EXPECT_LE(sink.messages.size(), 1u);
}

ReportData dataOf(const std::vector<Row>& lines)
{
    ReportData data;
    data.lines[kCompanyCarPrintTable] = lines;
    return data;
}

TEST(CompanyCarTemplate, PrintsEveryVehicleInEachGrid)
{
    CompanyCarCalculation out = threeVehicles();
    out.vehicles[1].CCMake = "<Mazda & co>";
    const RenderedReport page = testing::renderShipped("compcar.rpt", dataOf(rowsOf(out, 36500)));
    EXPECT_EQ(page.title, "Full use of Company Car");
    EXPECT_EQ(page.page.orientation, PageOrientation::Landscape);
    // Five grids, each with a heading row that repeats on every page it runs over, and each
    // naming every vehicle by its registration number.
    EXPECT_EQ(testing::occurrences(page.html, "<thead>"), 5u);
    EXPECT_EQ(testing::occurrences(page.html, ">CA 300-000<"), 5u);
    EXPECT_EQ(testing::occurrences(page.html, ">CA 000<"), 5u);
    EXPECT_EQ(testing::occurrences(page.html, ">CA 000-10<"), 5u);
    for (const char* shown : {"1 of 3",    "2 of 3",     "3 of 3",     "&lt;Mazda &amp; co&gt;",
                              "Fortuner",  "300 000.00", "01/04/2021", "30/09/2021",
                              "40 000",    "30 000",     "18 000",     "40 740.00",
                              "18 444.00", "24 444.00",  "75 393.00",  "36 500.00",
                              "36 357.00", "126 000.00", "8 400.00",   "3 876.80",
                              "484.60"}) {
        EXPECT_NE(page.html.find(shown), std::string::npos) << shown;
    }
}

TEST(CompanyCarTemplate, ManyVehiclesRunOnInTheSameGrids)
{
    std::vector<CompanyCarRecord> vehicles(40, loggedCar());
    const CompanyCarCalculation out = calculateCompanyCars(CompanyCarInputs{vehicles, {}});
    const RenderedReport page = testing::renderShipped("compcar.rpt", dataOf(rowsOf(out, 0)));
    EXPECT_EQ(testing::occurrences(page.html, "<thead>"), 5u);
    EXPECT_EQ(testing::occurrences(page.html, ">CA 300-000<"), 200u);
    EXPECT_NE(page.html.find("40 of 40"), std::string::npos);
}

} // namespace
} // namespace grovan
