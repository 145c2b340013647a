// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/number_format.h"
#include "core/print_database.h"
#include "core/report_renderer.h"
#include "core/report_template.h"
#include "package/package_field_kinds.h"
#include "package/package_printout.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

const PackageWindow& grovanAnnual = packageWindow(PackageWindowKind::GrovanAnnual);
const PackageWindow& grovanMonthly = packageWindow(PackageWindowKind::GrovanMonthly);
const PackageWindow& velmoraAnnual = packageWindow(PackageWindowKind::VelmoraAnnual);
const PackageWindow& velmoraMonthly = packageWindow(PackageWindowKind::VelmoraMonthly);

const PackageWindow* const kAllWindows[] = {&grovanAnnual, &grovanMonthly, &velmoraAnnual,
                                            &velmoraMonthly};

// The other-expense amounts as typed: each also copied into the cost-to-company column.
void type(PackageInputs& in, const std::array<double, 4>& amounts)
{
    in.OtherExpenses = amounts;
    in.OtherExpensesCC = amounts;
}

// A package whose every printed amount differs, calculated as "&Print" calculates it first.
struct Printed
{
    PackageInputs inputs;
    PackageResults results;
};

Printed printedPackage(const PackageWindow& window, double carCostToCompany = 0)
{
    PackageInputs in;
    in.Age = 66;
    in.NetRequired = 300000;
    in.CarValue = 250000;
    in.CarCostToCompany = carCostToCompany;
    in.TravelAllowance = 12000;
    in.EmpMedContrib = 1500;
    in.ErMedContrib = 2500;
    in.Beneficiaries = 3;
    in.OtherFringeBenefits = 700;
    in.MedDeduction = 450;
    in.EmpRFAmount = 9000;
    in.ErRFAmount = 11000;
    in.OtherExpenseTexts = {"Cellphone", "Parking", "Tools", "Books"};
    type(in, {800, 0, 300, 0});
    in.OtherExpensesCC[2] = 350; // overwritten in the cost-to-company column
    in.TaxpayerName = "Thandi Mokoena";
    TaxableIncomeRecord record;
    const PackageResults r = calculatePackage(window, in, SetupValues{}, record);
    EXPECT_FALSE(r.CalcFailed);
    applyPackageResults(in, r);
    return {in, r};
}

using Expected = std::vector<std::pair<std::string, FieldValue>>;

Expected expectedRow(const PackageWindow& window, const Printed& p, const char* title,
                     const char* firstLabel, const char* beneficiariesLabel)
{
    const bool forward = window.direction == PackageDirection::Forward;
    const bool grovanMonthlyWindow = &window == &grovanMonthly;
    const PackageResults& r = p.results;
    Expected e{
        {"MonAnn", std::string(title)}, {"TPName", std::string("Thandi Mokoena")},
        {"TPAge", std::int64_t{66}},    {"MonAnnSal", std::string(firstLabel)},
        {"NetMonSal", 300000.0},
    };
    if (forward) {
        e.push_back({"CostToComp", 300000.0});
    }
    e.insert(e.end(), {
                          {"CompCar", 250000.0},
                          {"CompCarCC", 0.0},
                          {"TravAll", 12000.0},
                          {"TravAllCC", 12000.0},
                          {"MedAidCont", 1500.0},
                          {"MedAidContCC", 2500.0},
                          {"PMems", std::int64_t{3}},
                          {"AddBens", std::int64_t{0}},
                          {"TaxFreeMedPrint", 0.0},
                          {"OtherTaxFB", 700.0},
                          {"OtherTaxFBCC", 700.0},
                          {"PenDeduct", 9000.0},
                          {"PenDeductCC", 11000.0},
                      });
    if (!grovanMonthlyWindow) {
        e.insert(e.end(), {{"ProvDeduct", 0.0}, {"ProvDeductCC", 0.0}});
    }
    e.push_back({"RADirective", std::string(beneficiariesLabel)});
    if (!grovanMonthlyWindow) {
        e.push_back({"RADeduct", 0.0});
    }
    e.insert(e.end(), {
                          // Kept from age 65 in the back-calculation windows; none in the forward.
                          {"MedDeduct", forward ? 0.0 : 450.0},
                          {"UIFCont", r.EmpUIF},
                          {"UIFContCC", r.ErUIF},
                          {"SkillLevy", r.SkillsLevy},
                          {"TaxDue", r.TaxAfterRebate},
                          {"TaxCredit", r.TaxCredit},
                          {"TaxDeduct", r.TaxDeduction},
                          {"PrinMembers", std::string("(R 720pm each)")},
                          {"BenMembers", std::string("(R 440pm each)")},
                          {"OEXPTXT", std::string("Other Expenses :")},
                          {"ODedTxt0", std::string("Cellphone")},
                          {"ODedR0", std::string("R")},
                          {"ODedNum0", 800.0},
                          {"ODedNumCC0", 800.0},
                          {"ODedTxt1", std::string()},
                          {"ODedR1", std::string()},
                          {"ODedNum1", 0.0},
                          {"ODedNumCC1", 0.0},
                          {"ODedTxt2", std::string("Tools")},
                          {"ODedR2", std::string("R")},
                          {"ODedNum2", 300.0},
                          {"ODedNumCC2", 350.0},
                          {"ODedTxt3", std::string()},
                          {"ODedR3", std::string()},
                          {"ODedNum3", 0.0},
                          {"ODedNumCC3", 0.0},
                          {"GSal", r.GrossSalary},
                          {"TotCostComp", r.TotalCostToCompany},
                          {"PlusCompCar1", std::string("(plus a 'once-off' cost of R 250000")},
                          {"PlusCompCar2", std::string("for the company car and this does not "
                                                       "include fuel, maintenance etc).")},
                      });
    return e;
}

struct RowCase
{
    const PackageWindow* window;
    const char* title;
    const char* firstLabel;
    const char* beneficiariesLabel;
    std::size_t fields;
};

// A window writes 52 fields; the forward windows also `CostToComp`; the monthly back-calculation
// window leaves out `ProvDeduct`, `ProvDeductCC` and `RADeduct`.
const RowCase kRowCases[] = {
    {&grovanAnnual, "Grovan Salary Package Calculation : Annual", "Net annual salary required",
     "Medical beneficiaries months", 52},
    {&grovanMonthly, "Grovan Salary Package Calculation : Monthly", "Net monthly salary required",
     "Med. aid fund beneficiaries", 49},
    {&velmoraAnnual, "Velmora Salary Package Calculation : Annual", "Total package amount",
     "Medical beneficiaries months", 53},
    {&velmoraMonthly, "Velmora Salary Package Calculation : Monthly", "Total package amount",
     "Med. aid fund beneficiaries", 53},
};

class SalPackageRow : public ::testing::TestWithParam<RowCase>
{};

TEST_P(SalPackageRow, WritesTheWindowsFieldsInOrder)
{
    const RowCase& c = GetParam();
    const Printed p = printedPackage(*c.window);
    const Row row = salPackagePrintRow(*c.window, p.inputs, p.results);
    const Expected expected =
        expectedRow(*c.window, p, c.title, c.firstLabel, c.beneficiariesLabel);
    ASSERT_EQ(expected.size(), c.fields);
    ASSERT_EQ(row.size(), expected.size());
    for (std::size_t i = 0; i < row.size(); ++i) {
        EXPECT_EQ(row[i].name, expected[i].first) << "field " << i + 1;
        EXPECT_EQ(row[i].value, expected[i].second) << "field " << i + 1 << " " << row[i].name;
    }
    EXPECT_GT(p.results.EmpUIF, 0.0);
    EXPECT_GT(p.results.AddMedCredit, 0.0) << "age 66 with three beneficiaries";
}

INSTANTIATE_TEST_SUITE_P(Package, SalPackageRow, ::testing::ValuesIn(kRowCases),
                         [](const auto& info) {
                             return std::string(info.param.window->windowName);
                         });

const FieldValue& printedField(const Row& row, std::string_view name)
{
    const FieldValue* value = findField(row, name);
    EXPECT_NE(value, nullptr) << name;
    static const FieldValue none;
    return value != nullptr ? *value : none;
}

struct OtherExpensesCase
{
    const char* name;
    std::array<double, 4> amounts;
    const char* heading;
    std::array<bool, 4> rowsShown;
};

// Worked examples: rows 0 and 2 filled write "Other Expenses :", rows 0 and 2 with "R" and their
// amounts, rows 1 and 3 as "", "", 0, 0; amounts all 0 write "" for every row even with
// descriptions typed.
const OtherExpensesCase kOtherExpensesCases[] = {
    {"rows_0_and_2", {800, 0, 300, 0}, "Other Expenses :", {true, false, true, false}},
    {"all_zero_with_descriptions", {0, 0, 0, 0}, "", {false, false, false, false}},
    {"row_3_only", {0, 0, 0, 5}, "Other Expenses :", {false, false, false, true}},
};

class SalPackageOtherExpenses : public ::testing::TestWithParam<OtherExpensesCase>
{};

TEST_P(SalPackageOtherExpenses, PrintOnlyTheRowsWithAmounts)
{
    const OtherExpensesCase& c = GetParam();
    PackageInputs in;
    in.OtherExpenseTexts = {"Cellphone", "Parking", "Tools", "Books"};
    type(in, c.amounts);
    const Row row = salPackagePrintRow(grovanAnnual, in, PackageResults{});
    EXPECT_EQ(printedField(row, "OEXPTXT"), FieldValue{std::string(c.heading)});
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        const bool shown = c.rowsShown[i];
        SCOPED_TRACE("row " + n);
        EXPECT_EQ(printedField(row, "ODedTxt" + n),
                  FieldValue{shown ? in.OtherExpenseTexts[i] : std::string()});
        EXPECT_EQ(printedField(row, "ODedR" + n), FieldValue{std::string(shown ? "R" : "")});
        EXPECT_EQ(printedField(row, "ODedNum" + n), FieldValue{shown ? c.amounts[i] : 0.0});
        EXPECT_EQ(printedField(row, "ODedNumCC" + n), FieldValue{shown ? c.amounts[i] : 0.0});
    }
}

INSTANTIATE_TEST_SUITE_P(Package, SalPackageOtherExpenses, ::testing::ValuesIn(kOtherExpensesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SalPackageOnceOff, IsPrintedOnlyWithoutACostToCompany)
{
    // Worked example: a car of 250 000 with no cost to company; with a cost both fields are "".
    const Printed withCost = printedPackage(grovanMonthly, 4000);
    const Row row = salPackagePrintRow(grovanMonthly, withCost.inputs, withCost.results);
    EXPECT_EQ(printedField(row, "PlusCompCar1"), FieldValue{std::string()});
    EXPECT_EQ(printedField(row, "PlusCompCar2"), FieldValue{std::string()});
    EXPECT_EQ(printedField(row, "CompCarCC"), FieldValue{4000.0});
}

class SalPackageDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(database.prepare());
        sink.messages.clear(); // that a new file was made
    }

    Row written(const PackageWindow& window, const PackageInputs& in, const PackageResults& r)
    {
        EXPECT_TRUE(database.writeRow(kPackagePrintTable, salPackagePrintRow(window, in, r)));
        EXPECT_TRUE(sink.messages.empty());
        return *database.readRow(kPackagePrintTable);
    }

    TempFolder folder;
    RecordingSink sink;
    PrintDatabase database{folder / "Crysprin.mdb", programCalculators().printSchema(), sink};
};

TEST_F(SalPackageDatabase, FieldsAWindowDoesNotWriteKeepTheRecordsValue)
{
    const Printed forward = printedPackage(velmoraAnnual);
    Row record = written(velmoraAnnual, forward.inputs, forward.results);
    EXPECT_EQ(printedField(record, "CostToComp"), FieldValue{300000.0});

    PackageInputs smaller = forward.inputs;
    smaller.NetRequired = 25000;
    TaxableIncomeRecord income;
    const PackageResults r = calculatePackage(grovanMonthly, smaller, SetupValues{}, income);
    record = written(grovanMonthly, smaller, r);
    EXPECT_EQ(printedField(record, "NetMonSal"), FieldValue{25000.0});
    EXPECT_EQ(printedField(record, "CostToComp"), FieldValue{300000.0})
        << "the back-calculation windows do not write it";

    // The monthly back-calculation window leaves the provident and R/A deductions as they were.
    ASSERT_TRUE(database.writeRow(kPackagePrintTable, {{"ProvDeduct", 12.5}, {"RADeduct", 7.0}}));
    record = written(grovanMonthly, smaller, r);
    EXPECT_EQ(printedField(record, "ProvDeduct"), FieldValue{12.5});
    EXPECT_EQ(printedField(record, "RADeduct"), FieldValue{7.0});
    record = written(grovanAnnual, smaller, r);
    EXPECT_EQ(printedField(record, "ProvDeduct"), FieldValue{0.0});
    EXPECT_EQ(printedField(record, "RADeduct"), FieldValue{0.0});
}

TEST_F(SalPackageDatabase, PrintingAgainWithAnotherNameChangesOnlyTheName)
{
    Printed p = printedPackage(grovanAnnual);
    const Row first = written(grovanAnnual, p.inputs, p.results);
    p.inputs.TaxpayerName = "Sipho Dlamini";
    const Row second = written(grovanAnnual, p.inputs, p.results);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        if (first[i].name == "TPName") {
            EXPECT_EQ(second[i].value, FieldValue{std::string("Sipho Dlamini")});
        } else {
            EXPECT_EQ(second[i], first[i]);
        }
    }
}

TEST(SalPackageTable, IsThePrintDatabasesTable)
{
    // The print database takes its tables from the registered calculators: the package windows'
    // table is there once, field by field in order and type.
    const TableSchema mine = salPackagePrintTable();
    const TableSchema* stored = programCalculators().printSchema().table(kPackagePrintTable);
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(mine.kind, stored->kind);
    ASSERT_EQ(mine.columns.size(), stored->columns.size());
    for (std::size_t i = 0; i < mine.columns.size(); ++i) {
        EXPECT_EQ(mine.columns[i].name, stored->columns[i].name);
        EXPECT_EQ(mine.columns[i].type, stored->columns[i].type) << mine.columns[i].name;
    }
    // Every field a window writes is a field of the table.
    for (const PackageWindow* window : kAllWindows) {
        const Printed p = printedPackage(*window);
        for (const Field& field : salPackagePrintRow(*window, p.inputs, p.results)) {
            EXPECT_NE(mine.column(field.name), nullptr) << field.name;
        }
    }
}

std::filesystem::path shippedTemplate(std::string_view name)
{
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
           "reports" / name;
}

ReportTemplate loadedTemplate(const PackageWindow& window)
{
    auto loaded = ReportTemplate::load(shippedTemplate(window.reportTemplate),
                                       programCalculators().printSchema());
    if (const auto* error = std::get_if<TemplateError>(&loaded)) {
        ADD_FAILURE() << error->text();
        return {};
    }
    return std::get<ReportTemplate>(std::move(loaded));
}

class PackageTemplate : public ::testing::TestWithParam<const PackageWindow*>
{};

TEST_P(PackageTemplate, PrintsTheStatementOfThePackage)
{
    const PackageWindow& window = *GetParam();
    const ReportTemplate report = loadedTemplate(window);
    const Printed p = printedPackage(window);
    ReportData data;
    data.rows[kPackagePrintTable] = salPackagePrintRow(window, p.inputs, p.results);
    const RenderedReport page = renderReport(report, data);
    const std::string& html = page.html;
    const auto shows = [&html](const std::string& text) {
        return html.find(text) != std::string::npos;
    };
    EXPECT_TRUE(shows(std::string(window.reportTitle)));
    EXPECT_TRUE(shows("Thandi Mokoena"));
    EXPECT_TRUE(shows("Cost to company"));
    EXPECT_TRUE(shows("300 000.00"));
    EXPECT_TRUE(shows(formatNumber(p.results.GrossSalary, "### ### ##0.00")));
    EXPECT_TRUE(shows(formatNumber(p.results.TotalCostToCompany, "### ### ##0.00")));
    EXPECT_TRUE(shows(formatNumber(p.results.TaxAfterRebate, "### ### ##0.00")));
    EXPECT_TRUE(shows(std::string(window.beneficiariesField.label)));
    EXPECT_TRUE(shows("Cellphone"));
    EXPECT_FALSE(shows("Parking")) << "a row without an amount is not printed";
    EXPECT_TRUE(shows("350.00")) << "the overwritten cost-to-company copy";
    EXPECT_TRUE(shows("(plus a &#39;once-off&#39; cost of R 250000"));
    EXPECT_EQ(shows("Medical deductions"), window.offersMedicalDeduction);
    EXPECT_EQ(page.title, window.direction == PackageDirection::Back ? "Grovan" : "Velmora");

    // No name, no other expenses, no once-off cost: those lines are left out.
    Printed plain = p;
    plain.inputs.TaxpayerName.clear();
    type(plain.inputs, {0, 0, 0, 0});
    plain.results.OnceOff = 0;
    data.rows[kPackagePrintTable] = salPackagePrintRow(window, plain.inputs, plain.results);
    const std::string bare = renderReport(report, data).html;
    EXPECT_EQ(bare.find("Taxpayer&#39;s name"), std::string::npos);
    EXPECT_EQ(bare.find("Other Expenses"), std::string::npos);
    EXPECT_EQ(bare.find("once-off"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Package, PackageTemplate, ::testing::ValuesIn(kAllWindows),
                         [](const auto& info) { return std::string(info.param->windowName); });

// Advance widths of the printable ASCII characters (space to tilde) in DejaVu Sans and DejaVu
// Sans Bold, in 2048ths of an em, from the fonts' horizontal metrics. Laid out at 96 dots per
// inch the page painter's widths come out a little narrower than these.
constexpr std::array<int, 95> kRegularAdvance{
    651,  821,  942,  1716, 1303, 1946, 1597, 563,  799,  799,  1024, 1716, 651,  739,  651,  690,
    1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 1303, 690,  690,  1716, 1716, 1716, 1087,
    2048, 1401, 1405, 1430, 1577, 1294, 1178, 1587, 1540, 604,  604,  1343, 1141, 1767, 1532, 1612,
    1235, 1612, 1423, 1300, 1251, 1499, 1401, 2025, 1403, 1251, 1403, 799,  690,  799,  1716, 1024,
    1024, 1255, 1300, 1126, 1300, 1260, 721,  1300, 1298, 569,  569,  1186, 569,  1995, 1298, 1253,
    1300, 1300, 842,  1067, 803,  1298, 1212, 1675, 1212, 1212, 1075, 1303, 690,  1303, 1716};
constexpr std::array<int, 95> kBoldAdvance{
    713,  934,  1067, 1716, 1425, 2052, 1786, 627,  936,  936,  1071, 1716, 778,  850,  778,  748,
    1425, 1425, 1425, 1425, 1425, 1425, 1425, 1425, 1425, 1425, 819,  819,  1716, 1716, 1716, 1188,
    2048, 1585, 1561, 1503, 1700, 1399, 1399, 1681, 1714, 762,  762,  1587, 1305, 2038, 1714, 1741,
    1501, 1741, 1577, 1475, 1397, 1663, 1585, 2259, 1579, 1483, 1485, 936,  748,  936,  1716, 1024,
    1024, 1382, 1466, 1214, 1466, 1389, 891,  1466, 1458, 702,  702,  1362, 702,  2134, 1458, 1407,
    1466, 1466, 1010, 1219, 979,  1458, 1335, 1892, 1321, 1335, 1192, 1458, 748,  1458, 1716};
// A character outside the tables counts as the widest of its weight.
constexpr int kWidestRegular = 2048; // "@"
constexpr int kWidestBold = 2259;    // "W"

// The width of `text` in pixels at 96 dots per inch.
double textPixels(std::string_view text, double points, bool bold)
{
    const auto& advance = bold ? kBoldAdvance : kRegularAdvance;
    double ems = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7f) {
            ems += advance[c - 0x20] / 2048.0;
        } else if ((c & 0xC0) != 0x80) { // the first byte of any other character
            ems += (bold ? kWidestBold : kWidestRegular) / 2048.0;
        }
    }
    return ems * points * 96.0 / 72.0;
}

// The largest figures a package can print: amounts typed up to the fields' maximum, and results
// below 1e10 rand either way. (With every input at most 99 999 999.99, the trial amount at most
// 99 999 999 and the percentages at most 100, a result sums about a dozen terms of at most a few
// hundred million rand: the total cost to company of a back-calculation stays below 4e9, and a
// negative take-home pay above -1e9.)
constexpr double kLargestResult = 9999999999.99;

// Rows with every field at its widest: the four windows' texts, the longest names and
// descriptions a user can type, amounts at their maxima and results at the bound either way.
std::vector<Row> widestRows()
{
    std::vector<Row> rows;
    for (const PackageWindow* window : kAllWindows) {
        for (const double result : {kLargestResult, -kLargestResult}) {
            PackageInputs in;
            in.Age = 999;
            in.Beneficiaries = 999;
            in.TaxpayerName.clear();
            for (int i = 0; i < kTaxpayerNameLength; ++i) {
                in.TaxpayerName += "\xC3\x96"; // a character outside the tables: the widest
            }
            for (auto* amount : {&in.NetRequired, &in.CarValue, &in.TravelAllowance,
                                 &in.EmpMedContrib, &in.ErMedContrib, &in.OtherFringeBenefits,
                                 &in.MedDeduction, &in.EmpRFAmount, &in.ErRFAmount}) {
                *amount = kPackageAmountMaximum;
            }
            for (std::size_t i = 0; i < 4; ++i) {
                in.OtherExpenses[i] = kPackageAmountMaximum;
                in.OtherExpensesCC[i] = kPackageAmountMaximum;
                in.OtherExpenseTexts[i] = std::string(kOtherExpenseTextLength, '@');
            }
            PackageResults r;
            for (double* figure :
                 {&r.EmpUIF, &r.ErUIF, &r.SkillsLevy, &r.TaxAfterRebate, &r.TaxCredit,
                  &r.TaxDeduction, &r.GrossSalary, &r.TotalCostToCompany}) {
                *figure = result;
            }
            in.EmpRFAmount = result;
            in.ErRFAmount = result;
            r.OnceOff = kPackageAmountMaximum;
            rows.push_back(salPackagePrintRow(*window, in, r));
        }
    }
    return rows;
}

class ReportText
{
public:
    explicit ReportText(std::vector<Row> rows) : m_rows(std::move(rows)) {}

    // The widest text `expression` prints with any of the rows, in pixels.
    double widest(const TextExpression& expression, double points, bool bold) const
    {
        double widestPixels = 0;
        for (const Row& row : m_rows) {
            std::string text;
            for (const TextPiece& piece : expression) {
                if (const auto* literal = std::get_if<std::string>(&piece)) {
                    text += *literal;
                } else {
                    text += printed(row, std::get<FieldReference>(piece));
                }
            }
            widestPixels = std::max(widestPixels, textPixels(text, points, bold));
        }
        return widestPixels;
    }

private:
    static std::string printed(const Row& row, const FieldReference& ref)
    {
        const FieldValue* value = findField(row, ref.field);
        if (value == nullptr) {
            return "";
        }
        if (const auto* text = std::get_if<std::string>(value)) {
            return *text;
        }
        const double number = std::holds_alternative<double>(*value)
                                  ? std::get<double>(*value)
                                  : static_cast<double>(std::get<std::int64_t>(*value));
        if (ref.format == FieldReference::Format::Number) {
            return formatNumber(number, ref.pattern);
        }
        return std::holds_alternative<double>(*value)
                   ? plainNumberText(number)
                   : std::to_string(std::get<std::int64_t>(*value));
    }

    std::vector<Row> m_rows;
};

TEST_P(PackageTemplate, PrintsTheLargestValueOfEveryFieldOnOneLine)
{
    const PackageWindow& window = *GetParam();
    const ReportTemplate report = loadedTemplate(window);
    const ReportText text(widestRows());
    const double textWidth =
        (210.0 - report.page.marginLeftMm - report.page.marginRightMm) / 25.4 * 96.0;
    // A table cell pads its text by 2 pixels on each side, a paragraph by 2 pixels of margin.
    constexpr double kPadding = 4.0;
    const double points = report.fontPoints;
    std::vector<ColumnLayout> columns;
    int checked = 0;
    for (const ReportElement& e : report.elements) {
        SCOPED_TRACE("template line " + std::to_string(e.line));
        switch (e.kind) {
        case ReportElement::Kind::Columns:
            columns = e.columns;
            break;
        case ReportElement::Kind::Row:
        case ReportElement::Kind::Total:
            for (std::size_t i = 0; i < e.cells.size(); ++i) {
                const double room = columns[i].widthPercent / 100.0 * textWidth - kPadding;
                const bool bold = e.bold || e.kind == ReportElement::Kind::Total;
                EXPECT_LE(text.widest(e.cells[i], points, bold), room) << "column " << i + 1;
                ++checked;
            }
            break;
        case ReportElement::Kind::Heading:
            EXPECT_LE(text.widest(e.cells.front(), points * 1.6, true), textWidth);
            ++checked;
            break;
        case ReportElement::Kind::Subheading:
            EXPECT_LE(text.widest(e.cells.front(), points * 1.1, true), textWidth - kPadding);
            ++checked;
            break;
        case ReportElement::Kind::Text:
            EXPECT_LE(text.widest(e.cells.front(), e.small ? points * 0.85 : points, e.bold),
                      textWidth - kPadding);
            ++checked;
            break;
        default:
            break;
        }
    }
    EXPECT_GT(checked, 60);
}

} // namespace
} // namespace grovan
