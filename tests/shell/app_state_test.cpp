// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/income_tax.h"
#include "package/quick_tax.h"
#include "shell/app_state.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

TEST(AppState, InitialiseAllKeepsTheLastTaxableIncome)
{
    AppState state;
    EXPECT_EQ(state.taxableIncome.LastTaxableIncome, 0.0);
    CalcAnnualTax(360000, state.taxableIncome);
    state.initialiseAll();
    EXPECT_EQ(state.taxableIncome.LastTaxableIncome, 360000.0);
}

TEST(AppState, QuickTaxValuesStartAtZero)
{
    const AppState state;
    EXPECT_EQ(state.taxSummary.Income, 0.0);
    EXPECT_EQ(state.taxSummary.Age, 0);
    EXPECT_EQ(state.taxSummary.Band.Total, 0.0);
    EXPECT_EQ(state.taxSummary.TotalTax, 0.0);
    EXPECT_EQ(state.taxSummary.Rebate, 0.0);
    EXPECT_EQ(state.taxSummary.TaxCommitment, 0.0);
    EXPECT_EQ(state.taxSummary.AvgRateBefore, 0.0);
    EXPECT_EQ(state.taxSummary.AvgRateAfter, 0.0);
}

// "&Initialise All" leaves the quick tax calculator's income, age and results as they are; the
// window recomputes them for the last taxable income when it next becomes active.
TEST(AppState, InitialiseAllKeepsTheQuickTaxValues)
{
    AppState state;
    setQuickTaxIncome(state.taxSummary, state.taxableIncome, 500000);
    setQuickTaxAge(state.taxSummary, 70);
    NEWCALC(state.taxSummary, state.taxableIncome);
    const TaxSummary before = state.taxSummary;

    state.initialiseAll();
    EXPECT_EQ(state.taxSummary.Income, 500000.0);
    EXPECT_EQ(state.taxSummary.Age, 70);
    EXPECT_EQ(state.taxSummary.TotalTax, before.TotalTax);
    EXPECT_EQ(state.taxSummary.Rebate, 24327.0);
    EXPECT_EQ(state.taxSummary.TaxCommitment, 98112.0);

    refreshQuickTax(state.taxSummary, state.taxableIncome);
    EXPECT_EQ(state.taxSummary.Income, 500000.0);
    EXPECT_EQ(state.taxSummary.TaxCommitment, 98112.0);
}

} // namespace
} // namespace grovan
