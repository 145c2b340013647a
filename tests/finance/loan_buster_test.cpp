// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/number_format.h"
#include "core/print_database.h"
#include "core/report_renderer.h"
#include "core/report_template.h"
#include "finance/finance_fields.h"
#include "finance/finance_messages.h"
#include "finance/loan_buster_calculator.h"
#include "finance/loan_buster_fields.h"
#include "finance/loan_buster_printout.h"
#include "finance/loan_buster_validation.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

LoanBusterInputs buster(double principal, std::int16_t term, double rate, double extra)
{
    LoanBusterInputs in;
    in.BusterPrincipal = principal;
    in.BaseTerm = term;
    in.BusterRate = rate;
    in.BusterExtra = extra;
    return in;
}

std::string money(double value)
{
    return formatNumber(value, kFinanceMoneyFormat);
}

struct BusterCase
{
    const char* name;
    LoanBusterInputs in;
    BusterColumn column;
    // Both columns as the window shows them, and the extra payment rewritten.
    const char* r0;
    const char* ti0;
    const char* tr0;
    const char* extra;
    int n1;
    const char* r1;
    const char* ti1;
    const char* tr1;
    const char* saving;
};

const BusterCase kBusterCases[] = {
    // 965.0216 x 240 = 231 605.19; without an extra payment the right-hand column repeats the
    // left-hand one (the repayment lowered by 0.01 and raised again lands on R0).
    {"no_extra_payment", buster(100000, 240, 10, 0), BusterColumn::Calculated, "965.02",
     "131 605.19", "231 605.19", "0.00", 240, "965.02", "131 605.19", "231 605.19", "0.00"},
    // 1 165.0116 a month is worth less than 100 000 over 151 months: 151 months at the repayment
    // raised a cent at a time to 1 166.5016, an extra payment of 201.48.
    {"extra_payment_200", buster(100000, 240, 10, 200), BusterColumn::Calculated, "965.02",
     "131 605.19", "231 605.19", "201.48", 151, "1 166.50", "76 141.75", "176 141.75", "55 463.45"},
    // The adjusted extra payment calculated again comes back unchanged.
    {"adjusted_extra_payment_again", buster(100000, 240, 10, 201.48), BusterColumn::Calculated,
     "965.02", "131 605.19", "231 605.19", "201.48", 151, "1 166.50", "76 141.75", "176 141.75",
     "55 463.45"},
    // Ten times 965.0216 is 9 650.22: 10 000 is too much, the right-hand column is cleared and the
    // extra payment stays as typed.
    {"extra_above_ten_repayments", buster(100000, 240, 10, 10000), BusterColumn::ExtraTooLarge,
     "965.02", "131 605.19", "231 605.19", "10 000.00", 0, "0.00", "0.00", "0.00", "0.00"},
    // R0 = 833.33 / (1 - (1 + 0.1/12)^-2) = 50 625.86 over two months; 100 000 more pays the
    // 100 000 and a month's 833.33 at once: one month at 100 833.34, an extra payment of
    // 100 833.34 - 50 625.86, a saving of 2 x 50 625.86 - 100 833.34.
    {"one_instalment_repays_the_loan", buster(100000, 2, 10, 100000), BusterColumn::Calculated,
     "50 625.86", "1 251.73", "101 251.73", "50 207.48", 1, "100 833.34", "833.34", "100 833.34",
     "418.39"},
    // A window opened afresh has no term: every result is 0, the extra payment stays.
    {"no_term", buster(100000, 0, 10, 0), BusterColumn::NoLoan, "0.00", "0.00", "0.00", "0.00", 0,
     "0.00", "0.00", "0.00", "0.00"},
    {"no_term_with_an_extra_payment", buster(100000, 0, 10, 500), BusterColumn::NoLoan, "0.00",
     "0.00", "0.00", "500.00", 0, "0.00", "0.00", "0.00", "0.00"},
    {"no_rate", buster(100000, 240, 0, 200), BusterColumn::NoLoan, "0.00", "0.00", "0.00", "200.00",
     0, "0.00", "0.00", "0.00", "0.00"},
    {"no_principal", buster(0, 240, 10, 0), BusterColumn::NoLoan, "0.00", "0.00", "0.00", "0.00", 0,
     "0.00", "0.00", "0.00", "0.00"},
    // R0 less 0.01 repays nothing within 600 months: no shorter term, the right-hand column
    // repeats the left-hand one.
    {"longest_term_without_extra", buster(500000, 600, 10, 0), BusterColumn::NoShorterTerm,
     "4 195.53", "2 017 316.63", "2 517 316.63", "0.00", 600, "4 195.53", "2 017 316.63",
     "2 517 316.63", "0.00"},
};

class LoanBusterTest : public ::testing::TestWithParam<BusterCase>
{};

TEST_P(LoanBusterTest, BothColumns)
{
    const BusterCase& c = GetParam();
    const LoanBusterResults r = calculateLoanBuster(c.in);
    EXPECT_EQ(r.column, c.column);
    EXPECT_EQ(money(r.R0), c.r0);
    EXPECT_EQ(money(r.TI0), c.ti0);
    EXPECT_EQ(money(r.TR0), c.tr0);
    EXPECT_EQ(money(r.BusterExtra), c.extra);
    EXPECT_EQ(r.n1, c.n1);
    EXPECT_EQ(money(r.R1), c.r1);
    EXPECT_EQ(money(r.TI1), c.ti1);
    EXPECT_EQ(money(r.TR1), c.tr1);
    EXPECT_EQ(money(r.saving), c.saving);
    const bool cleared = c.column == BusterColumn::ExtraTooLarge;
    EXPECT_EQ(r.principal, cleared ? 0.0 : c.in.BusterPrincipal);
    EXPECT_EQ(r.rate, cleared ? 0.0 : c.in.BusterRate);
    EXPECT_EQ(loanBusterCalculationMessage(r).has_value(), cleared);
}

INSTANTIATE_TEST_SUITE_P(LoanBuster, LoanBusterTest, ::testing::ValuesIn(kBusterCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoanBusterCalcTest, KeepsTheAdjustedExtraPaymentForTheNextCalculation)
{
    LoanBusterState state;
    state.BusterPrincipal = 100000;
    state.BusterRate = 10;
    state.BusterExtra = 200;
    const LoanBusterResults first = BBCalc(state, 240);
    EXPECT_EQ(state.BusterExtra, first.BusterExtra);
    EXPECT_EQ(money(state.BusterExtra), "201.48");
    const LoanBusterResults second = BBCalc(state, 240);
    EXPECT_EQ(second.BusterExtra, first.BusterExtra);
    EXPECT_EQ(second.n1, 151);

    // Too large an extra payment is not rewritten.
    state.BusterExtra = 10000;
    BBCalc(state, 240);
    EXPECT_EQ(state.BusterExtra, 10000.0);
}

TEST(LoanBusterCalcTest, TooLargeAnExtraPaymentIsToldWithTheMostItTakes)
{
    const LoanBusterResults r = calculateLoanBuster(buster(100000, 240, 10, 10000));
    EXPECT_EQ(loanBusterCalculationMessage(r),
              (Message{"The extra voluntary payment can be at most ten times the monthly "
                       "repayment: R 9 650.21.",
                       "Incorrect Extra Payment!", MessageIcon::Error}));
    // The most it takes is accepted.
    EXPECT_EQ(calculateLoanBuster(buster(100000, 240, 10, 9650.21)).column,
              BusterColumn::Calculated);
}

TEST(LoanBusterCalcTest, RatesAreHeldAsTyped)
{
    // 10.1 % held in single precision would be 10.100000381...; the repayment is that of 10.1.
    const LoanBusterResults r = calculateLoanBuster(buster(100000, 240, 10.1, 0));
    EXPECT_EQ(r.R0, annuityRepayment(100000, 240, 10.1));
    EXPECT_NE(r.R0, annuityRepayment(100000, 240, static_cast<float>(10.1)));
    EXPECT_EQ(r.rate, 10.1);
}

TEST(LoanBusterStateTest, InitialiseAllClearsAllThree)
{
    LoanBusterState state;
    state.BusterPrincipal = 1;
    state.BusterRate = 2;
    state.BusterExtra = 3;
    state.initialiseAll();
    EXPECT_EQ(state.BusterPrincipal, 0.0);
    EXPECT_EQ(state.BusterRate, 0.0);
    EXPECT_EQ(state.BusterExtra, 0.0);
}

TEST(LoanBusterFieldsTest, ControlsInTheWindowsOrder)
{
    std::vector<std::string_view> controls;
    for (const auto& binding : loanBusterInputBindings()) {
        controls.push_back(binding.field->controlName);
    }
    EXPECT_EQ(controls, (std::vector<std::string_view>{"numPrinAmount", "numPeriod", "numIntRate",
                                                       "numXtraPay"}));
    controls.clear();
    for (const auto& binding : loanBusterResultBindings()) {
        controls.push_back(binding.field->controlName);
    }
    EXPECT_EQ(controls, (std::vector<std::string_view>{"numMonRePay", "numAns1(0)", "numAns1(1)",
                                                       "numXtraPay", "numAns1(2)", "numAns2",
                                                       "numAns1(3)", "numAns1(4)", "numAns1(5)",
                                                       "numAns1(6)", "numAns1(7)", ""}));

    LoanBusterInputs in;
    const auto inputs = loanBusterInputBindings();
    inputs[0].set(in, 100000.0);
    inputs[1].set(in, 240.0);
    inputs[2].set(in, 10.0);
    inputs[3].set(in, 200.0);
    EXPECT_EQ(in.BaseTerm, 240);
    const LoanBusterResults r = calculateLoanBuster(in);
    EXPECT_EQ(shownText(loanBusterResultBindings()[5], r), "151");
    EXPECT_EQ(shownText(loanBusterResultBindings()[6], r), "10.000");
    EXPECT_EQ(loanBusterResultBindings()[11].get(r), 0.0);
}

TEST(LoanBusterValidationTest, PeriodAndRateMessages)
{
    const LoanBusterInputs in;
    EXPECT_EQ(loanBusterRefusalMessage(loanBusterPeriodField(), 601, in),
              maximumLoanPeriodMessage());
    EXPECT_EQ(loanBusterRefusalMessage(loanBusterRateField(), 51, in), maximumLoanRateMessage());
    EXPECT_FALSE(loanBusterRefusalMessage(loanBusterExtraField(), 1e9, in));

    EXPECT_FALSE(validateLoanBusterInputs(buster(1e5, 600, 50, 1e6)));
    const auto period = validateLoanBusterInputs(buster(1e5, 601, 10, 0));
    ASSERT_TRUE(period);
    EXPECT_EQ(period->field, &loanBusterPeriodField());
    const auto rate = validateLoanBusterInputs(buster(1e5, 240, 50.5, 0));
    ASSERT_TRUE(rate);
    EXPECT_EQ(rate->field, &loanBusterRateField());
    EXPECT_EQ(rate->message, maximumLoanRateMessage());
}

TEST(LoanBusterPrintoutTest, OnlyWithAPrincipal)
{
    EXPECT_FALSE(loanBusterPrintAllowed(buster(0, 240, 10, 200)));
    EXPECT_TRUE(loanBusterPrintAllowed(buster(0.01, 0, 0, 0)));
}

TEST(LoanBusterPrintoutTest, TheRowOfTheLastCalculationPrints)
{
    const LoanBusterInputs in = buster(100000, 240, 10, 200);
    const LoanBusterResults r = calculateLoanBuster(in);
    const Row row = loanBusterPrintRow(in, r);
    const Row expected{
        {"PAmt", 100000.0},         {"Period", std::int64_t{240}},
        {"IntRate", 10.0},          {"MonRep", r.R0},
        {"TotIntPaid", r.TI0},      {"TotRep", r.TR0},
        {"XtraPay", r.BusterExtra}, {"Xper", std::int64_t{151}},
        {"XMonRep", r.R1},          {"XTotIntPaid", r.TI1},
        {"XTotRep", r.TR1},         {"XTotSavings", r.saving},
    };
    EXPECT_EQ(row, expected);

    testing::TempFolder folder;
    testing::RecordingSink sink;
    const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(), sink);
    ASSERT_TRUE(database.writeRow(kLoanBusterPrintTable, row));
    EXPECT_EQ(*database.readRow(kLoanBusterPrintTable), expected);

    const auto loaded = ReportTemplate::load(
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
            "reports" / kLoanBusterReportTemplate,
        programCalculators().printSchema());
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(loaded));
    ReportData data;
    data.rows[kLoanBusterPrintTable] = row;
    const std::string html = renderReport(std::get<ReportTemplate>(loaded), data).html;
    for (const char* shown : {"151 months", "240 months", "1 166.50", "201.48", "55 463.45",
                              "10.000 % p.a.", "176 141.75"}) {
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    }
}

} // namespace
} // namespace grovan
