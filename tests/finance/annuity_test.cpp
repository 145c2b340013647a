// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"
#include "finance/annuity.h"
#include "finance/repeated_sum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace grovan {
namespace {

// The searches one step at a time, as a running total would be kept: the reference the solver's
// bisection must agree with bit for bit.
double stepByStep(double start, double step, std::uint64_t count)
{
    double value = start;
    for (std::uint64_t k = 0; k < count; ++k) {
        value = value + step;
    }
    return value;
}

struct SumCase
{
    const char* name;
    double start;
    double step;
    std::uint64_t count;
};

const SumCase kSumCases[] = {
    {"tenths_from_zero", 0.0, 0.1, 10},
    {"cents_on_a_repayment", 965.0116450740089, 0.01, 1000},
    {"cents_across_powers_of_two", 3.0, 0.01, 3000000},
    {"cents_on_millions", 9999999.99, 0.01, 20000000},
    {"cents_crossing_2_to_the_23", 8388000.0, 0.01, 100000},
    {"fives_from_zero", 0.0, 5.0, 40000000},
    {"hundredths_on_a_huge_rate", 1.2e10, 0.01, 3000000},
    // The step is one and a half units in the last place of numbers from 1 to 2: every addition
    // is a tie, rounded to the even neighbour.
    {"ties_to_even", 1.0, 1.5 * 0x1p-52, 1000000},
    {"ties_to_even_from_an_odd_unit", 1.0 + 0x1p-52, 2.5 * 0x1p-52, 1000000},
    {"step_below_half_a_unit", 1e17, 0.01, 1000},
    {"none", 12.5, 0.01, 0},
};

class RepeatedSumTest : public ::testing::TestWithParam<SumCase>
{};

TEST_P(RepeatedSumTest, IsTheRunningTotalBitForBit)
{
    const SumCase& c = GetParam();
    EXPECT_EQ(repeatedSum(c.start, c.step, c.count), stepByStep(c.start, c.step, c.count));
}

TEST_P(RepeatedSumTest, AnswersCountsInAnyOrder)
{
    // The searches ask for far counts first and nearer ones after: each answer is the running
    // total at that count, whatever was asked before.
    const SumCase& c = GetParam();
    RunningTotal total(c.start, c.step);
    for (const std::uint64_t count : {c.count, c.count / 2, c.count / 3 + 1, c.count, c.count / 7,
                                      std::uint64_t{0}, std::uint64_t{1}}) {
        EXPECT_EQ(total.after(count), stepByStep(c.start, c.step, count)) << count;
    }
}

INSTANTIATE_TEST_SUITE_P(Annuity, RepeatedSumTest, ::testing::ValuesIn(kSumCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The two searches one step at a time: the term counted up month by month, the repayment raised a
// cent at a time; the rate raised by 5, 1, 0.1 and 0.01.
TermSolution termStepByStep(double principal, double rate, double repayment)
{
    for (int n = 1; n <= 600; ++n) {
        const double pv = annuityPresentValue(n, rate, repayment);
        if (pv == principal) {
            return {static_cast<double>(n), repayment, TermOutcome::Found};
        }
        if (pv > principal && n == 1) {
            return {1.0, oneInstalment(principal, rate), TermOutcome::OneInstalment};
        }
        if (pv > principal) {
            double raised = repayment;
            do {
                raised = raised + 0.01;
            } while (annuityPresentValue(n - 1, rate, raised) < principal);
            return {n - 1.0, raised, TermOutcome::Found};
        }
    }
    return {0.0, repayment, TermOutcome::NotWithin600};
}

double rateStepByStep(double principal, double months, double target)
{
    double rate = 0.0;
    for (const double step : {5.0, 1.0, 0.1, 0.01}) {
        do {
            rate = rate + step;
        } while (annuityRepayment(principal, months, rate) <= target);
        rate = rate - step;
    }
    return rate;
}

// A closed form worked apart from the solver, in long double: P x i / (1 - (1 + i)^-n).
long double closedFormRepayment(long double principal, int months, long double annualRate)
{
    const long double i = annualRate / 1200.0L;
    return principal * i / -std::expm1(-months * std::log1p(i));
}

struct LoanCase
{
    const char* name;
    double principal;
    int months;
    double rate;
    // The period search on the repayment rounded up to the cent (as typed, lowered by 0.01 as
    // the window does first): the term found (0 for none) and the repayment it shows.
    int term;
    const char* termRepayment;
    // The rate search on the repayment rounded up and rounded down to the cent.
    const char* rateUp;
    const char* rateDown;
};

// Expected values from the searches run one step at a time in a separate script. A repayment
// rounded up to the cent repays the loan in its own term, shown unchanged; the rate search gives
// the largest 0.01 step whose repayment is not above the one typed, so a repayment rounded up gives
// the rate back where a cent moves the repayment by more than a 0.01 step of the rate, and rounded
// down one step less. 600 months is beyond the period search: its present value at 601 months is
// never compared.
const LoanCase kLoans[] = {
    // 100 x 0.05/12 / (1 - (1 + 0.05/12)^-3) = 33.6115; a cent buys 0.18 of a percentage point.
    {"tiny_100_over_3_months_at_5", 100.0, 3, 5.0, 3, "33.62", "5.150", "4.970"},
    {"one_month_1000_at_12", 1000.0, 1, 12.0, 1, "1 010.00", "12.000", "11.980"},
    {"home_loan_1m_over_20_years_at_7_75", 1000000.0, 240, 7.75, 240, "8 209.49", "7.750", "7.740"},
    {"home_loan_100k_over_20_years_at_10", 100000.0, 240, 10.0, 240, "965.03", "10.000", "9.990"},
    // A spreadsheet's PMT(5%/12; 360; -200000) = 1 073.64.
    {"spreadsheet_200k_over_30_years_at_5", 200000.0, 360, 5.0, 360, "1 073.65", "5.000", "4.990"},
    {"longest_600_months", 500000.0, 600, 10.0, 0, "4 195.53", "10.000", "9.990"},
    {"longest_term_found_599_months", 1000000.0, 599, 10.0, 599, "8 391.54", "10.000", "9.990"},
    {"highest_rate_50", 100000.0, 60, 50.0, 60, "4 560.48", "50.000", "49.990"},
    // At 50 % the repayment rounded down never repays the largest principal: no term at all.
    {"largest_loan_at_50_over_600_months", 99999999.99, 600, 50.0, 0, "4 166 666.67", "50.000",
     "49.990"},
    // Below the first 0.01 step the rate search gives 0.
    {"smallest_rate_0_001", 100000.0, 120, 0.001, 120, "833.38", "0.000", "0.000"},
};

class AnnuityLoans : public ::testing::TestWithParam<LoanCase>
{};

TEST_P(AnnuityLoans, RepaymentIsTheClosedForm)
{
    const LoanCase& c = GetParam();
    const double repayment = annuityRepayment(c.principal, c.months, c.rate);
    const long double exact = closedFormRepayment(c.principal, c.months, c.rate);
    // 1 + i keeps only the digits of i that fit beside the 1: at 0.001 % a year (i = 8.3e-7) the
    // repayment is good to about 1e-10 of itself, still far below a cent.
    EXPECT_NEAR(repayment, static_cast<double>(exact), 1e-9 * static_cast<double>(exact));
}

TEST_P(AnnuityLoans, PresentValueOfTheRepaymentIsThePrincipal)
{
    const LoanCase& c = GetParam();
    const double repayment = annuityRepayment(c.principal, c.months, c.rate);
    EXPECT_NEAR(annuityPresentValue(c.months, c.rate, repayment), c.principal, 1e-12 * c.principal);
}

TEST_P(AnnuityLoans, PeriodOfTheRepaymentRoundedUpToTheCent)
{
    const LoanCase& c = GetParam();
    const double typed = std::ceil(annuityRepayment(c.principal, c.months, c.rate) * 100.0) / 100.0;
    const double working = typed - kRepaymentStep;
    const TermSolution term = searchTerm(c.principal, c.rate, working);
    EXPECT_EQ(term.months, c.term);
    EXPECT_EQ(term.outcome, c.term == 0 ? TermOutcome::NotWithin600 : TermOutcome::Found);
    if (c.term != 0) {
        EXPECT_EQ(formatNumber(term.repayment, "### ### ##0.00"), c.termRepayment);
    }
    const TermSolution reference = termStepByStep(c.principal, c.rate, working);
    EXPECT_EQ(term.months, reference.months);
    EXPECT_EQ(term.repayment, reference.repayment);
}

TEST_P(AnnuityLoans, RateOfTheRepaymentRoundedToTheCent)
{
    const LoanCase& c = GetParam();
    const double exact = annuityRepayment(c.principal, c.months, c.rate);
    const double up = std::ceil(exact * 100.0) / 100.0;
    const double down = std::floor(exact * 100.0) / 100.0;
    const double rateUp = searchRate(c.principal, c.months, up);
    const double rateDown = searchRate(c.principal, c.months, down);
    EXPECT_EQ(formatNumber(rateUp, "##0.000"), c.rateUp);
    EXPECT_EQ(formatNumber(rateDown, "##0.000"), c.rateDown);
    EXPECT_EQ(rateUp, rateStepByStep(c.principal, c.months, up));
    EXPECT_EQ(rateDown, rateStepByStep(c.principal, c.months, down));
    // The largest step whose repayment is not above the target.
    for (const auto& [rate, target] : {std::pair{rateUp, up}, std::pair{rateDown, down}}) {
        if (rate > 0.0) {
            EXPECT_LE(annuityRepayment(c.principal, c.months, rate), target);
        }
        EXPECT_GT(annuityRepayment(c.principal, c.months, rate + 0.01), target);
    }
}

INSTANTIATE_TEST_SUITE_P(Annuity, AnnuityLoans, ::testing::ValuesIn(kLoans),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnnuityTest, ZeroInputsGiveZero)
{
    EXPECT_EQ(annuityRepayment(0.0, 240, 10.0), 0.0);
    EXPECT_EQ(annuityRepayment(100000.0, 0, 10.0), 0.0);
    // A rate of 0 gives no repayment: there is no zero-interest formula.
    EXPECT_EQ(annuityRepayment(100000.0, 240, 0.0), 0.0);
    EXPECT_EQ(annuityPresentValue(0, 10.0, 965.02), 0.0);
    EXPECT_EQ(annuityPresentValue(240, 0.0, 965.02), 0.0);
    EXPECT_EQ(annuityPresentValue(240, 10.0, 0.0), 0.0);
    EXPECT_EQ(searchRate(0.0, 240, 965.02), 0.0);
    EXPECT_EQ(searchRate(100000.0, 0, 965.02), 0.0);
    EXPECT_EQ(searchRate(100000.0, 240, 0.0), 0.0);
    for (const auto& [principal, rate, repayment] :
         {std::tuple{0.0, 10.0, 965.02}, std::tuple{100000.0, 0.0, 965.02},
          std::tuple{100000.0, 10.0, 0.0}, std::tuple{100000.0, 10.0, -0.01}}) {
        const TermSolution term = searchTerm(principal, rate, repayment);
        EXPECT_EQ(term.outcome, TermOutcome::NoInputs);
        EXPECT_EQ(term.months, 0.0);
        EXPECT_EQ(term.repayment, repayment) << "handed back as it came";
    }
}

TEST(AnnuityTest, TargetAtOrBelowPrincipalOverMonthsGivesRateZero)
{
    // 1 000 over 12 months without interest is 83.33...; any rate above 0 costs more.
    EXPECT_EQ(searchRate(1000.0, 12, 1000.0 / 12.0), 0.0);
    EXPECT_EQ(searchRate(1000.0, 12, 50.0), 0.0);
}

TEST(AnnuityTest, OneInstalmentIsThePrincipalWithAMonthsInterestInWholeCents)
{
    // 1 000 x 1.01 = 1 010 exactly; 1 000 at 10 % is 1 008.333... up to 1 008.34.
    EXPECT_EQ(oneInstalment(1000.0, 12.0), 1010.0);
    EXPECT_EQ(oneInstalment(1000.0, 10.0), 1008.34);
    EXPECT_EQ(oneInstalment(0.01, 50.0), 0.02);
    const TermSolution term = searchTerm(1000.0, 12.0, 1999.99);
    EXPECT_EQ(term.outcome, TermOutcome::OneInstalment);
    EXPECT_EQ(term.months, 1.0);
    EXPECT_EQ(term.repayment, 1010.0);
}

struct StepCase
{
    const char* name;
    double principal;
    double months;
    double repayment;
    double rate;
};

// Searches that take many steps, still few enough to run one at a time.
const StepCase kStepCases[] = {
    // The repayment is raised by 50 000 in cents: five million steps.
    {"term_raised_by_five_million_cents", 150000.0, 0, 99999.99, 1.0},
    {"term_raised_across_a_power_of_two", 1500.0, 0, 1023.99, 3.0},
    // The rate climbs to about 120 000 % a year in steps of 5.
    {"rate_of_120000_percent", 1000.0, 12, 100000.0, 0},
    {"rate_of_one_month", 1000.0, 1, 5000.0, 0},
    {"rate_just_above_50", 100000.0, 240, 4200.0, 0},
};

class ManyStepsTest : public ::testing::TestWithParam<StepCase>
{};

TEST_P(ManyStepsTest, BisectionAgreesWithStepping)
{
    const StepCase& c = GetParam();
    if (c.months == 0) {
        const TermSolution term = searchTerm(c.principal, c.rate, c.repayment);
        const TermSolution reference = termStepByStep(c.principal, c.rate, c.repayment);
        EXPECT_EQ(term.months, reference.months);
        EXPECT_EQ(term.repayment, reference.repayment);
    } else {
        EXPECT_EQ(searchRate(c.principal, c.months, c.repayment),
                  rateStepByStep(c.principal, c.months, c.repayment));
    }
}

INSTANTIATE_TEST_SUITE_P(Annuity, ManyStepsTest, ::testing::ValuesIn(kStepCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnnuityTest, RateWithoutUpperLimitEndsAtTheStepItWouldReach)
{
    // One rand over 600 months repaid at 9 999 999.99 a month: about 1.2 x 10^10 % a year, some
    // 2.4 x 10^9 steps of 5 one at a time. The answer is still the largest 0.01 step whose
    // repayment is not above the target.
    const double rate = searchRate(1.0, 600, 9999999.99);
    EXPECT_GT(rate, 1.19e10);
    EXPECT_LT(rate, 1.21e10);
    EXPECT_LE(annuityRepayment(1.0, 600, rate), 9999999.99);
    EXPECT_GT(annuityRepayment(1.0, 600, rate + 0.01), 9999999.99);
    // The smallest principal a field takes, repaid in one month.
    const double steepest = searchRate(0.01, 1, 9999999.99);
    EXPECT_TRUE(std::isfinite(steepest));
    EXPECT_LE(annuityRepayment(0.01, 1, steepest), 9999999.99);
    EXPECT_GT(annuityRepayment(0.01, 1, steepest + 0.01), 9999999.99);
}

} // namespace
} // namespace grovan
