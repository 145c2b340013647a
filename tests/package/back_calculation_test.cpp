// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/back_calculation.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <string>

namespace grovan {
namespace {

const PackageWindow& grovanAnnual = packageWindow(PackageWindowKind::GrovanAnnual);
const PackageWindow& grovanMonthly = packageWindow(PackageWindowKind::GrovanMonthly);

// The back-calculation as its definition reads: every whole rand from 1 in turn until the net
// pay is above the net required (or `limit` is passed). Test code only: the reference the search
// is held against.
std::optional<PackageResults>
literalBackCalculation(const PackageWindow& window, const PackageInputs& in,
                       const SetupValues& setup, TaxableIncomeRecord& record, std::int64_t limit)
{
    PackageResults r;
    prepareCredits(window, in, setup, r);
    for (std::int64_t trial = 1; trial <= limit; ++trial) {
        runSearchPass(window, in, setup, static_cast<double>(trial), r, record);
        ++r.TaxEvaluations;
        if (r.NetPay > in.NetRequired) {
            finishBackCalculation(window, in, setup, r);
            return r;
        }
    }
    return std::nullopt;
}

// Every working value the back-calculation leaves, compared bit for bit.
constexpr std::pair<const char*, double PackageResults::*> kWorkingValues[] = {
    {"TrialAmount", &PackageResults::TrialAmount},
    {"CarFringeBenefit", &PackageResults::CarFringeBenefit},
    {"Rebate", &PackageResults::Rebate},
    {"MedCredit", &PackageResults::MedCredit},
    {"AddMedCredit", &PackageResults::AddMedCredit},
    {"EmpRFContrib", &PackageResults::EmpRFContrib},
    {"ErRFContrib", &PackageResults::ErRFContrib},
    {"TaxableIncome", &PackageResults::TaxableIncome},
    {"TaxAfterRebate", &PackageResults::TaxAfterRebate},
    {"UIFBase", &PackageResults::UIFBase},
    {"EmpUIF", &PackageResults::EmpUIF},
    {"ErUIF", &PackageResults::ErUIF},
    {"SkillsLevy", &PackageResults::SkillsLevy},
    {"NetPay", &PackageResults::NetPay},
    {"RFDeductionLimit", &PackageResults::RFDeductionLimit},
    {"EmpRFAmount", &PackageResults::EmpRFAmount},
    {"ErRFAmount", &PackageResults::ErRFAmount},
    {"MedDeduction", &PackageResults::MedDeduction},
};

bool sameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The first working value in which `fast` differs from `literal`, or "".
std::string firstDifference(const PackageResults& fast, const PackageResults& literal)
{
    for (const auto& [name, member] : kWorkingValues) {
        if (!sameBits(fast.*member, literal.*member)) {
            std::ostringstream out;
            out.precision(17);
            out << name << ": " << fast.*member << " against " << literal.*member;
            return out.str();
        }
    }
    if (fast.Beneficiaries != literal.Beneficiaries) {
        return "Beneficiaries";
    }
    if (fast.CalcFailed != literal.CalcFailed) {
        return "CalcFailed";
    }
    return "";
}

std::string describe(const PackageInputs& in, const SetupValues& s)
{
    std::ostringstream out;
    out.precision(17);
    out << "net " << in.NetRequired << ", age " << in.Age << ", car " << in.CarValue << ", travel "
        << in.TravelAllowance << ", medical " << in.EmpMedContrib << "/" << in.ErMedContrib << " x"
        << in.Beneficiaries << ", other benefits " << in.OtherFringeBenefits << ", deduction "
        << in.MedDeduction << ", expenses " << OtherExpensesTotal(in) << ", funds "
        << in.EmpRFAmount << "/" << in.ErRFAmount << "; percents " << s.PensionCont << "/"
        << s.EmployerPenCont << ", UIF " << s.EmployeeUIF << "/" << s.EmployerUIF << " limit "
        << s.UIFLimit << ", levy " << s.SkillLevy << ", inclusion " << s.TAIncRate8020 << "/"
        << s.CompCarFBRate8020 << ", plan " << s.CompCarMPYesNo;
    return out.str();
}

// Random packages from a seeded generator, built from its raw numbers only, so that every run
// (and every standard library) draws the same packages.
class PackageDraw
{
public:
    explicit PackageDraw(std::uint64_t seed) : m_random(seed) {}

    // Inputs around a net required of up to `largestNet` rand, and set-up values that keep the
    // net pay rising at least beyond the UIF limit: the employee's R/Fund percentage stays below
    // 90 (the pair may break the 27.5 % rule, as stored values can), UIF percentages run up to
    // 100 (60 is a valid set-up value), sometimes with a small UIF limit that small packages
    // pass.
    std::pair<PackageInputs, SetupValues> package(double largestNet)
    {
        PackageInputs in;
        in.Age = static_cast<std::int16_t>(18 + below(75));
        in.NetRequired = cents(largestNet);
        const double net = in.NetRequired;
        in.CarValue = often() ? 0.0 : cents(largestNet * 3);
        in.CarCostToCompany = cents(2000);
        in.TravelAllowance = often() ? 0.0 : cents(net * (sometimes() ? 1.0 : 0.3));
        in.EmpMedContrib = often() ? 0.0 : cents(net / 5);
        in.ErMedContrib = often() ? 0.0 : cents(net / 5);
        in.Beneficiaries = static_cast<std::int32_t>(below(40));
        in.OtherFringeBenefits = often() ? 0.0 : cents(net / 4);
        in.MedDeduction = often() ? 0.0 : cents(net / 5);
        for (double& expense : in.OtherExpenses) {
            expense = often() ? 0.0 : cents(net / 10);
        }
        in.EmpRFAmount = often() ? 0.0 : cents(net / 10);
        in.ErRFAmount = often() ? 0.0 : cents(net / 10);

        SetupValues s;
        s.PensionCont = often() ? 0.0 : thousandths(sometimes() ? 89.0 : 20.0);
        s.EmployerPenCont = often() ? 0.0 : thousandths(20.0);
        s.EmployeeUIF = often() ? 1.0 : thousandths(100.0);
        s.EmployerUIF = thousandths(5.0);
        s.SkillLevy = thousandths(2.0);
        s.UIFLimit = often() ? 17712.0 : static_cast<double>(below(3000));
        const std::uint64_t rate = below(3);
        s.TAIncRate8020 = rate == 0 ? 0.8 : rate == 1 ? 0.2 : thousandths(1.0);
        s.CompCarFBRate8020 = below(2) == 0 ? 0.8 : 0.2;
        s.CompCarMPYesNo = below(2) == 0;
        return {in, s};
    }

private:
    std::uint64_t below(std::uint64_t n) { return m_random() % n; }
    bool often() { return below(3) != 0; }
    bool sometimes() { return below(6) == 0; }
    double cents(double largest)
    {
        const auto most = static_cast<std::uint64_t>(largest * 100);
        return static_cast<double>(below(most + 1)) / 100;
    }
    double thousandths(double largest)
    {
        const auto most = static_cast<std::uint64_t>(largest * 1000);
        return static_cast<double>(below(most + 1)) / 1000;
    }

    std::mt19937_64 m_random;
};

struct PropertyCase
{
    const char* name;
    const PackageWindow* window;
    std::uint64_t seed;
    int packages;
    double largestNet;
};

// Small nets keep the literal search quick; a few large ones reach the higher tax bands.
const PropertyCase kPropertyCases[] = {
    {"annual_small", &grovanAnnual, 20211, 1500, 40000},
    {"monthly_small", &grovanMonthly, 20212, 1500, 25000},
    {"annual_large", &grovanAnnual, 20213, 4, 900000},
    {"monthly_large", &grovanMonthly, 20214, 4, 90000},
};

class FastSearch : public ::testing::TestWithParam<PropertyCase>
{};

TEST_P(FastSearch, EndsWhereStepping1RandAtATimeEnds)
{
    const PropertyCase& c = GetParam();
    PackageDraw draw(c.seed);
    int compared = 0;
    int beyondTheUifLimit = 0;
    for (int i = 0; i < c.packages; ++i) {
        const auto [in, setup] = draw.package(c.largestNet);
        if (in.NetRequired == 0.0 || fringeBenefitsExceedNet(*c.window, in)) {
            continue;
        }
        ASSERT_NE(netPayShape(*c.window, in, setup), NetPayShape::Unknown) << describe(in, setup);
        beyondTheUifLimit +=
            netPayShape(*c.window, in, setup) == NetPayShape::RisingBeyondTheUifLimit;

        TaxableIncomeRecord literalRecord;
        const auto literal =
            literalBackCalculation(*c.window, in, setup, literalRecord, 20'000'000);
        ASSERT_TRUE(literal.has_value()) << describe(in, setup);
        TaxableIncomeRecord fastRecord;
        const PackageResults fast = calculatePackage(*c.window, in, setup, fastRecord);
        ++compared;

        ASSERT_EQ(firstDifference(fast, *literal), "")
            << "package " << i << ": " << describe(in, setup);
        ASSERT_TRUE(sameBits(fastRecord.LastTaxableIncome, literalRecord.LastTaxableIncome))
            << "package " << i << ": " << describe(in, setup);
        // A few dozen passes where the net pay rises throughout.
        if (netPayShape(*c.window, in, setup) == NetPayShape::Rising) {
            EXPECT_LE(fast.TaxEvaluations, 64) << describe(in, setup);
        }
    }
    EXPECT_GT(compared, c.packages * 3 / 4) << "most packages are compared";
    if (c.packages > 100) {
        EXPECT_GT(beyondTheUifLimit, c.packages / 20) << "UIF percentages that make it step";
    }
}

INSTANTIATE_TEST_SUITE_P(BackCalculation, FastSearch, ::testing::ValuesIn(kPropertyCases),
                         [](const auto& info) { return std::string(info.param.name); });

PackageInputs aged40(double net)
{
    PackageInputs in;
    in.Age = 40;
    in.NetRequired = net;
    return in;
}

struct ShapeCase
{
    const char* name;
    double employeeFundPercent;
    double employerFundPercent;
    double employeeUifPercent;
    double carValue;
    NetPayShape shape;
};

// Rise per rand beyond the UIF limit (1 - e) x 0.55, within it less u x (1 + r).
const ShapeCase kShapeCases[] = {
    {"new_installation", 0, 0, 1, 0, NetPayShape::Rising},
    // 0.725 x 0.55 - 0.01 x 1.1 = 0.38775
    {"fund_percentages_at_27_5", 17.5, 10, 1, 0, NetPayShape::Rising},
    // 0.55 - 0.55 x 1 = 0: the employee's UIF takes the whole rise within the limit.
    {"uif_55_percent", 0, 0, 55, 0, NetPayShape::RisingBeyondTheUifLimit},
    {"uif_60_percent", 0, 0, 60, 0, NetPayShape::RisingBeyondTheUifLimit},
    // 0.55 - 0.5 x 1.1 = 0: the employer's share raises the UIF base too.
    {"uif_50_percent_employer_fund_10", 0, 10, 50, 0, NetPayShape::RisingBeyondTheUifLimit},
    {"uif_54_8_percent", 0, 0, 54.8, 0, NetPayShape::Rising},
    // 0.001 x 0.55 is below a tenth of a cent a rand.
    {"employee_fund_99_9", 99.9, 0, 1, 0, NetPayShape::Unknown},
    {"employee_fund_100", 100, 0, 1, 0, NetPayShape::Unknown},
    {"car_beyond_a_billion", 0, 0, 1, 2e9, NetPayShape::Unknown},
    {"car_not_a_number", 0, 0, 1, std::numeric_limits<double>::quiet_NaN(), NetPayShape::Unknown},
};

class NetPayShapes : public ::testing::TestWithParam<ShapeCase>
{};

TEST_P(NetPayShapes, FollowTheRisePerRand)
{
    const ShapeCase& c = GetParam();
    SetupValues setup;
    setup.PensionCont = c.employeeFundPercent;
    setup.EmployerPenCont = c.employerFundPercent;
    setup.EmployeeUIF = c.employeeUifPercent;
    PackageInputs in = aged40(300000);
    in.CarValue = c.carValue;
    EXPECT_EQ(netPayShape(grovanAnnual, in, setup), c.shape);
    EXPECT_EQ(netPayShape(grovanMonthly, in, setup), c.shape);
}

INSTANTIATE_TEST_SUITE_P(BackCalculation, NetPayShapes, ::testing::ValuesIn(kShapeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BackCalculationSearch, NeedsAFewDozenPassesForTheWorkedExample)
{
    // Worked example: a net of R300 000 ends at 365 545, where stepping makes 365 545 passes.
    TaxableIncomeRecord record;
    const PackageResults r = calculatePackage(grovanAnnual, aged40(300000), SetupValues{}, record);
    EXPECT_EQ(r.TrialAmount, 365545);
    EXPECT_LE(r.TaxEvaluations, 40);
    EXPECT_GE(365545 / r.TaxEvaluations, 1000);
}

// An employee's UIF of 80 % within a UIF limit of 30 000 a month (360 000 a year): with the tax
// (26 % from 216 200, 31 % from 337 800) more than the whole of each rand goes, and the net pay
// rises to about 20 000 at 216 200, falls to about 10 000 at the limit and rises beyond it.
SetupValues steepUif()
{
    SetupValues setup;
    setup.EmployeeUIF = 80;
    setup.UIFLimit = 30000;
    return setup;
}

struct SteepUifCase
{
    const char* name;
    double net;
};

const SteepUifCase kSteepUifCases[] = {
    {"answer_where_the_net_pay_rises_first", 10000},
    // The net pay passes 15 000 on the way up and again beyond the limit: the first is the answer.
    {"answer_before_the_net_pay_falls", 15000},
    {"answer_beyond_the_limit", 25000},
    {"answer_well_beyond_the_limit", 300000},
};

class SteepUif : public ::testing::TestWithParam<SteepUifCase>
{};

TEST_P(SteepUif, StepsWithinTheUifLimitAndFindsTheSameAnswer)
{
    const SteepUifCase& c = GetParam();
    const PackageInputs in = aged40(c.net);
    ASSERT_EQ(netPayShape(grovanAnnual, in, steepUif()), NetPayShape::RisingBeyondTheUifLimit);
    TaxableIncomeRecord literalRecord;
    const auto literal =
        literalBackCalculation(grovanAnnual, in, steepUif(), literalRecord, 2'000'000);
    ASSERT_TRUE(literal.has_value());
    TaxableIncomeRecord record;
    const PackageResults fast = calculatePackage(grovanAnnual, in, steepUif(), record);
    EXPECT_EQ(firstDifference(fast, *literal), "");
    EXPECT_TRUE(sameBits(record.LastTaxableIncome, literalRecord.LastTaxableIncome));
    // Stepping covers at most the 360 000 rand within the limit.
    EXPECT_LE(fast.TaxEvaluations, 360000 + 64);
}

INSTANTIATE_TEST_SUITE_P(BackCalculation, SteepUif, ::testing::ValuesIn(kSteepUifCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BackCalculationSearch, StepsEveryRandWhereNoRiseCanBeShown)
{
    // An employee's R/Fund of 99.9 % (which a stored set-up can hold where no rule checked it)
    // leaves under a tenth of a cent of each rand: the search steps, and still finds the answer
    // stepping finds.
    SetupValues setup;
    setup.PensionCont = 99.9;
    setup.EmployeeUIF = 0;
    PackageInputs in = aged40(20);
    in.TravelAllowance = 10;
    ASSERT_EQ(netPayShape(grovanAnnual, in, setup), NetPayShape::Unknown);
    PackageResults fast;
    prepareCredits(grovanAnnual, in, setup, fast);
    TaxableIncomeRecord record;
    ASSERT_TRUE(searchTrialAmount(grovanAnnual, in, setup, fast, record, 100000));
    finishBackCalculation(grovanAnnual, in, setup, fast);
    TaxableIncomeRecord literalRecord;
    const auto literal = literalBackCalculation(grovanAnnual, in, setup, literalRecord, 100000);
    ASSERT_TRUE(literal.has_value());
    EXPECT_EQ(firstDifference(fast, *literal), "");
    EXPECT_EQ(fast.TaxEvaluations, literal->TaxEvaluations + 2) << "and confirms the boundary";
}

TEST(BackCalculationSearch, WithoutAnAnswerLeavesTheResultsAndTheRecordAsTheyWere)
{
    // An employee's R/Fund of 100 % takes every rand: the net pay never rises.
    SetupValues setup;
    setup.PensionCont = 100;
    PackageInputs in = aged40(1000);
    PackageResults r;
    prepareCredits(grovanAnnual, in, setup, r);
    r.NetPay = 42;
    TaxableIncomeRecord record;
    record.LastTaxableIncome = 7;
    EXPECT_FALSE(searchTrialAmount(grovanAnnual, in, setup, r, record, 5000));
    EXPECT_EQ(r.NetPay, 42);
    EXPECT_EQ(r.TrialAmount, 0);
    EXPECT_EQ(record.LastTaxableIncome, 7);
    EXPECT_EQ(r.TaxEvaluations, 5000) << "bounded: every rand up to the limit, once";
}

TEST(BackCalculationSearch, ANetBeyondReachEndsAtTheLimit)
{
    // The field's largest net: every salary up to the same amount leaves less after tax.
    TaxableIncomeRecord record;
    const PackageResults r =
        calculatePackage(grovanMonthly, aged40(kPackageAmountMaximum), SetupValues{}, record);
    EXPECT_TRUE(r.CalcFailed);
    EXPECT_EQ(r.stop, PackageStop::NoTrialAmount);
    EXPECT_EQ(r.TaxEvaluations, 1) << "the net pay rises, so the limit's pass decides";
    // Half of it is within reach (the top rate takes 45 %).
    const PackageResults half =
        calculatePackage(grovanMonthly, aged40(kPackageAmountMaximum / 2), SetupValues{}, record);
    EXPECT_FALSE(half.CalcFailed);
    EXPECT_GT(half.NetPay, kPackageAmountMaximum / 2);
}

} // namespace
} // namespace grovan
