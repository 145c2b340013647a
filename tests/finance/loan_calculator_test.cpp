// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"
#include "finance/finance_fields.h"
#include "finance/finance_messages.h"
#include "finance/loan_calculator.h"
#include "finance/loan_fields.h"
#include "finance/loan_validation.h"
#include "finance/loan_view.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

constexpr LoanCalcMode kRepayment = LoanCalcMode::MonthlyRepayment;
constexpr LoanCalcMode kPrincipal = LoanCalcMode::PrincipalAmount;
constexpr LoanCalcMode kPeriod = LoanCalcMode::RepaymentPeriod;
constexpr LoanCalcMode kRate = LoanCalcMode::InterestRate;

LoanState loan(LoanCalcMode mode, double principal, double months, double rate, double repayment)
{
    LoanState state;
    state.CalcMode = mode;
    state.Principal = principal;
    state.PeriodMonths = months;
    state.AnnualRate = rate;
    state.MonthlyRepayment = repayment;
    return state;
}

struct CalcCase
{
    const char* name;
    LoanState in;
    // The four loan fields as the window shows them after "&Calculate".
    const char* principal;
    const char* period;
    const char* rate;
    const char* repayment;
    bool rateError;
};

const CalcCase kCalcCases[] = {
    // i = 0.1/12; 100 000 x i / (1 - (1 + i)^-240) = 965.0216.
    {"repayment_100k_240_months_10", loan(kRepayment, 100000, 240, 10, 0), "100 000.00", "240",
     "10.000", "965.02", false},
    // (1 - (1 + i)^-240) x 965.02 / i = 100 000 x 965.02 / 965.0216 = 99 999.83.
    {"principal_of_965_02", loan(kPrincipal, 0, 240, 10, 965.02), "99 999.83", "240", "10.000",
     "965.02", false},
    // 99.99 is worth 947.03 over 10 months and 1 036.66 over 11: the period is 10 and the
    // repayment is raised a cent at a time to the first that repays 1 000 in 10 months.
    {"period_of_1000_at_12_repaid_by_100", loan(kPeriod, 1000, 0, 12, 100), "1 000.00", "10",
     "12.000", "105.59", false},
    // 965.02 is just below the exact 965.0216.
    {"period_of_965_02", loan(kPeriod, 100000, 0, 10, 965.02), "100 000.00", "240", "10.000",
     "965.03", false},
    // A repayment that repays the loan in a whole number of months comes back unchanged.
    {"period_of_965_03", loan(kPeriod, 100000, 0, 10, 965.03), "100 000.00", "240", "10.000",
     "965.03", false},
    // Below a month's interest (833.33) nothing is ever repaid: no term, and the repayment
    // typed stays as typed.
    {"period_not_within_600_months", loan(kPeriod, 100000, 0, 10, 800), "100 000.00", "0", "10.000",
     "800.00", false},
    // One instalment of 1 010 repays 1 000 at 12 %: a term of 1 month at that instalment.
    {"period_one_instalment", loan(kPeriod, 1000, 0, 12, 2000), "1 000.00", "1", "12.000",
     "1 010.00", false},
    {"period_repayment_zero_stays_zero", loan(kPeriod, 1000, 0, 12, 0), "1 000.00", "0", "12.000",
     "0.00", false},
    // At 10.00 % the repayment would be 965.0216, above the target.
    {"rate_of_965_02", loan(kRate, 100000, 240, 0, 965.02), "100 000.00", "240", "9.990", "965.02",
     false},
    {"rate_of_1000_over_12_months_without_interest", loan(kRate, 1000, 12, 7, 1000.0 / 12.0),
     "1 000.00", "12", "0.000", "83.33", false},
    // 4 200 a month on 100 000 over 240 months costs 50.39 % a year.
    {"rate_above_50_shows_the_marker", loan(kRate, 100000, 240, 0, 4200), "100 000.00", "240",
     "50.390", "4 200.00", true},
    {"rate_of_exactly_50_has_no_marker", loan(kRate, 100000, 60, 0, 4560.48), "100 000.00", "60",
     "50.000", "4 560.48", false},
};

class LoanCalcTest : public ::testing::TestWithParam<CalcCase>
{};

TEST_P(LoanCalcTest, ShowsTheSolvedLoan)
{
    const CalcCase& c = GetParam();
    LoanState state = c.in;
    const LoanResults r = LoanCalc(state);
    EXPECT_EQ(formatNumber(r.Principal, kFinanceMoneyFormat), c.principal);
    EXPECT_EQ(formatNumber(r.PeriodMonths, "##0"), c.period);
    EXPECT_EQ(formatNumber(r.AnnualRate, "##0.000"), c.rate);
    EXPECT_EQ(formatNumber(r.MonthlyRepayment, kFinanceMoneyFormat), c.repayment);
    EXPECT_EQ(r.rateErrorShown, c.rateError);
    // The solved values stay in the loan for the schedules, the printout and the next
    // activation.
    EXPECT_EQ(state.Principal, r.Principal);
    EXPECT_EQ(state.PeriodMonths, r.PeriodMonths);
    EXPECT_EQ(state.AnnualRate, r.AnnualRate);
    EXPECT_EQ(state.MonthlyRepayment, r.MonthlyRepayment);
    // Calculating again on the solved loan shows the same figures.
    const LoanResults again = LoanCalc(state);
    EXPECT_EQ(formatNumber(again.MonthlyRepayment, kFinanceMoneyFormat), c.repayment);
    EXPECT_EQ(formatNumber(again.PeriodMonths, "##0"), c.period);
    EXPECT_EQ(formatNumber(again.AnnualRate, "##0.000"), c.rate);
}

INSTANTIATE_TEST_SUITE_P(Loan, LoanCalcTest, ::testing::ValuesIn(kCalcCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ZeroCase
{
    const char* name;
    LoanState in;
};

// Each solver with one of its three inputs at 0 shows 0 for the quantity it solves.
const ZeroCase kZeroCases[] = {
    {"repayment_without_principal", loan(kRepayment, 0, 240, 10, 123)},
    {"repayment_without_period", loan(kRepayment, 100000, 0, 10, 123)},
    {"repayment_without_rate", loan(kRepayment, 100000, 240, 0, 123)},
    {"principal_without_period", loan(kPrincipal, 123, 0, 10, 965.02)},
    {"principal_without_rate", loan(kPrincipal, 123, 240, 0, 965.02)},
    {"principal_without_repayment", loan(kPrincipal, 123, 240, 10, 0)},
    {"period_without_principal", loan(kPeriod, 0, 123, 10, 965.02)},
    {"period_without_rate", loan(kPeriod, 100000, 123, 0, 965.02)},
    {"period_without_repayment", loan(kPeriod, 100000, 123, 10, 0)},
    {"rate_without_principal", loan(kRate, 0, 240, 12, 965.02)},
    {"rate_without_period", loan(kRate, 100000, 0, 12, 965.02)},
    {"rate_without_repayment", loan(kRate, 100000, 240, 12, 0)},
};

class LoanZeroTest : public ::testing::TestWithParam<ZeroCase>
{};

TEST_P(LoanZeroTest, SolvesToZeroAndKeepsTheOtherThree)
{
    LoanState state = GetParam().in;
    const LoanState before = state;
    const LoanResults r = LoanCalc(state);
    const double solved[] = {r.MonthlyRepayment, r.Principal, r.PeriodMonths, r.AnnualRate};
    EXPECT_EQ(solved[static_cast<int>(before.CalcMode)], 0.0);
    EXPECT_FALSE(r.rateErrorShown);
    const LoanQuantity solvedField = solvedQuantity(before.CalcMode);
    if (solvedField != LoanQuantity::Principal) {
        EXPECT_EQ(r.Principal, before.Principal);
    }
    if (solvedField != LoanQuantity::Period) {
        EXPECT_EQ(r.PeriodMonths, before.PeriodMonths);
    }
    if (solvedField != LoanQuantity::Rate) {
        EXPECT_EQ(r.AnnualRate, before.AnnualRate);
    }
    if (solvedField != LoanQuantity::Repayment) {
        EXPECT_EQ(r.MonthlyRepayment, before.MonthlyRepayment);
    }
}

INSTANTIATE_TEST_SUITE_P(Loan, LoanZeroTest, ::testing::ValuesIn(kZeroCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoanPeriodTest, NoTermNeverWearsTheRepaymentDown)
{
    // Each Calculate (and each activation) lowers the repayment by 0.01 before the search; when
    // no term is found it goes back to the one typed, so it does not become 799.99, 799.98, ...
    for (const double typed : {800.0, 0.0, 965.02}) {
        LoanState state = loan(kPeriod, 100000, 0, typed == 965.02 ? 0 : 10, typed);
        for (int pass = 0; pass < 3; ++pass) {
            const LoanResults r = activateLoanWindow(state);
            EXPECT_EQ(r.MonthlyRepayment, typed) << typed << " pass " << pass;
            EXPECT_EQ(r.PeriodMonths, 0.0);
            EXPECT_NE(r.termOutcome, TermOutcome::Found);
        }
    }
}

TEST(LoanPeriodTest, OneInstalmentIsOneMonthWithoutLooping)
{
    // 1 999.99 is worth more than 1 000 a month from now at 12 %, so no whole term of a month or
    // more is "not yet repaid".
    LoanState state = loan(kPeriod, 1000, 0, 12, 2000);
    const LoanResults r = LoanCalc(state);
    EXPECT_EQ(r.termOutcome, TermOutcome::OneInstalment);
    EXPECT_EQ(r.PeriodMonths, 1.0);
    EXPECT_EQ(r.MonthlyRepayment, 1010.0);
    // The totals agree with the one instalment: 10 of interest.
    EXPECT_NEAR(r.totals.TotalInterest, 10.0, 1e-9);
    EXPECT_EQ(r.totals.TotalRepayments, 1010.0);
}

TEST(LoanStateTest, StartsEmptyInRepaymentModeWithTheTotalsUp)
{
    const LoanState state;
    EXPECT_EQ(state.Principal, 0.0);
    EXPECT_EQ(state.PeriodMonths, 0.0);
    EXPECT_EQ(state.AnnualRate, 0.0);
    EXPECT_EQ(state.MonthlyRepayment, 0.0);
    EXPECT_EQ(loanCalcModeName(state.CalcMode), "Monthly repayment");
    EXPECT_EQ(finChargesName(state.FinChargesState), "UP");
}

TEST(LoanStateTest, InitialiseAllKeepsOnlyThePrincipal)
{
    LoanState state = loan(kRate, 250000, 120, 11.5, 3000);
    state.FinChargesState = FinCharges::Down;
    state.initialiseAll();
    EXPECT_EQ(state.Principal, 250000.0);
    EXPECT_EQ(state.PeriodMonths, 0.0);
    EXPECT_EQ(state.AnnualRate, 0.0);
    EXPECT_EQ(state.MonthlyRepayment, 0.0);
    EXPECT_EQ(state.CalcMode, kRepayment);
    EXPECT_EQ(state.FinChargesState, FinCharges::Up);
}

struct ModeCase
{
    int item;
    const char* name;
    LoanQuantity solved;
    LoanQuantity focus;
};

const ModeCase kModeCases[] = {
    {0, "Monthly repayment", LoanQuantity::Repayment, LoanQuantity::Principal},
    {1, "Principal amount", LoanQuantity::Principal, LoanQuantity::Period},
    {2, "Repayment period", LoanQuantity::Period, LoanQuantity::Principal},
    {3, "Interest rate", LoanQuantity::Rate, LoanQuantity::Principal},
};

class LoanModeTest : public ::testing::TestWithParam<ModeCase>
{};

TEST_P(LoanModeTest, MarksTheSolvedFieldAndRecalculatesNothing)
{
    const ModeCase& c = GetParam();
    LoanState state = loan(kRepayment, 100000, 240, 10, 965.02);
    const LoanState before = state;
    ASSERT_TRUE(chooseLoanCalcMode(state, c.item));
    EXPECT_EQ(loanCalcModeName(state.CalcMode), c.name);
    EXPECT_EQ(loanModeFocus(state.CalcMode), c.focus);
    for (const LoanQuantity field : {LoanQuantity::Principal, LoanQuantity::Period,
                                     LoanQuantity::Rate, LoanQuantity::Repayment}) {
        const LoanFieldMark mark = loanFieldMark(state.CalcMode, field);
        const bool solved = field == c.solved;
        EXPECT_EQ(mark,
                  (LoanFieldMark{solved ? FieldShade::Yellow : FieldShade::White, solved, !solved}))
            << loanQuantityField(field).controlName;
    }
    EXPECT_EQ(state.Principal, before.Principal);
    EXPECT_EQ(state.PeriodMonths, before.PeriodMonths);
    EXPECT_EQ(state.AnnualRate, before.AnnualRate);
    EXPECT_EQ(state.MonthlyRepayment, before.MonthlyRepayment);
}

INSTANTIATE_TEST_SUITE_P(Loan, LoanModeTest, ::testing::ValuesIn(kModeCases), [](const auto& info) {
    return "item_" + std::to_string(info.param.item);
});

TEST(LoanModeTest, AnItemBeyondTheFourChangesNothing)
{
    LoanState state = loan(kRate, 1, 2, 3, 4);
    EXPECT_FALSE(chooseLoanCalcMode(state, 4));
    EXPECT_FALSE(chooseLoanCalcMode(state, -1));
    EXPECT_EQ(state.CalcMode, kRate);
}

TEST(LoanTotalsTest, FinChargesTogglesAndShowsTheLoanAsItStands)
{
    // The repayment typed (965.02) is not recalculated by the toggle: 965.02 x 240 - 100 000.
    LoanState state = loan(kRepayment, 100000, 240, 10, 965.02);
    const LoanTotalsPanel down = toggleFinCharges(state);
    EXPECT_TRUE(down.shown);
    EXPECT_EQ(state.FinChargesState, FinCharges::Down);
    EXPECT_NEAR(down.totals.TotalInterest, 131604.8, 1e-6);
    EXPECT_NEAR(down.totals.TotalRepayments, 231604.8, 1e-6);
    EXPECT_EQ(state.MonthlyRepayment, 965.02);

    // Calculated, the totals come with the results while the panel is down.
    const LoanResults r = LoanCalc(state);
    EXPECT_TRUE(r.totalsShown);
    EXPECT_EQ(formatNumber(r.totals.TotalInterest, kFinanceMoneyFormat), "131 605.19");
    EXPECT_EQ(formatNumber(r.totals.TotalRepayments, kFinanceMoneyFormat), "231 605.19");

    const LoanTotalsPanel up = toggleFinCharges(state);
    EXPECT_FALSE(up.shown);
    EXPECT_EQ(state.FinChargesState, FinCharges::Up);
    EXPECT_FALSE(LoanCalc(state).totalsShown);
}

TEST(LoanActivationTest, RecalculatesTheLoanTheWindowLeft)
{
    // The window closed after typing a new principal: reopening it shows the repayment of that
    // principal, and the state survives Initialise All's reset of the rest.
    LoanState state = loan(kRepayment, 100000, 240, 10, 965.02);
    state.Principal = 200000;
    const LoanResults r = activateLoanWindow(state);
    EXPECT_EQ(formatNumber(r.MonthlyRepayment, kFinanceMoneyFormat), "1 930.04");

    state.initialiseAll();
    const LoanResults reset = activateLoanWindow(state);
    EXPECT_EQ(reset.Principal, 200000.0);
    EXPECT_EQ(reset.MonthlyRepayment, 0.0);
    EXPECT_EQ(reset.PeriodMonths, 0.0);
    EXPECT_EQ(reset.AnnualRate, 0.0);
}

TEST(LoanFieldsTest, InputsAndResultsInTheWindowsOrder)
{
    const std::vector<std::string_view> inputs{"optLoanCalc", "numPrinAmount", "numPeriod",
                                               "numIntRate",  "numMonRePay",   "cmdFinCharge",
                                               "Check1"};
    const std::vector<std::string_view> results{
        "numPrinAmount", "numPeriod", "numIntRate", "numMonRePay", "numAns1", "numAns2", "Text1"};
    std::vector<std::string_view> got;
    for (const auto& binding : loanInputBindings()) {
        got.push_back(binding.field->controlName);
        EXPECT_FALSE(binding.field->readOnly);
    }
    EXPECT_EQ(got, inputs);
    got.clear();
    for (const auto& binding : loanResultBindings()) {
        got.push_back(binding.field->controlName);
        EXPECT_TRUE(binding.field->readOnly);
    }
    EXPECT_EQ(got, results);
    // Each loan field's result shares its input's key, so a solved value reads back as an input.
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(loanInputBindings()[i + 1].field->key, loanResultBindings()[i].field->key);
    }
}

TEST(LoanFieldsTest, BindingsWriteTheLoan)
{
    LoanInputs state;
    const auto inputs = loanInputBindings();
    inputs[0].set(state, 2.0);
    inputs[1].set(state, 1000.0);
    inputs[2].set(state, 12.0);
    inputs[3].set(state, 9.5);
    inputs[4].set(state, 90.0);
    inputs[5].set(state, 1.0);
    inputs[6].set(state, 1.0);
    EXPECT_EQ(state.CalcMode, kPeriod);
    EXPECT_EQ(state.Principal, 1000.0);
    EXPECT_EQ(state.PeriodMonths, 12.0);
    EXPECT_EQ(state.AnnualRate, 9.5);
    EXPECT_EQ(state.MonthlyRepayment, 90.0);
    EXPECT_EQ(state.FinChargesState, FinCharges::Down);
    EXPECT_EQ(state.printOptions.schedule(), AmortKind::Monthly);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const double expected[] = {2.0, 1000.0, 12.0, 9.5, 90.0, 1.0, 1.0};
        EXPECT_EQ(std::get<double>(inputs[i].get(state)), expected[i]);
    }
    // Mode 2 solves the period: 89.99 is worth 944 over 11 months and 1 026 over 12, so 11
    // months at the repayment raised to 95.29.
    const LoanResults r = LoanCalc(state);
    const auto results = loanResultBindings();
    EXPECT_EQ(results[1].get(r), 11.0);
    EXPECT_EQ(shownText(results[3], r), "95.29");
    EXPECT_EQ(results[4].get(r), r.totals.TotalInterest);
    EXPECT_EQ(results[5].get(r), r.totals.TotalRepayments);
    EXPECT_EQ(results[6].get(r), 0.0);
}

TEST(LoanValidationTest, PeriodAndRateFieldsHaveTheirMessages)
{
    const LoanState state;
    const Message period = *loanRefusalMessage(loanQuantityField(LoanQuantity::Period), 601, state);
    EXPECT_EQ(period, (Message{"The maximum period  allowed is 600 months", "Incorrect Period!",
                               MessageIcon::Error}));
    const Message rate = *loanRefusalMessage(loanQuantityField(LoanQuantity::Rate), 50.5, state);
    EXPECT_EQ(rate, (Message{"The maximum interest rate allowed is 50%", "Incorrect Interest Rate!",
                             MessageIcon::Error}));
    // The amount fields hold their maxima without a message.
    EXPECT_FALSE(loanRefusalMessage(loanQuantityField(LoanQuantity::Principal), 1e8, state));
    EXPECT_FALSE(loanRefusalMessage(loanQuantityField(LoanQuantity::Repayment), 1e7, state));
    EXPECT_EQ(loanQuantityField(LoanQuantity::Period).maximum, 600.0);
    EXPECT_EQ(loanQuantityField(LoanQuantity::Rate).maximum, 50.0);
    EXPECT_EQ(loanQuantityField(LoanQuantity::Principal).maximum, 99999999.99);
    EXPECT_EQ(loanQuantityField(LoanQuantity::Repayment).maximum, 9999999.99);
}

TEST(LoanValidationTest, ChecksTheTypedQuantitiesOnly)
{
    EXPECT_FALSE(validateLoanInputs(loan(kRepayment, 1e5, 600, 50, 0)));
    const auto period = validateLoanInputs(loan(kRepayment, 1e5, 601, 10, 0));
    ASSERT_TRUE(period);
    EXPECT_EQ(period->field, &loanQuantityField(LoanQuantity::Period));
    EXPECT_EQ(period->message, maximumLoanPeriodMessage());
    const auto rate = validateLoanInputs(loan(kPrincipal, 0, 240, 50.001, 900));
    ASSERT_TRUE(rate);
    EXPECT_EQ(rate->field, &loanQuantityField(LoanQuantity::Rate));
    EXPECT_EQ(rate->message, maximumLoanRateMessage());
    // A rate solved above 50 stays in the loan; it is no typed value to refuse in its own mode.
    EXPECT_FALSE(validateLoanInputs(loan(kRate, 1e5, 240, 50.39, 4200)));
}

} // namespace
} // namespace grovan
