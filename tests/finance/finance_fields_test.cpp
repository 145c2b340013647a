// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/daily_balance_fields.h"
#include "finance/finance_state.h"
#include "finance/inflation_fields.h"
#include "finance/loan_buster_fields.h"
#include "finance/loan_comparison_fields.h"
#include "finance/loan_fields.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <string_view>

namespace grovan {
namespace {

// The number a value holds: a date's day number.
double numberOf(const InputValue& value)
{
    if (const auto* date = std::get_if<CalendarDate>(&value)) {
        return date->dayNumber();
    }
    return std::get<double>(value);
}

// What every finance calculator's tables hold: within the inputs and within the results no key
// or control name twice (the loan windows show a solved value in the input's own field, so a
// result may share its input's key and control); inputs writable with their window's default
// described, inside their range unless it stands for "no date"; results read-only with a display
// format.
template <typename Inputs, typename Results>
void expectFinanceTables(std::span<const InputBinding<Inputs>> inputs,
                         std::span<const ResultBinding<Results>> results, const Inputs& opened)
{
    std::set<std::string_view> keys;
    std::set<std::string_view> controls;
    for (const auto& binding : inputs) {
        const FieldDescription& field = *binding.field;
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        EXPECT_TRUE(controls.insert(field.controlName).second) << field.controlName;
        EXPECT_FALSE(field.readOnly) << field.key;
        EXPECT_FALSE(field.label.empty()) << field.key;
        const double value = numberOf(binding.get(opened));
        EXPECT_EQ(value, field.defaultValue) << field.key;
        if (!(field.kind == FieldKind::Date && field.mayBeEmpty && value == kNoDate)) {
            EXPECT_GE(value, field.minimum) << field.key;
            EXPECT_LE(value, field.maximum) << field.key;
        }
    }
    keys.clear();
    controls.clear();
    for (const auto& binding : results) {
        const FieldDescription& field = *binding.field;
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
        if (!field.controlName.empty()) {
            EXPECT_TRUE(controls.insert(field.controlName).second) << field.controlName;
        }
        EXPECT_TRUE(field.readOnly) << field.key;
        EXPECT_FALSE(field.displayFormat.empty()) << field.key;
    }
}

TEST(FinanceFieldTables, Loan)
{
    expectFinanceTables(loanInputBindings(), loanResultBindings(), LoanInputs{});
}

TEST(FinanceFieldTables, LoanBuster)
{
    expectFinanceTables(loanBusterInputBindings(), loanBusterResultBindings(), LoanBusterInputs{});
}

TEST(FinanceFieldTables, LoanComparison)
{
    expectFinanceTables(loanComparisonInputBindings(),
                        std::span<const ResultBinding<LoanComparisonResults>>{},
                        LoanComparisonState{});
    for (const auto& table : loanComparisonResultTables()) {
        std::set<std::string_view> keys;
        for (const FieldDescription& column : table.columns) {
            EXPECT_TRUE(keys.insert(column.key).second) << column.key;
            EXPECT_TRUE(column.readOnly) << column.key;
            EXPECT_FALSE(column.displayFormat.empty()) << column.key;
        }
    }
}

TEST(FinanceFieldTables, DailyBalance)
{
    expectFinanceTables(dailyBalanceInputBindings(), dailyBalanceResultBindings(), DayBalState{});
}

TEST(FinanceFieldTables, Inflation)
{
    expectFinanceTables(inflationInputBindings(), inflationResultBindings(), InflationState{});
}

// Every window's captions name each control once, and each of its buttons has an access key.
TEST(FinanceWindowCaptions, EachControlOnce)
{
    for (const auto captions :
         {loanWindowCaptions(), loanBusterWindowCaptions(), loanComparisonWindowCaptions(),
          dailyBalanceWindowCaptions(), inflationWindowCaptions()}) {
        std::set<std::string_view> controls;
        for (const ControlCaption& c : captions) {
            EXPECT_TRUE(controls.insert(c.control).second) << c.control;
            if (c.control.starts_with("cmd")) {
                EXPECT_NE(c.caption.find('&'), std::string_view::npos) << c.control;
            }
        }
        for (const char* panel : {"cmdPD", "cmdVR", "cmdPrintCancel", "cmdCalculate"}) {
            EXPECT_TRUE(controls.contains(panel)) << panel;
        }
    }
}

TEST(FinanceWindowCaptions, TheLoanModesAreTheModeNames)
{
    std::size_t found = 0;
    for (const ControlCaption& c : loanWindowCaptions()) {
        for (int item = 0; item < 4; ++item) {
            if (c.control == "optLoanCalc(" + std::to_string(item) + ")") {
                EXPECT_EQ(c.caption, loanCalcModeName(static_cast<LoanCalcMode>(item)));
                ++found;
            }
        }
    }
    EXPECT_EQ(found, 4u);
}

TEST(FinanceStateTest, InitialiseAllResetsEachCalculatorAsItSays)
{
    FinanceState state;
    state.loan = {{100000, 240, 10, 965.02, LoanCalcMode::InterestRate, FinCharges::Down}, {}};
    state.loanBuster = {100000, 10, 200};
    state.loanComparison = {100000, 10};
    state.dailyBalance = {1000, 10, 44256, 44620, 1.0};
    state.inflation = {100000, 10, 6, 179085, 55839};
    state.initialiseAll();

    EXPECT_EQ(state.loan.Principal, 100000.0) << "the loan keeps its principal";
    EXPECT_EQ(state.loan.PeriodMonths, 0.0);
    EXPECT_EQ(state.loan.AnnualRate, 0.0);
    EXPECT_EQ(state.loan.MonthlyRepayment, 0.0);
    EXPECT_EQ(state.loan.CalcMode, LoanCalcMode::MonthlyRepayment);
    EXPECT_EQ(state.loan.FinChargesState, FinCharges::Up);
    EXPECT_EQ(state.loanBuster.BusterPrincipal, 0.0);
    EXPECT_EQ(state.loanBuster.BusterRate, 0.0);
    EXPECT_EQ(state.loanBuster.BusterExtra, 0.0);
    EXPECT_EQ(state.loanComparison.CompPrincipal, 0.0);
    EXPECT_EQ(state.loanComparison.CompRate, 0.0);
    EXPECT_EQ(state.dailyBalance.DayBalCapital, 0.0);
    EXPECT_EQ(state.dailyBalance.DayBalRate, 0.0);
    EXPECT_EQ(state.dailyBalance.DayBalStart, kNoDate);
    EXPECT_EQ(state.dailyBalance.DayBalEnd, kNoDate);
    EXPECT_EQ(state.dailyBalance.DayBalRateStep, 0.25);
    EXPECT_EQ(state.inflation.PresentCost, 0.0);
    EXPECT_EQ(state.inflation.InflationYears, 0.0);
    EXPECT_EQ(state.inflation.InflationRate, 0.0);
    EXPECT_EQ(state.inflation.FutureCost, 0.0);
    EXPECT_EQ(state.inflation.BuyingPower, 0.0);
}

} // namespace
} // namespace grovan
