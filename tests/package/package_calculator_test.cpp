// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/package_calculator.h"
#include "package/package_validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace grovan {
namespace {

const PackageWindow& grovanAnnual = packageWindow(PackageWindowKind::GrovanAnnual);
const PackageWindow& grovanMonthly = packageWindow(PackageWindowKind::GrovanMonthly);
const PackageWindow& velmoraAnnual = packageWindow(PackageWindowKind::VelmoraAnnual);
const PackageWindow& velmoraMonthly = packageWindow(PackageWindowKind::VelmoraMonthly);

// The set-up of the worked examples: UIF 1 % and 1 %, levy 1 %, a monthly UIF limit of 17 712,
// no R/Fund percentages (a new installation's values).
SetupValues examplesSetup()
{
    SetupValues setup;
    setup.EmployeeUIF = 1;
    setup.EmployerUIF = 1;
    setup.SkillLevy = 1;
    setup.UIFLimit = 17712;
    setup.PensionCont = 0;
    setup.EmployerPenCont = 0;
    return setup;
}

PackageInputs aged40(double amount)
{
    PackageInputs in;
    in.Age = 40;
    in.NetRequired = amount;
    return in;
}

// A figure as the worked example quotes it: exact to its last decimal (cents unless stated).
struct Quoted
{
    double value;
    int decimals = 2;
};

void expectQuoted(double actual, const std::optional<Quoted>& quoted, const char* what)
{
    if (!quoted) {
        return;
    }
    const double half = 0.5 * std::pow(10.0, -quoted->decimals) + 1e-9;
    EXPECT_NEAR(actual, quoted->value, half) << what;
}

struct WorkedExample
{
    const char* name;
    const PackageWindow* window;
    PackageInputs in;
    SetupValues setup;
    std::optional<double> trialAmount = std::nullopt;
    std::optional<Quoted> netPay = std::nullopt;
    std::optional<Quoted> taxAfterRebate = std::nullopt;
    std::optional<Quoted> employeeUif = std::nullopt;
    std::optional<Quoted> employerUif = std::nullopt;
    std::optional<Quoted> skillsLevy = std::nullopt;
    std::optional<Quoted> taxCredit = std::nullopt;
    std::optional<Quoted> gross =
        std::nullopt; ///< gross salary, or take-home pay in the forward windows
    std::optional<Quoted> totalCostToCompany = std::nullopt;
    std::optional<Quoted> employeeFundWritten =
        std::nullopt; ///< what numRFundCont holds afterwards
    std::optional<Quoted> employerFundWritten =
        std::nullopt; ///< what numCCRFundCont holds afterwards
    std::optional<Quoted> fundDeductionLimit = std::nullopt;
    std::optional<double> lastTaxableIncome =
        std::nullopt; ///< annual income of the last tax computed
};

SetupValues fundPercents(double employee, double employer)
{
    SetupValues setup = examplesSetup();
    setup.PensionCont = employee;
    setup.EmployerPenCont = employer;
    return setup;
}

PackageInputs retiredWithMedical()
{
    PackageInputs in = aged40(30000);
    in.Age = 70;
    in.EmpMedContrib = 2000;
    in.ErMedContrib = 2000;
    in.Beneficiaries = 2;
    return in;
}

const WorkedExample kWorkedExamples[] = {
    // Worked example, annual back-calculation, net R300 000: the search ends at 365 545 (net pay
    // 300 000.61; at 365 544 it is 299 999.92); the UIF limit 212 544 applies.
    {.name = "grovan_annual_net_300000",
     .window = &grovanAnnual,
     .in = aged40(300000),
     .setup = examplesSetup(),
     .trialAmount = 365545,
     .netPay = Quoted{300000.61},
     .taxAfterRebate = Quoted{63418.95},
     .employeeUif = Quoted{2125.44},
     .employerUif = Quoted{2125.44},
     .skillsLevy = Quoted{3655.45},
     .taxCredit = Quoted{0},
     .gross = Quoted{365544.39},
     .totalCostToCompany = Quoted{371325.28},
     .lastTaxableIncome = 365545},
    // Worked example, monthly back-calculation, net R25 000: annual income 365 556.
    {.name = "grovan_monthly_net_25000",
     .window = &grovanMonthly,
     .in = aged40(25000),
     .setup = examplesSetup(),
     .trialAmount = 30463,
     .taxAfterRebate = Quoted{5285.1967, 4},
     .employeeUif = Quoted{177.12},
     .employerUif = Quoted{177.12},
     .skillsLevy = Quoted{304.63},
     .gross = Quoted{30462.3167, 4},
     .totalCostToCompany = Quoted{30944.0667, 4},
     .lastTaxableIncome = 365556},
    // Worked example, the annual example with R/Fund percentages 7.5 and 10: contributions
    // 29 638.73 and 39 518.30 written back, no warning (limit 69 157.03).
    {.name = "grovan_annual_fund_percentages",
     .window = &grovanAnnual,
     .in = aged40(300000),
     .setup = fundPercents(7.5, 10),
     .trialAmount = 395183,
     .gross = Quoted{395182.89},
     .totalCostToCompany = Quoted{440482.07},
     .employeeFundWritten = Quoted{29638.73},
     .employerFundWritten = Quoted{39518.30},
     .fundDeductionLimit = Quoted{69157.03}},
    // Worked example, monthly back-calculation at age 70 with both medical contributions 2 000 and
    // two beneficiaries: credit 664 + additional 668.664, "Tax credit" 1 332.66.
    {.name = "grovan_monthly_age_70_medical",
     .window = &grovanMonthly,
     .in = retiredWithMedical(),
     .setup = examplesSetup(),
     .trialAmount = 37990,
     .taxCredit = Quoted{1332.66},
     .gross = Quoted{38657.10}},
    // Worked example, annual forward calculation of a package of 365 545: take-home 300 000.61,
    // cost to company the package plus employer's UIF and levy.
    {.name = "velmora_annual_package_365545",
     .window = &velmoraAnnual,
     .in = aged40(365545),
     .setup = examplesSetup(),
     .taxAfterRebate = Quoted{63418.95},
     .employeeUif = Quoted{2125.44},
     .skillsLevy = Quoted{3655.45},
     .gross = Quoted{300000.61},
     .totalCostToCompany = Quoted{371325.89},
     .lastTaxableIncome = 365545},
    // Worked example, monthly forward calculation of a package of 30 000: annual income 360 000.
    {.name = "velmora_monthly_package_30000",
     .window = &velmoraMonthly,
     .in = aged40(30000),
     .setup = examplesSetup(),
     .taxAfterRebate = Quoted{5141.6667, 4},
     .employeeUif = Quoted{177.12},
     .skillsLevy = Quoted{300},
     .gross = Quoted{24681.2133, 4},
     .totalCostToCompany = Quoted{30477.12},
     .lastTaxableIncome = 360000},
    // Worked example, annual package of 400 000 with R/Fund percentages 7.5 and 10: contributions
    // 30 000 and 40 000 stand (27.5 % of 440 000 is 121 000), taxable income 330 000.
    {.name = "velmora_annual_fund_percentages",
     .window = &velmoraAnnual,
     .in = aged40(400000),
     .setup = fundPercents(7.5, 10),
     .taxAfterRebate = Quoted{52790},
     .skillsLevy = Quoted{3300},
     .gross = Quoted{275084.56},
     .totalCostToCompany = Quoted{445425.44},
     .employeeFundWritten = Quoted{30000},
     .employerFundWritten = Quoted{40000},
     .fundDeductionLimit = Quoted{70000},
     .lastTaxableIncome = 330000},
};

class PackageWorkedExample : public ::testing::TestWithParam<WorkedExample>
{};

TEST_P(PackageWorkedExample, GivesTheQuotedFigures)
{
    const WorkedExample& e = GetParam();
    TaxableIncomeRecord record;
    const PackageResults r = calculatePackage(*e.window, e.in, e.setup, record);
    ASSERT_FALSE(r.CalcFailed);
    if (e.trialAmount) {
        EXPECT_EQ(r.TrialAmount, *e.trialAmount);
    }
    expectQuoted(r.NetPay, e.netPay, "net pay");
    expectQuoted(r.TaxAfterRebate, e.taxAfterRebate, "tax due");
    expectQuoted(r.EmpUIF, e.employeeUif, "employee's UIF");
    expectQuoted(r.ErUIF, e.employerUif, "employer's UIF");
    expectQuoted(r.SkillsLevy, e.skillsLevy, "skills levy");
    expectQuoted(r.TaxCredit, e.taxCredit, "tax credit");
    expectQuoted(r.GrossSalary, e.gross, "gross salary / take-home");
    expectQuoted(r.TotalCostToCompany, e.totalCostToCompany, "total cost to company");
    expectQuoted(r.EmpRFAmount, e.employeeFundWritten, "numRFundCont");
    expectQuoted(r.ErRFAmount, e.employerFundWritten, "numCCRFundCont");
    expectQuoted(r.RFDeductionLimit, e.fundDeductionLimit, "R/Fund deduction limit");
    EXPECT_FALSE(r.WarningShown);
    if (e.lastTaxableIncome) {
        EXPECT_EQ(record.LastTaxableIncome, *e.lastTaxableIncome);
    }
}

INSTANTIATE_TEST_SUITE_P(Package, PackageWorkedExample, ::testing::ValuesIn(kWorkedExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PackageBackCalculation, NetPayOneRandBeforeTheAnswerIsShort)
{
    // Worked example: at 365 544 the net pay is 299 999.92, not above R300 000.
    PackageInputs in = aged40(300000);
    TaxableIncomeRecord record;
    const PackageResults r = calculatePackage(grovanAnnual, in, examplesSetup(), record);
    in.NetRequired = 299999.92;
    const PackageResults justBelow = calculatePackage(grovanAnnual, in, examplesSetup(), record);
    EXPECT_EQ(r.TrialAmount, 365545);
    EXPECT_EQ(justBelow.TrialAmount, 365545) << "299 999.92 is not above itself";
    in.NetRequired = 299999.91;
    EXPECT_EQ(calculatePackage(grovanAnnual, in, examplesSetup(), record).TrialAmount, 365544);
}

TEST(PackageBackCalculation, ANetPayEqualToTheNetRequiredDoesNotEndTheSearch)
{
    // Below the tax threshold with UIF at 1 %: the net pay of a trial amount t is t - t / 100,
    // 99 exactly at t = 100. A net required of 99 is reached only by the next rand (99.99).
    TaxableIncomeRecord record;
    const PackageResults r = calculatePackage(grovanAnnual, aged40(99), examplesSetup(), record);
    EXPECT_EQ(r.TrialAmount, 101);
    EXPECT_DOUBLE_EQ(r.NetPay, 99.99);
}

struct MedicalDeductionCase
{
    const char* name;
    std::int16_t age;
    double trialAmount;   ///< hand calculation, see below
    double deductionLeft; ///< what numMedDeduct holds afterwards
};

// A medical deduction of 10 000 with a net of R300 000. At 64 it is cleared before the search
// and the worked example's 365 545 results; at 65 it stays, is taken off the taxable income and
// the net pay, and the rebate is 24 327: the net pay first passes 300 000 at 363 062 (hand
// calculation: taxable 353 062, tax 70 532 + 31 % of 15 262 = 75 263.22, less 24 327 =
// 50 936.22; net 363 062 - 10 000 - 2 125.44 - 50 936.22 = 300 000.34).
const MedicalDeductionCase kMedicalDeductionCases[] = {
    {"age_64_cleared", 64, 365545, 0},
    {"age_65_kept", 65, 363062, 10000},
};

class PackageMedicalDeduction : public ::testing::TestWithParam<MedicalDeductionCase>
{};

TEST_P(PackageMedicalDeduction, IsClearedBelow65)
{
    const MedicalDeductionCase& c = GetParam();
    PackageInputs in = aged40(300000);
    in.Age = c.age;
    in.MedDeduction = 10000;
    TaxableIncomeRecord record;
    const PackageResults r = calculatePackage(grovanAnnual, in, examplesSetup(), record);
    EXPECT_EQ(r.TrialAmount, c.trialAmount);
    EXPECT_EQ(r.MedDeduction, c.deductionLeft);
    // The gross salary adds the medical deduction as the field holds it after the calculation.
    EXPECT_DOUBLE_EQ(r.GrossSalary, c.deductionLeft + 300000 + r.EmpUIF + r.TaxDeduction);
    applyPackageResults(in, r);
    EXPECT_EQ(in.MedDeduction, c.deductionLeft);
}

INSTANTIATE_TEST_SUITE_P(Package, PackageMedicalDeduction,
                         ::testing::ValuesIn(kMedicalDeductionCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct OnceOffCase
{
    const char* name;
    const PackageWindow* window;
    double carCostToCompany;
    bool shown;
};

const OnceOffCase kOnceOffCases[] = {
    {"grovan_no_cost", &grovanAnnual, 0, true},
    {"grovan_with_cost", &grovanAnnual, 1, false},
    {"velmora_no_cost", &velmoraMonthly, 0, true},
    {"velmora_with_cost", &velmoraMonthly, 5000, false},
};

class PackageOnceOffCarCost : public ::testing::TestWithParam<OnceOffCase>
{};

TEST_P(PackageOnceOffCarCost, ShowsTheCarValueOnlyWithoutACostToCompany)
{
    const OnceOffCase& c = GetParam();
    PackageInputs in = aged40(300000);
    in.CarValue = 250000;
    in.CarCostToCompany = c.carCostToCompany;
    TaxableIncomeRecord record;
    const PackageResults r = calculatePackage(*c.window, in, examplesSetup(), record);
    ASSERT_FALSE(r.CalcFailed);
    EXPECT_EQ(r.OnceOffShown, c.shown);
    EXPECT_EQ(r.OnceOff, c.shown ? 250000.0 : 0.0);
    // The car's cost to company is part of the total, the once-off cost is not.
    const double withoutCar = r.TotalCostToCompany - c.carCostToCompany;
    in.CarCostToCompany = 0;
    in.CarValue = 250000;
    EXPECT_DOUBLE_EQ(withoutCar,
                     calculatePackage(*c.window, in, examplesSetup(), record).TotalCostToCompany);
}

INSTANTIATE_TEST_SUITE_P(Package, PackageOnceOffCarCost, ::testing::ValuesIn(kOnceOffCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct StopCase
{
    const char* name;
    const PackageWindow* window;
    PackageInputs in;
    PackageStop stop;
    bool message;
};

PackageInputs travelAbove(double travel, double net)
{
    PackageInputs in = aged40(net);
    in.TravelAllowance = travel;
    return in;
}

// The annual window's check subtracts the employer's and adds the employee's R/Fund amounts as
// the fields hold them; the monthly window's leaves them out.
PackageInputs fundsInTheCheck(double employeeFund, double employerFund)
{
    PackageInputs in = travelAbove(300000, 300000);
    in.EmpRFAmount = employeeFund;
    in.ErRFAmount = employerFund;
    return in;
}

const StopCase kStopCases[] = {
    // Worked example: a net required of 0 stops silently, nothing searched.
    {"grovan_net_0", &grovanAnnual, aged40(0), PackageStop::NoAmount, false},
    {"velmora_package_0", &velmoraAnnual, aged40(0), PackageStop::NoAmount, false},
    // Worked example: a travel allowance of 400 000 against a net of R300 000.
    {"grovan_travel_above_net", &grovanAnnual, travelAbove(400000, 300000),
     PackageStop::FringeBenefits, true},
    {"grovan_monthly_travel_above_net", &grovanMonthly, travelAbove(30001, 30000),
     PackageStop::FringeBenefits, true},
    {"grovan_annual_employee_fund_in_the_check", &grovanAnnual, fundsInTheCheck(1, 0),
     PackageStop::FringeBenefits, true},
    {"grovan_monthly_funds_out_of_the_check", &grovanMonthly, fundsInTheCheck(1, 0),
     PackageStop::None, false},
    {"grovan_annual_employer_fund_in_the_check", &grovanAnnual, fundsInTheCheck(1, 2),
     PackageStop::None, false},
    // A net required beyond what any salary up to the field's maximum leaves.
    {"grovan_net_at_the_fields_maximum", &grovanAnnual, aged40(kPackageAmountMaximum),
     PackageStop::NoTrialAmount, true},
    // The forward windows make no fringe check: a package smaller than its deductions gives a
    // negative take-home pay, shown unchanged.
    {"velmora_travel_above_package", &velmoraAnnual, travelAbove(400000, 300000), PackageStop::None,
     false},
};

class PackageStops : public ::testing::TestWithParam<StopCase>
{};

TEST_P(PackageStops, SayWhyAndChangeNothingElse)
{
    const StopCase& c = GetParam();
    TaxableIncomeRecord record;
    record.LastTaxableIncome = 123;
    const PackageResults r = calculatePackage(*c.window, c.in, examplesSetup(), record);
    EXPECT_EQ(r.stop, c.stop);
    EXPECT_EQ(r.CalcFailed, c.stop != PackageStop::None);
    EXPECT_EQ(packageStopMessage(r.stop).has_value(), c.message);
    const bool fringe = c.stop == PackageStop::FringeBenefits;
    EXPECT_EQ(validatePackageInputs(*c.window, c.in).has_value(), fringe);
    if (c.stop == PackageStop::None) {
        return;
    }
    EXPECT_EQ(record.LastTaxableIncome, 123) << "a calculation that stops records nothing";
    EXPECT_EQ(r.GrossSalary, 0.0);
    EXPECT_EQ(r.TrialAmount, 0.0);
    EXPECT_EQ(r.EmpUIF, 0.0);
    if (c.stop != PackageStop::NoTrialAmount) {
        EXPECT_EQ(r.TaxEvaluations, 0);
    }
    PackageInputs after = c.in;
    applyPackageResults(after, r);
    EXPECT_EQ(after.EmpRFAmount, c.in.EmpRFAmount);
    EXPECT_EQ(after.Beneficiaries, c.in.Beneficiaries);
}

INSTANTIATE_TEST_SUITE_P(Package, PackageStops, ::testing::ValuesIn(kStopCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PackageStopMessages, AreTheWindowsTexts)
{
    const auto fringe = packageStopMessage(PackageStop::FringeBenefits);
    ASSERT_TRUE(fringe.has_value());
    EXPECT_EQ(fringe->text, "Fringe benefits more than salary required!");
    EXPECT_EQ(fringe->title, "Grovan2022");
    EXPECT_EQ(validatePackageInputs(grovanAnnual, travelAbove(400000, 300000)),
              (FieldProblem{nullptr, *fringe}));
    const auto none = packageStopMessage(PackageStop::NoTrialAmount);
    ASSERT_TRUE(none.has_value());
    EXPECT_NE(none->text.find("R 99 999 999 "), std::string::npos) << none->text;
    EXPECT_EQ(none->icon, MessageIcon::Warning);
}

TEST(PackageState, AStoppedCalculationKeepsThePreviousResults)
{
    PackageState state = openPackageWindow(grovanAnnual, examplesSetup());
    state.inputs = aged40(300000);
    TaxableIncomeRecord record;
    EXPECT_FALSE(calculatePackageState(grovanAnnual, state, record).has_value());
    const PackageResults first = state.results;
    ASSERT_EQ(first.TrialAmount, 365545);

    state.inputs.TravelAllowance = 400000;
    const auto message = calculatePackageState(grovanAnnual, state, record);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, "Fringe benefits more than salary required!");
    EXPECT_TRUE(state.results.CalcFailed);
    EXPECT_EQ(state.results.stop, PackageStop::FringeBenefits);
    EXPECT_EQ(state.results.GrossSalary, first.GrossSalary);
    EXPECT_EQ(state.results.TrialAmount, first.TrialAmount);
    EXPECT_EQ(record.LastTaxableIncome, 365545);

    state.inputs.TravelAllowance = 0;
    EXPECT_FALSE(calculatePackageState(grovanAnnual, state, record).has_value());
    EXPECT_FALSE(state.results.CalcFailed);
    EXPECT_EQ(state.results.stop, PackageStop::None);
}

TEST(PackageState, WritesTheComputedContributionsIntoTheFundFields)
{
    // The annual window's fringe check then reads them: with 7.5 % and 10 % the previous
    // calculation leaves 29 638.725 and 39 518.30 in the fields, so a travel allowance of
    // 300 000 + 39 518.30 - 29 638.725 passes and one rand more fails.
    PackageState state = openPackageWindow(grovanAnnual, fundPercents(7.5, 10));
    state.inputs = aged40(300000);
    TaxableIncomeRecord record;
    calculatePackageState(grovanAnnual, state, record);
    EXPECT_DOUBLE_EQ(state.inputs.EmpRFAmount, 29638.725);
    EXPECT_DOUBLE_EQ(state.inputs.ErRFAmount, 39518.3);

    state.inputs.TravelAllowance = 300000 + 39518.3 - 29638.725;
    EXPECT_FALSE(validatePackageInputs(grovanAnnual, state.inputs).has_value());
    state.inputs.TravelAllowance += 1;
    EXPECT_TRUE(validatePackageInputs(grovanAnnual, state.inputs).has_value());
}

TEST(PackageState, ClearsTheBeneficiariesWithoutAMedicalContribution)
{
    PackageState state = openPackageWindow(grovanMonthly, examplesSetup());
    state.inputs = retiredWithMedical();
    TaxableIncomeRecord record;
    calculatePackageState(grovanMonthly, state, record);
    EXPECT_EQ(state.inputs.Beneficiaries, 2);
    EXPECT_EQ(state.results.MedCredit, 664);

    state.inputs.EmpMedContrib = 0;
    state.inputs.ErMedContrib = 0;
    calculatePackageState(grovanMonthly, state, record);
    EXPECT_EQ(state.inputs.Beneficiaries, 0);
    EXPECT_EQ(state.results.MedCredit, 0);
    EXPECT_EQ(state.results.TaxCredit, 0);
}

struct MedicalCreditCase
{
    const char* name;
    const PackageWindow* window;
    std::int32_t beneficiaries;
    double credit;
};

// Annual windows count beneficiary-months: 332 each up to 24, then 224; monthly windows count
// beneficiaries: 332 each for two, then 224.
const MedicalCreditCase kMedicalCreditCases[] = {
    {"annual_24_months", &grovanAnnual, 24, 7968},
    {"annual_36_months", &velmoraAnnual, 36, 7968 + 224 * 12},
    {"monthly_2", &grovanMonthly, 2, 664},
    {"monthly_5", &velmoraMonthly, 5, 664 + 224 * 3},
};

class PackageMedicalCredit : public ::testing::TestWithParam<MedicalCreditCase>
{};

TEST_P(PackageMedicalCredit, CountsAsTheWindowsPeriodDoes)
{
    const MedicalCreditCase& c = GetParam();
    PackageInputs in = aged40(300000);
    in.EmpMedContrib = 100;
    in.Beneficiaries = c.beneficiaries;
    TaxableIncomeRecord record;
    const PackageResults r = calculatePackage(*c.window, in, examplesSetup(), record);
    EXPECT_EQ(r.MedCredit, c.credit);
    EXPECT_EQ(r.AddMedCredit, 0) << "below 65";
}

INSTANTIATE_TEST_SUITE_P(Package, PackageMedicalCredit, ::testing::ValuesIn(kMedicalCreditCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PackageForwardCalculation, TheAnnualWindowLeavesTheOtherExpensesOutOfTheTakeHomePay)
{
    PackageInputs in = aged40(365545);
    in.OtherExpenses = {1000, 0, 500, 0};
    TaxableIncomeRecord record;
    const PackageResults annual = calculatePackage(velmoraAnnual, in, examplesSetup(), record);
    EXPECT_NEAR(annual.GrossSalary, 300000.61, 0.005);
    in.NetRequired = 30000;
    const PackageResults monthly = calculatePackage(velmoraMonthly, in, examplesSetup(), record);
    EXPECT_NEAR(monthly.GrossSalary, 24681.2133 - 1500, 0.00005);
}

TEST(PackageForwardCalculation, WarnsWhenTheContributionsExceedTheLimit)
{
    // Hand calculation: 20 % and 10 % of a package of 100 000 are 30 000, within 27.5 % of
    // 100 000 + the employer's 10 000 (30 250); 25 % and 10 % are 35 000, above it, and the limit
    // is 30 250.
    TaxableIncomeRecord record;
    const PackageResults within =
        calculatePackage(velmoraAnnual, aged40(100000), fundPercents(20, 10), record);
    EXPECT_FALSE(within.WarningShown);
    EXPECT_DOUBLE_EQ(within.RFDeductionLimit, 30000);
    const PackageResults above =
        calculatePackage(velmoraAnnual, aged40(100000), fundPercents(25, 10), record);
    EXPECT_TRUE(above.WarningShown);
    EXPECT_DOUBLE_EQ(above.RFDeductionLimit, 30250);
    // Taxed on the package less the limit, levied on the same.
    EXPECT_DOUBLE_EQ(above.TaxableIncome, 100000 - 30250);
    EXPECT_DOUBLE_EQ(above.SkillsLevy, (100000 - 30250) * 1.0 / 100);
}

TEST(PackageBackCalculation, WarnsWhenTheContributionsExceedTheLimit)
{
    // Fixed amounts of 100 000 each against a net of R300 000: far above 27.5 % of the base.
    PackageInputs in = aged40(300000);
    in.EmpRFAmount = 100000;
    in.ErRFAmount = 100000;
    TaxableIncomeRecord record;
    const PackageResults r = calculatePackage(grovanAnnual, in, examplesSetup(), record);
    ASSERT_FALSE(r.CalcFailed);
    EXPECT_TRUE(r.WarningShown);
    EXPECT_LT(r.RFDeductionLimit, 200000);
    EXPECT_DOUBLE_EQ(r.RFDeductionLimit, 0.275 * (r.TrialAmount + r.ErRFContrib));
}

TEST(PackageBackCalculation, CapsTheDeductionLimitPerPeriod)
{
    // Contributions far above 350 000 a year (29 166.67 a month) on a large package.
    PackageInputs in = aged40(5000000);
    in.EmpRFAmount = 500000;
    TaxableIncomeRecord record;
    EXPECT_EQ(calculatePackage(grovanAnnual, in, examplesSetup(), record).RFDeductionLimit, 350000);
    in.NetRequired = 500000;
    in.EmpRFAmount = 50000;
    EXPECT_DOUBLE_EQ(calculatePackage(grovanMonthly, in, examplesSetup(), record).RFDeductionLimit,
                     350000.0 / 12);
}

} // namespace
} // namespace grovan
