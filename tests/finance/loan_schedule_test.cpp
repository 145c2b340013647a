// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"
#include "finance/loan_calculator.h"
#include "finance/loan_schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>

namespace grovan {
namespace {

constexpr std::string_view kAmount = "# ### ### ###.00";

// A loan solved in the mode given, as the window holds it after "&Calculate".
LoanState solved(double principal, double months, double rate, double repayment = 0.0,
                 LoanCalcMode mode = LoanCalcMode::MonthlyRepayment)
{
    LoanState loan;
    loan.CalcMode = mode;
    loan.Principal = principal;
    loan.PeriodMonths = months;
    loan.AnnualRate = rate;
    loan.MonthlyRepayment = repayment;
    LoanCalc(loan);
    return loan;
}

TEST(MonthlyScheduleTest, FirstAndLastMonthOfATwentyYearLoan)
{
    // 100 000 at 10 % over 240 months: 965.02 a month, of which 833.33 is the first month's
    // interest (100 000 x 0.1 / 12) and 131.69 capital.
    const MonthlySchedule s = monthlySchedule(solved(100000, 240, 10));
    ASSERT_EQ(s.MonthCapital.size(), 240u);
    EXPECT_EQ(formatNumber(s.MonthCapital[0], kAmount), "131.69");
    EXPECT_EQ(formatNumber(s.MonthInterest[0], kAmount), "833.33");
    EXPECT_EQ(formatNumber(s.MonthBalance[0], kAmount), "99 868.31");
    EXPECT_EQ(formatNumber(s.MonthBalance[239], kAmount), "0.00");
    EXPECT_LT(s.MonthBalance[239], 1e-6);
    EXPECT_GE(s.MonthBalance[239], 0.0) << "never -0.00";
}

struct InvariantCase
{
    const char* name;
    LoanState loan;
};

const InvariantCase kInvariantCases[] = {
    {"twenty_years", solved(100000, 240, 10)},
    {"thirty_months", solved(50000, 30, 12)},
    {"eight_months", solved(8000, 8, 9)},
    {"six_hundred_months", solved(99999999.99, 600, 50)},
    {"tiny", solved(100, 3, 5)},
    // The period search raises the repayment to whole cents: 965.03 against pmt 965.0216.
    {"period_mode", solved(100000, 0, 10, 965.02, LoanCalcMode::RepaymentPeriod)},
    {"rate_mode", solved(100000, 240, 0, 965.02, LoanCalcMode::InterestRate)},
};

class ScheduleInvariants : public ::testing::TestWithParam<InvariantCase>
{};

TEST_P(ScheduleInvariants, CapitalAndInterestMakeTheInstalmentAndRepayThePrincipal)
{
    const LoanState& loan = GetParam().loan;
    const MonthlySchedule months = monthlySchedule(loan);
    const double tolerance = 1e-9 * std::max(1.0, loan.Principal);
    ASSERT_EQ(months.MonthCapital.size(), static_cast<std::size_t>(loan.PeriodMonths));
    double balance = loan.Principal;
    for (std::size_t k = 0; k < months.MonthCapital.size(); ++k) {
        EXPECT_NEAR(months.MonthCapital[k] + months.MonthInterest[k], months.instalment,
                    1e-9 * months.instalment)
            << "month " << k + 1;
        balance -= months.MonthCapital[k];
        EXPECT_NEAR(months.MonthBalance[k], std::fabs(balance), tolerance) << "month " << k + 1;
    }
    const double capital =
        std::accumulate(months.MonthCapital.begin(), months.MonthCapital.end(), 0.0);
    EXPECT_NEAR(capital, loan.Principal, tolerance);

    const AnnualSchedule years = CalcAnnAmort(loan);
    ASSERT_EQ(years.YearCapital.size(), static_cast<std::size_t>(years.Years));
    EXPECT_NEAR(std::accumulate(years.YearCapital.begin(), years.YearCapital.end(), 0.0),
                loan.Principal, tolerance);
    // The part year takes the loan's repayment, so the years add up to the window's total
    // interest; whole years add up the instalments.
    const double repayment = years.LastYearKind == 2 ? loan.MonthlyRepayment : months.instalment;
    EXPECT_NEAR(std::accumulate(years.YearInterest.begin(), years.YearInterest.end(), 0.0),
                repayment * loan.PeriodMonths - loan.Principal, tolerance);
    EXPECT_EQ(formatNumber(years.YearBalance.back(), kAmount), "0.00");
}

INSTANTIATE_TEST_SUITE_P(Loan, ScheduleInvariants, ::testing::ValuesIn(kInvariantCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MonthlyScheduleTest, InstalmentIsTheExactAnnuityNotTheAdjustedRepayment)
{
    const LoanState loan = solved(100000, 0, 10, 965.02, LoanCalcMode::RepaymentPeriod);
    ASSERT_EQ(loan.PeriodMonths, 240.0);
    EXPECT_EQ(formatNumber(loan.MonthlyRepayment, "0.00"), "965.03");
    EXPECT_EQ(formatNumber(monthlySchedule(loan).instalment, "0.0000"), "965.0216");
}

struct YearsCase
{
    const char* name;
    double months;
    int fullYears;
    int lastYearKind;
    int years;
    bool gridShown;
    bool scrollBar;
};

const YearsCase kYearsCases[] = {
    {"eight_months", 8, 0, 2, 1, false, false},
    {"twelve_months", 12, 1, 1, 1, false, false},
    {"thirteen_months", 13, 1, 2, 2, true, false},
    {"two_years", 24, 2, 1, 2, true, false},
    {"thirty_months", 30, 2, 2, 3, true, false},
    {"ten_years", 120, 10, 1, 10, true, false},
    {"ten_years_and_a_part", 125, 10, 2, 11, true, true},
    {"eleven_years", 132, 11, 1, 11, true, true},
    {"fifty_years", 600, 50, 1, 50, true, true},
};

class AnnualScheduleTest : public ::testing::TestWithParam<YearsCase>
{};

TEST_P(AnnualScheduleTest, CountsFullYearsAndAPartYear)
{
    const YearsCase& c = GetParam();
    const LoanState loan = solved(50000, c.months, 12);
    const AnnualSchedule years = CalcAnnAmort(loan);
    EXPECT_EQ(years.FullYears, c.fullYears);
    EXPECT_EQ(years.LastYearKind, c.lastYearKind);
    EXPECT_EQ(years.Years, c.years);
    if (c.lastYearKind == 2) {
        EXPECT_EQ(years.YearBalance.back(), 0.0);
    }
    const auto grid = annualScheduleGrid(loan);
    ASSERT_EQ(grid.has_value(), c.gridShown);
    EXPECT_EQ(loanGraphData(loan).has_value(), c.gridShown);
    if (grid) {
        // The grid has one row per year below its header row.
        EXPECT_EQ(grid->rows.size(), static_cast<std::size_t>(c.years));
        EXPECT_EQ(grid->scrollBar, c.scrollBar);
        EXPECT_EQ(grid->rows.back()[0], std::to_string(c.years));
    }
}

INSTANTIATE_TEST_SUITE_P(Loan, AnnualScheduleTest, ::testing::ValuesIn(kYearsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnnualScheduleTest, APartYearOnlyTakesWhatIsLeft)
{
    // Eight months: one part-year row with the principal, the loan's total interest and 0.
    const LoanState loan = solved(8000, 8, 9);
    const AnnualSchedule years = CalcAnnAmort(loan);
    ASSERT_EQ(years.Years, 1);
    EXPECT_EQ(years.YearCapital[0], 8000.0);
    EXPECT_EQ(years.YearInterest[0], loan.MonthlyRepayment * 8 - 8000.0);
    EXPECT_EQ(years.YearBalance[0], 0.0);

    // Thirty months: the third row holds the last six months and a balance of 0.
    const LoanState thirty = solved(50000, 30, 12);
    const MonthlySchedule months = monthlySchedule(thirty);
    const AnnualSchedule three = CalcAnnAmort(thirty);
    ASSERT_EQ(three.Years, 3);
    EXPECT_NEAR(three.YearCapital[2],
                std::accumulate(months.MonthCapital.begin() + 24, months.MonthCapital.end(), 0.0),
                1e-8);
    EXPECT_EQ(three.YearBalance[1], months.MonthBalance[23]);
    EXPECT_EQ(three.YearBalance[2], 0.0);
}

TEST(ScheduleGridTest, MonthlyGridTextsAndScrollBar)
{
    const auto grid = monthlyScheduleGrid(solved(100000, 240, 10));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->header, (std::array<std::string, 4>{" Month   ", "Capital payment ",
                                                        "Interest payment", "    Balance    "}));
    EXPECT_EQ(grid->widthFactors, (std::array<double, 4>{1.2, 1.3, 1.4, 1.9}));
    EXPECT_EQ(grid->centred, (std::array<bool, 4>{false, true, true, true}));
    ASSERT_EQ(grid->rows.size(), 240u);
    EXPECT_EQ(grid->rows[0], (std::array<std::string, 4>{"1", "131.69", "833.33", "99 868.31"}));
    EXPECT_EQ(grid->rows[239][0], "240");
    EXPECT_EQ(grid->rows[239][3], "0.00");
    EXPECT_TRUE(grid->scrollBar);

    EXPECT_FALSE(monthlyScheduleGrid(solved(1000, 10, 10))->scrollBar);
    EXPECT_TRUE(monthlyScheduleGrid(solved(1000, 11, 10))->scrollBar);
    const auto longest = monthlyScheduleGrid(solved(500000, 600, 10));
    EXPECT_EQ(longest->rows.back()[0], "600");
}

TEST(ScheduleGridTest, AnnualGridTexts)
{
    const auto grid = annualScheduleGrid(solved(100000, 240, 10));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->header, (std::array<std::string, 4>{" Year ", "Capital payments",
                                                        "Interest payment", "    Balance      "}));
    EXPECT_EQ(grid->widthFactors, (std::array<double, 4>{1.2, 1.3, 1.4, 1.5}));
    ASSERT_EQ(grid->rows.size(), 20u);
    EXPECT_EQ(grid->rows[19][3], "0.00");
}

TEST(ScheduleGridTest, NothingWithoutAWholeLoan)
{
    for (const LoanState& loan :
         {solved(0, 240, 10, 965.02, LoanCalcMode::RepaymentPeriod), solved(100000, 0, 10),
          solved(100000, 240, 0), solved(100000, 0, 10, 800, LoanCalcMode::RepaymentPeriod)}) {
        EXPECT_FALSE(monthlyScheduleGrid(loan));
        EXPECT_FALSE(annualScheduleGrid(loan));
        EXPECT_FALSE(loanGraphData(loan));
    }
}

TEST(LoanGraphTest, YearlyCapitalInterestAndBalance)
{
    const LoanState loan = solved(100000, 30, 10);
    const auto graph = loanGraphData(loan);
    ASSERT_TRUE(graph);
    EXPECT_EQ(graph->Years, 3);
    EXPECT_EQ(graph->FullYears, 2);
    EXPECT_EQ(graph->LastYearKind, 2);
    ASSERT_EQ(graph->YearCapital.size(), 3u);
    // Each year's balance is the previous one less the year's capital.
    EXPECT_NEAR(graph->YearBalance[0], 100000 - graph->YearCapital[0], 1e-8);
    EXPECT_NEAR(graph->YearBalance[1], graph->YearBalance[0] - graph->YearCapital[1], 1e-8);
}

} // namespace
} // namespace grovan
