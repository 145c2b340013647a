// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/print_database.h"
#include "core/report_file.h"
#include "core/report_renderer.h"
#include "core/report_template.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/report_test_schema.h"
#include "tests/support/temp_folder.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

class PrintDatabaseTest : public ::testing::Test
{
protected:
    TempFolder folder;
    RecordingSink sink;
    std::filesystem::path file = folder / "Crysprin.mdb";
    PrintDatabase database{file, testing::reportTestSchema(), sink};

    std::string typeOf(const std::string& table, const std::string& column) const
    {
        SQLite::Database db(file.string());
        return db.execAndGet("SELECT typeof(\"" + column + "\") FROM \"" + table + "\" LIMIT 1")
            .getString();
    }
    int rowsOf(const std::string& table) const
    {
        SQLite::Database db(file.string());
        return db.execAndGet("SELECT count(*) FROM \"" + table + "\"").getInt();
    }
    static std::string text(const Row& row, const char* name)
    {
        const FieldValue* value = findField(row, name);
        return value && std::holds_alternative<std::string>(*value) ? std::get<std::string>(*value)
                                                                    : "(not a text)";
    }
};

TEST_F(PrintDatabaseTest, ANewFileHoldsEveryReportTableWithItsRowOrEmpty)
{
    ASSERT_TRUE(database.prepare());
    // A missing print database is made anew and the user is told.
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("was missing, so a new one has been made"),
              std::string::npos);

    // One table per table of the schema.
    const std::set<std::string> expected{
        "IRP5Ann", "IRP5Mon", "IRP5Week", "IRP5Day",  "SalPackage", "rapell",    "compcar",
        "Loans",   "Amort",   "BondBust", "BondComp", "DailyBal",   "Inflation", "traveldeduction"};
    SQLite::Database db(file.string());
    SQLite::Statement tables(db, "SELECT name, sql FROM sqlite_schema WHERE type = 'table'");
    std::set<std::string> present;
    while (tables.executeStep()) {
        const std::string name = tables.getColumn(0).getString();
        present.insert(name);
        EXPECT_NE(tables.getColumn(1).getString().find("STRICT"), std::string::npos) << name;
    }
    EXPECT_EQ(present, expected);
    for (const TableSchema& table : testing::reportTestSchema().tables) {
        EXPECT_EQ(rowsOf(table.name), table.kind == TableKind::SingleRow ? 1 : 0) << table.name;
    }
}

struct ColumnCase
{
    const char* table;
    const char* field;
    ColumnType type;
};

// What each printout writes into these fields: ages, counts and day numbers are whole numbers,
// dates of the PAYE printouts are texts, and the totals that become the integer 0 when the
// credits exceed the tax keep whatever was written.
const ColumnCase kColumnCases[] = {
    {"IRP5Ann", "AgeNum", ColumnType::Integer},
    {"IRP5Ann", "SDateNum", ColumnType::Text},
    {"IRP5Ann", "AnnCalcBens2num", ColumnType::Integer},
    {"IRP5Ann", "MedAidBensnum", ColumnType::Integer},
    {"IRP5Ann", "PAYENum", ColumnType::Any},
    {"IRP5Ann", "TotalNum", ColumnType::Any},
    {"IRP5Ann", "Taxliabilitynum", ColumnType::Real},
    {"IRP5Mon", "TotalNum", ColumnType::Any},
    {"IRP5Mon", "TravTwo", ColumnType::Real},
    {"IRP5Mon", "EDateNum", ColumnType::Text},
    {"IRP5Week", "SDateNum", ColumnType::Integer}, // the days of a normal period
    {"IRP5Week", "TotalNum", ColumnType::Any},
    {"IRP5Day", "TotalNum", ColumnType::Any},
    {"IRP5Day", "AnnCalcBens3num", ColumnType::Integer},
    {"rapell", "AGE", ColumnType::Integer},
    {"rapell", "TAXCOM4/2", ColumnType::Real},
};

TEST(PrintDatabaseSchemaTest, FieldsHaveTheTypesThePrintoutsWrite)
{
    for (const ColumnCase& c : kColumnCases) {
        SCOPED_TRACE(std::string(c.table) + "." + c.field);
        const TableSchema* table = programCalculators().printSchema().table(c.table);
        ASSERT_NE(table, nullptr);
        const ColumnSchema* column = table->column(c.field);
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(column->type, c.type);
    }
}

TEST(PrintDatabaseSchemaTest, TheAnnualTableHoldsTheSixtySixFieldsOfItsPrintout)
{
    const TableSchema* table = programCalculators().printSchema().table("IRP5Ann");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columns.size(), 66u);
    // The twelve months of beneficiaries run from March to February.
    EXPECT_EQ(table->columns[37].name, "AnnCalcBens3");
    EXPECT_EQ(table->columns[60].name, "AnnCalcBens2num");
    EXPECT_EQ(table->columns.back().name, "EOE");
}

TEST_F(PrintDatabaseTest, WrongTypesAreRefusedAndNothingIsWritten)
{
    ASSERT_TRUE(database.writeRow("IRP5Ann", {{"SalNum", 1000.0}}));
    sink.messages.clear();
    struct Case
    {
        const char* name;
        Row fields;
    };
    const Case cases[] = {
        {"TextIntoAnAmount", {{"SalNum", 2000.0}, {"BonusNum", std::string("ten")}}},
        {"FractionIntoAnAge", {{"SalNum", 2000.0}, {"AgeNum", 40.5}}},
        {"UnknownField", {{"SalNum", 2000.0}, {"SalaryNum", 1.0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(database.writeRow("IRP5Ann", c.fields));
        EXPECT_EQ(*findField(*database.readRow("IRP5Ann"), "SalNum"), FieldValue(1000.0));
    }
    EXPECT_EQ(sink.messages.size(), 3u);
}

TEST_F(PrintDatabaseTest, TheTotalsKeepTheIntegerZero)
{
    // The credits exceed the tax: PAYENum and TotalNum hold the integer 0 while the tax
    // liability is still an amount.
    ASSERT_TRUE(database.writeRow("IRP5Ann", {{"PAYENum", std::int64_t{0}},
                                              {"Taxliabilitynum", 3500.25},
                                              {"TotalNum", std::int64_t{0}}}));
    EXPECT_EQ(typeOf("IRP5Ann", "PAYENum"), "integer");
    EXPECT_EQ(typeOf("IRP5Ann", "TotalNum"), "integer");
    EXPECT_EQ(typeOf("IRP5Ann", "Taxliabilitynum"), "real");
    const Row row = *database.readRow("IRP5Ann");
    EXPECT_EQ(*findField(row, "TotalNum"), FieldValue(std::int64_t{0}));

    // An amount field given a whole number keeps a double.
    ASSERT_TRUE(database.writeRow("IRP5Ann", {{"SalNum", std::int64_t{0}}}));
    EXPECT_EQ(typeOf("IRP5Ann", "SalNum"), "real");
}

TEST_F(PrintDatabaseTest, AFieldAPrintoutDoesNotWriteKeepsWhatAnEarlierOneLeft)
{
    // A forward package window writes the cost to company; a back-calculation window, printing
    // next, does not write it.
    ASSERT_TRUE(database.writeRow(
        "SalPackage",
        {{"MonAnn", std::string("Velmora")}, {"CostToComp", 45000.0}, {"GSal", 30000.0}}));
    ASSERT_TRUE(
        database.writeRow("SalPackage", {{"MonAnn", std::string("Grovan")}, {"GSal", 41000.0}}));
    const Row row = *database.readRow("SalPackage");
    EXPECT_EQ(text(row, "MonAnn"), "Grovan");
    EXPECT_EQ(*findField(row, "GSal"), FieldValue(41000.0));
    EXPECT_EQ(*findField(row, "CostToComp"), FieldValue(45000.0));
    EXPECT_EQ(rowsOf("SalPackage"), 1);
}

TEST_F(PrintDatabaseTest, EnglishThenAfrikaansOverwriteTheSameRow)
{
    const auto printout = [](bool afrikaans) {
        return Row{{"TypeAM", std::string(afrikaans ? "Jaarlikse Inkomste" : "Annual Check")},
                   {"Sal", std::string(afrikaans ? "Besoldiging" : "Remuneration/salary")},
                   {"SalNum", 360000.0},
                   {"TOTAL", std::string(afrikaans ? "Totaal" : "Total tax deduction")},
                   {"TotalNum", 61700.0},
                   {"EOE", std::string(afrikaans ? "(B.& F.W.)" : "(E.& O.E.)")}};
    };
    ASSERT_TRUE(database.writeRow("IRP5Ann", printout(false)));
    ASSERT_TRUE(database.writeRow("IRP5Ann", printout(true)));
    EXPECT_EQ(rowsOf("IRP5Ann"), 1);

    const auto report = ReportTemplate::parse("report \"Annual\"\ntable IRP5Ann\n"
                                              "pagefooter {EOE}\nheading {TypeAM}\n"
                                              "columns left:60 right:40\n"
                                              "row {Sal} {SalNum|### ### ##0.00}\n"
                                              "total {TOTAL} {TotalNum|### ### ##0.00}\n",
                                              "t.rpt", testing::reportTestSchema());
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(report));
    const auto data = readReportData(std::get<ReportTemplate>(report), database);
    ASSERT_TRUE(data.has_value());
    const RenderedReport page = renderReport(std::get<ReportTemplate>(report), *data);
    for (const char* afrikaans :
         {"Jaarlikse Inkomste", "Besoldiging", "360 000.00", "Totaal", "61 700.00"}) {
        EXPECT_NE(page.html.find(afrikaans), std::string::npos) << afrikaans;
    }
    for (const char* english : {"Annual Check", "Remuneration/salary", "Total tax deduction"}) {
        EXPECT_EQ(page.html.find(english), std::string::npos) << english;
    }
    EXPECT_EQ(page.pageFooter, "(B.& F.W.)");
}

TEST_F(PrintDatabaseTest, ALineTableHoldsOnlyTheLastPrintoutsLines)
{
    const auto vehicle = [](int number, int of, const char* make) {
        return Row{{"CarNum", std::int64_t{number}},
                   {"CMVMaxNum", std::int64_t{of}},
                   {"CCMake", std::string(make)},
                   {"CCStartDate", std::string("01/03/2021")},
                   {"CCEndDate", std::string("28/02/2022")}};
    };
    ASSERT_TRUE(database.replaceLines(
        "compcar", {vehicle(1, 3, "Toyota"), vehicle(2, 3, "Ford"), vehicle(3, 3, "Isuzu")}));
    ASSERT_TRUE(database.replaceLines("compcar", {vehicle(1, 1, "Mazda")}));
    const auto lines = *database.readLines("compcar");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(text(lines[0], "CCMake"), "Mazda");
    EXPECT_EQ(*findField(lines[0], "CMVMaxNum"), FieldValue(std::int64_t{1}));
    // A field the printout left out of a line is empty, not an earlier vehicle's.
    EXPECT_EQ(text(lines[0], "MaintIncluded"), "");

    // A loan printout without schedule leaves the last schedule's lines alone.
    ASSERT_TRUE(database.replaceLines("Amort", {{{"Year", std::int64_t{1}}}}));
    ASSERT_TRUE(database.writeRow("Loans", {{"Heading", std::string("Monthly repayment")}}));
    EXPECT_EQ(database.readLines("Amort")->size(), 1u);
}

TEST_F(PrintDatabaseTest, AMissingTableOrRowIsMadeAnewAndTheUserTold)
{
    ASSERT_TRUE(database.writeRow("rapell", {{"TAXINCOME", 500000.0}}));
    {
        SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
        db.exec("DROP TABLE \"IRP5Mon\"");
        db.exec("DELETE FROM \"rapell\"");
    }
    sink.messages.clear();
    ASSERT_TRUE(database.writeRow("IRP5Mon", {{"SalNum", 30000.0}}));
    const auto rapell = database.readRow("rapell");
    ASSERT_TRUE(rapell.has_value());
    EXPECT_EQ(*findField(*rapell, "TAXINCOME"), FieldValue(0.0));
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_NE(sink.messages[0].text.find("the table \u201cIRP5Mon\u201d"), std::string::npos);
    EXPECT_NE(sink.messages[1].text.find("the record of \u201crapell\u201d"), std::string::npos);
    EXPECT_EQ(*findField(*database.readRow("IRP5Mon"), "SalNum"), FieldValue(30000.0));
}

TEST_F(PrintDatabaseTest, ADamagedFileIsKeptAsideAndANewOneMade)
{
    const std::string damaged = "this is not a database, but it is the user's file";
    TempFolder::writeFile(file, damaged);
    const auto row = database.readRow("IRP5Ann");
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(text(*row, "TypeAM"), "");

    std::vector<std::filesystem::path> aside;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        if (entry.path().filename().string().starts_with("Crysprin.mdb.damaged-")) {
            aside.push_back(entry.path());
        }
    }
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(TempFolder::readFile(aside[0]), damaged);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Warning);
    EXPECT_NE(sink.messages[0].text.find(aside[0].string()), std::string::npos);
}

// The templates the program ships, in the source tree beside these tests.
std::filesystem::path shippedTemplates()
{
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
           "reports";
}

TEST(ShippedTemplatesTest, EveryTemplateLoadsAgainstThePrintDatabase)
{
    std::vector<std::string> loaded;
    for (const auto& entry : std::filesystem::directory_iterator(shippedTemplates())) {
        if (entry.path().extension() != ".rpt") {
            continue;
        }
        SCOPED_TRACE(entry.path().filename().string());
        const auto result = ReportTemplate::load(entry.path(), testing::reportTestSchema());
        if (const auto* error = std::get_if<TemplateError>(&result)) {
            ADD_FAILURE() << error->text();
            continue;
        }
        const auto& report = std::get<ReportTemplate>(result);
        EXPECT_FALSE(report.title.empty());
        EXPECT_FALSE(report.tables().empty());
        loaded.push_back(entry.path().filename().string());
    }
    for (const char* name : {"Annual.rpt", "Monthly.rpt", "FortNightly.rpt", "Weekly.rpt",
                             "Daily.rpt", "rapelltep.rpt"}) {
        EXPECT_NE(std::find(loaded.begin(), loaded.end(), name), loaded.end()) << name;
    }
}

TEST(ShippedTemplatesTest, EveryCalculatorsTemplatesLoadAgainstTheProgramsPrintDatabase)
{
    for (const Calculator* calculator : programCalculators().calculators()) {
        for (std::string_view name : calculator->printTemplates()) {
            SCOPED_TRACE(std::string(calculator->name()) + ": " + std::string(name));
            const auto result = ReportTemplate::load(shippedTemplates() / std::string(name),
                                                     programCalculators().printSchema());
            if (const auto* error = std::get_if<TemplateError>(&result)) {
                ADD_FAILURE() << error->text();
            }
        }
    }
}

TEST(ShippedTemplatesTest, TheAnnualTemplatePrintsEveryFieldOfItsTable)
{
    const auto result =
        ReportTemplate::load(shippedTemplates() / "Annual.rpt", programCalculators().printSchema());
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(result));
    // Give every field a value of its own and look for each on the page.
    ReportData data;
    Row& row = data.rows["IRP5Ann"];
    const TableSchema& table = *programCalculators().printSchema().table("IRP5Ann");
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnSchema& column = table.columns[i];
        if (column.type == ColumnType::Text) {
            row.push_back({column.name, "text-" + column.name});
        } else {
            row.push_back({column.name, std::int64_t{static_cast<std::int64_t>(1000 + i)}});
        }
    }
    const RenderedReport page = renderReport(std::get<ReportTemplate>(result), data);
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const ColumnSchema& column = table.columns[i];
        // A number's thousands grouped as the template's pattern shows them: 1003 as "1 003"
        // (appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on inserting).
        const std::string number = std::to_string(1000 + i);
        std::string shown = "text-" + column.name;
        if (column.type != ColumnType::Text) {
            shown = number.substr(0, 1);
            shown += ' ';
            shown += number.substr(1);
        }
        const bool onPage = page.html.find(shown) != std::string::npos ||
                            page.html.find(std::to_string(1000 + i)) != std::string::npos ||
                            page.pageFooter == shown;
        EXPECT_TRUE(onPage) << column.name;
    }
}

} // namespace
} // namespace grovan
