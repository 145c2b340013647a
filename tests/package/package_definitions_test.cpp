// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "package/package_calculators.h"
#include "package/package_printout.h"
#include "shell/calculators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace grovan {
namespace {

struct Registration
{
    const char* name;
    PackageWindowKind kind;
    const char* window;
    const char* reportTemplate;
};

const Registration kRegistrations[] = {
    {"grossup-annual", PackageWindowKind::GrovanAnnual, "frmGrovanAnn", "Grovan.rpt"},
    {"grossup-monthly", PackageWindowKind::GrovanMonthly, "frmGrovanMon", "Grovan.rpt"},
    {"takehome-annual", PackageWindowKind::VelmoraAnnual, "frmVelmoraAnn", "Velmora.rpt"},
    {"takehome-monthly", PackageWindowKind::VelmoraMonthly, "frmVelmoraMon", "Velmora.rpt"},
};

class PackageCalculatorDefinitions : public ::testing::TestWithParam<Registration>
{};

TEST_P(PackageCalculatorDefinitions, AreTheProgramsCalculatorsOfTheirWindows)
{
    const Registration& r = GetParam();
    const Calculator* calculator = programCalculators().find(r.name);
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(calculator->windowName(), r.window);
    EXPECT_EQ(programCalculators().findWindow(r.window), calculator);
    EXPECT_EQ(calculator->printTemplates(), std::vector<std::string_view>{r.reportTemplate});
    EXPECT_EQ(calculator->printLanguages(), PrintLanguages::EnglishOnly);
    ASSERT_EQ(calculator->printTables().size(), 1u);
    EXPECT_EQ(calculator->printTables()[0].name, kPackagePrintTable);
    EXPECT_TRUE(calculator->closedByInitialiseAll());
}

// Percentages a forward window saved above the 27.5 % rule: the back-calculations clear them as
// their windows do on opening, the forward calculations keep them.
TEST_P(PackageCalculatorDefinitions, PrepareTheStoredPercentagesAsTheWindowOpens)
{
    const Registration& r = GetParam();
    const bool back = packageWindow(r.kind).direction == PackageDirection::Back;
    RawInput raw;
    raw.values.emplace_back(back ? "netRequired" : "packageAmount",
                            RawValue{RawType::Number, 300000, {}});
    const auto outcome = programCalculators().find(r.name)->run(raw, RunOptions{[] {
                                                                    SetupValues stored;
                                                                    stored.PensionCont = 20;
                                                                    stored.EmployerPenCont = 10;
                                                                    return stored;
                                                                }});
    ASSERT_TRUE(std::holds_alternative<CalculationOutput>(outcome));
    const CalculationOutput& output = std::get<CalculationOutput>(outcome);
    const auto valueOf = [](const std::vector<NamedValue>& values, std::string_view key) {
        for (const NamedValue& value : values) {
            if (value.key == key) {
                return value.value;
            }
        }
        return FieldValue{};
    };
    EXPECT_EQ(valueOf(output.inputs, "employeeFundPercent"), FieldValue{back ? 0.0 : 20.0});
    EXPECT_EQ(valueOf(output.inputs, "employerFundPercent"), FieldValue{back ? 0.0 : 10.0});
    EXPECT_EQ(valueOf(output.results, "employeeFundContribution"),
              FieldValue{back ? 0.0 : 60000.0});
}

INSTANTIATE_TEST_SUITE_P(Package, PackageCalculatorDefinitions, ::testing::ValuesIn(kRegistrations),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// What "&Calculate" does with a calculation that stops: the results before it stay, the window
// shows the message (or, for an amount of 0, nothing), and the focus goes to the field at fault
// or to "&Calculate" (no field).
struct Stop
{
    const char* name;
    PackageWindowKind kind;
    PackageInputs inputs;
    const char* message; ///< the words, which the command line gives in every case
    bool silent;         ///< the window says nothing
    bool ofTheNetField;
};

PackageInputs withNet(double net, double travel = 0.0)
{
    PackageInputs in;
    in.NetRequired = net;
    in.TravelAllowance = travel;
    return in;
}

const Stop kStops[] = {
    {"net_of_0", PackageWindowKind::GrovanAnnual, withNet(0),
     "nothing to calculate: the net salary required is 0", true, true},
    {"package_of_0", PackageWindowKind::VelmoraMonthly, withNet(0),
     "nothing to calculate: the total package amount is 0", true, true},
    {"fringe_benefits", PackageWindowKind::GrovanAnnual, withNet(300000, 400000),
     "Fringe benefits more than salary required!", false, false},
    {"net_beyond_reach", PackageWindowKind::GrovanMonthly, withNet(60000000),
     "The net salary required cannot be reached: no gross salary up to R 99 999 999 leaves "
     "that much after tax, UIF and R/Fund contributions. Check the percentages under Settings "
     "and the amounts entered.",
     false, false},
};

class StoppedPackageCalculation : public ::testing::TestWithParam<Stop>
{};

TEST_P(StoppedPackageCalculation, KeepTheResultsBeforeThem)
{
    const Stop& c = GetParam();
    const auto& definition = packageCalculator(c.kind);
    PackageInputs inputs = withNet(25000);
    PackageResults results;
    TaxableIncomeRecord record;
    ASSERT_FALSE(definition.calculateInto(inputs, SetupValues{}, record, results));
    const PackageResults before = results;
    const double income = record.LastTaxableIncome;

    inputs = c.inputs;
    const auto problem = definition.calculateInto(inputs, SetupValues{}, record, results);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message.text, c.message);
    EXPECT_EQ(problem->silentInWindow, c.silent);
    EXPECT_EQ(problem->field, c.ofTheNetField ? &packageWindow(c.kind).netField : nullptr);
    EXPECT_EQ(results.GrossSalary, before.GrossSalary);
    EXPECT_EQ(results.TotalCostToCompany, before.TotalCostToCompany);
    EXPECT_EQ(record.LastTaxableIncome, income);
}

INSTANTIATE_TEST_SUITE_P(Package, StoppedPackageCalculation, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PackagePrintRefusal, OnlyAPackageAboveTheDeductionIsNotPrinted)
{
    const auto& definition = packageCalculator(PackageWindowKind::VelmoraAnnual);
    PackageInputs inputs = withNet(100000);
    PackageResults results;
    TaxableIncomeRecord record;
    ASSERT_FALSE(definition.calculateInto(inputs, SetupValues{}, record, results));
    EXPECT_EQ(definition.printRefusal(inputs, results), std::nullopt);

    // 50 000 of contributions on a package of 100 000 are above 27.5 % of it.
    inputs.EmpRFAmount = 50000;
    ASSERT_FALSE(definition.calculateInto(inputs, SetupValues{}, record, results));
    ASSERT_TRUE(results.WarningShown);
    const auto refused = definition.printRefusal(inputs, results);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->text, "R/Fund contributions exceed allowable limits!");
}

} // namespace
} // namespace grovan
