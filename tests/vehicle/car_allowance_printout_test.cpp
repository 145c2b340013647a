// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"
#include "tests/vehicle/shipped_report.h"
#include "vehicle/car_allowance_printout.h"

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

// The deemed-cost example (250 000, 25 000 km, 10 000 business km, full year) with an allowance
// of 60 000, a description and a name.
CarAllowanceInputs deemedInputs()
{
    CarAllowanceInputs in;
    in.CarDescription = "VW Golf <GTI> & co";
    in.VehicleValue = 250000;
    in.AllowanceReceived = 60000;
    in.CloseKmReading = 125000;
    in.OpenKmReading = 100000;
    in.BusinessKm = 10000;
    in.employeeName = "Thandi Mokoena";
    return in;
}

// The actual-cost example: 60 000 of costs (every one different) over 30 000 km, 12 000 of them
// business, and an allowance of 20 000 that limits the claim.
CarAllowanceInputs actualInputs()
{
    CarAllowanceInputs in;
    in.AccurateRecordKept = true;
    in.CarDescription = "Toyota Corolla";
    in.AllowanceReceived = 20000;
    in.CloseKmReading = 130000;
    in.OpenKmReading = 100000;
    in.BusinessKm = 12000;
    in.FuelOil = 21000;
    in.RepairsMaintenance = 9000;
    in.InsuranceLicence = 14000;
    in.OtherExpenses = 6000;
    in.LeasePayments = 10000;
    return in;
}

TEST(CarAllowancePrintRow, DeemedCostWritesTheCommonFieldsAndItsGroup)
{
    const CarAllowanceInputs in = deemedInputs();
    const CarAllowanceResults r = calculateCarAllowance(in);
    const Row expected{
        {"TPName", text("Thandi Mokoena")},
        {"CARNO", std::int64_t{1}},
        {"mta01", text("VW Golf <GTI> & co")},
        {"mta04", 60000.0},
        {"mta05", 125000.0},
        {"mta06", 100000.0},
        {"mta07", 10000.0},
        {"tadeduction", r.DeductionClaim},
        {"MTD", 25000.0},
        {"MBD", 10000.0},
        {"mpd", 15000.0},
        {"mta03", 250000.0},
        {"mta14", 365.0},
        {"cv", 75039.0},
        {"fce", r.FixedCentsPerKm},
        {"fc", r.FuelCentsPerKm},
        {"mc", r.MaintenanceCentsPerKm},
        {"tatc", 479.7},
        {"FCDet", text("Fuel costs")},
        {"MCDet", text("Maintenance costs")},
        {"DateStart", text("01/03/2021")},
        {"DateEnd", text("28/02/2022")},
    };
    EXPECT_EQ(carAllowancePrintRow(in, r), expected);
    EXPECT_NEAR(r.DeductionClaim, 47965.6, 1e-6);
    EXPECT_STREQ(carAllowanceReportTemplate(in), "caepnrk.rpt");
}

TEST(CarAllowancePrintRow, ActualCostWritesTheCommonFieldsAndItsGroup)
{
    const CarAllowanceInputs in = actualInputs();
    const CarAllowanceResults r = calculateCarAllowance(in);
    const Row expected{
        {"TPName", text("")}, {"CARNO", std::int64_t{1}}, {"mta01", text("Toyota Corolla")},
        {"mta04", 20000.0},   {"mta05", 130000.0},        {"mta06", 100000.0},
        {"mta07", 12000.0},   {"tadeduction", 20000.0},   {"MTD", 30000.0},
        {"MBD", 12000.0},     {"mpd", 18000.0},           {"mta08", 21000.0},
        {"mta09", 9000.0},    {"mta10", 14000.0},         {"mta11", 6000.0},
        {"mta12", 0.0},       {"mta13", 10000.0},         {"totcost", 60000.0},
        {"pu", 36000.0},
    };
    EXPECT_EQ(carAllowancePrintRow(in, r), expected);
    EXPECT_STREQ(carAllowanceReportTemplate(in), "caeprk.rpt");
}

TEST(CarAllowancePrintRow, CostsNotIncludedAreNamedSo)
{
    CarAllowanceInputs in = deemedInputs();
    in.IncludeFuelCosts = false;
    in.IncludeMaintenanceCosts = false;
    in.startDate = *CalendarDate::fromYmd(2021, 4, 1);
    in.endDate = *CalendarDate::fromYmd(2021, 9, 30);
    const Row row = carAllowancePrintRow(in, calculateCarAllowance(in));
    EXPECT_EQ(*findField(row, "FCDet"), text("Fuel costs not included"));
    EXPECT_EQ(*findField(row, "fc"), FieldValue{0.0});
    EXPECT_EQ(*findField(row, "MCDet"), text("Maintenance costs not included"));
    EXPECT_EQ(*findField(row, "mc"), FieldValue{0.0});
    EXPECT_EQ(*findField(row, "DateStart"), text("01/04/2021"));
    EXPECT_EQ(*findField(row, "DateEnd"), text("30/09/2021"));
    EXPECT_EQ(*findField(row, "mta14"), FieldValue{183.0});
}

TEST(CarAllowancePrintTable, IsTheTableOfThePrintDatabase)
{
    const TableSchema mine = carAllowancePrintTable();
    const TableSchema* database = programCalculators().printSchema().table(kCarAllowancePrintTable);
    ASSERT_NE(database, nullptr);
    EXPECT_EQ(mine.name, database->name);
    EXPECT_EQ(mine.kind, TableKind::SingleRow);
    ASSERT_EQ(mine.columns.size(), database->columns.size());
    for (std::size_t i = 0; i < mine.columns.size(); ++i) {
        EXPECT_EQ(mine.columns[i].name, database->columns[i].name);
        EXPECT_EQ(mine.columns[i].type, database->columns[i].type) << mine.columns[i].name;
    }
}

// The row is edited in place: the actual-cost printout leaves the deemed-cost group as the
// earlier printout wrote it, and every value reads back as written (the table is STRICT).
TEST(CarAllowancePrintDatabase, EachMethodOverwritesOnlyItsOwnGroup)
{
    TempFolder folder;
    RecordingSink sink;
    const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(), sink);

    const CarAllowanceInputs deemed = deemedInputs();
    const Row deemedRow = carAllowancePrintRow(deemed, calculateCarAllowance(deemed));
    ASSERT_TRUE(database.writeRow(kCarAllowancePrintTable, deemedRow));
    const CarAllowanceInputs actual = actualInputs();
    const Row actualRow = carAllowancePrintRow(actual, calculateCarAllowance(actual));
    ASSERT_TRUE(database.writeRow(kCarAllowancePrintTable, actualRow));

    const auto read = database.readRow(kCarAllowancePrintTable);
    ASSERT_TRUE(read.has_value());
    for (const Field& field : actualRow) {
        EXPECT_EQ(*findField(*read, field.name), field.value) << field.name;
    }
    for (const char* kept : {"mta03", "cv", "tatc", "FCDet", "DateEnd"}) {
        EXPECT_EQ(*findField(*read, kept), *findField(deemedRow, kept)) << kept;
    }
    // Only the notice that the new file was made.
    EXPECT_LE(sink.messages.size(), 1u);
}

ReportData dataOf(const Row& row)
{
    ReportData data;
    data.rows[kCarAllowancePrintTable] = row;
    return data;
}

TEST(CarAllowanceTemplates, DeemedCostPrintsItsFigures)
{
    const CarAllowanceInputs in = deemedInputs();
    const RenderedReport page = testing::renderShipped(
        kCarAllowanceDeemedTemplate, dataOf(carAllowancePrintRow(in, calculateCarAllowance(in))));
    EXPECT_EQ(page.title, "Car Allowance");
    for (const char* shown :
         {" For : Thandi Mokoena", "VW Golf &lt;GTI&gt; &amp; co", "01/03/2021 to 28/02/2022",
          "250 000.00", "60 000.00", "125 000", "25 000", "10 000.00", "15 000.00", "75 039.00",
          "Fixed cost: R 75 039 x 365 / 365 days", "over 25 000 km", "300.156", "126.300", "53.200",
          "479.7", "47 965.60", "Fuel costs", "Maintenance costs"}) {
        EXPECT_NE(page.html.find(shown), std::string::npos) << shown;
    }
}

TEST(CarAllowanceTemplates, ActualCostPrintsItsFigures)
{
    const CarAllowanceInputs in = actualInputs();
    const RenderedReport page = testing::renderShipped(
        kCarAllowanceActualTemplate, dataOf(carAllowancePrintRow(in, calculateCarAllowance(in))));
    for (const char* shown :
         {"Toyota Corolla", "20 000.00", "130 000", "30 000", "12 000.00", "18 000.00", "21 000.00",
          "9 000.00", "14 000.00", "6 000.00", "10 000.00", "60 000.00", "36 000.00"}) {
        EXPECT_NE(page.html.find(shown), std::string::npos) << shown;
    }
    // No name, no "For :" line.
    EXPECT_EQ(page.html.find("For :"), std::string::npos);
}

} // namespace
} // namespace grovan
