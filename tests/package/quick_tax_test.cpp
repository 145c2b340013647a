// SPDX-License-Identifier: GPL-3.0-or-later
#include "package/quick_tax.h"
#include "package/quick_tax_fields.h"
#include "package/quick_tax_printout.h"
#include "paye/monthly_calculator.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

struct SummaryCase
{
    const char* name;
    double income;
    std::int16_t age;
    double baseTax;
    double marginalRate;
    double taxOnExcess;
    double totalTax;
    double rebate;
    double taxCommitment;
    double avgRateBefore;
    double avgRateAfter;
};

// Worked by hand from the 2021/22 table: base tax + (income - floor) x rate / 100, less the
// rebate (15 714; 24 327 from 65; 27 198 from 75); average rates over the income x 100.
const SummaryCase kSummaryCases[] = {
    // 110 739 + 32 500 x 0.36; 122 439 / 500 000 = 24.4878 %, 106 725 / 500 000 = 21.345 %.
    {"income_500000_age_40", 500000, 40, 110739, 36, 11700, 122439, 15714, 106725, 24.4878, 21.345},
    // 14 400 is below the rebate: commitment 0; (14 400 - 15 714) / 80 000 = -1.6425 % is 0.
    {"income_80000_age_40", 80000, 40, 0, 18, 14400, 14400, 15714, 0, 18, 0},
    {"income_500000_age_64", 500000, 64, 110739, 36, 11700, 122439, 15714, 106725, 24.4878, 21.345},
    // 98 112 / 500 000 = 19.6224 %.
    {"income_500000_age_65", 500000, 65, 110739, 36, 11700, 122439, 24327, 98112, 24.4878, 19.6224},
    {"income_500000_age_74", 500000, 74, 110739, 36, 11700, 122439, 24327, 98112, 24.4878, 19.6224},
    // 95 241 / 500 000 = 19.0482 %.
    {"income_500000_age_75", 500000, 75, 110739, 36, 11700, 122439, 27198, 95241, 24.4878, 19.0482},
    // No tax: the average rate before rebates is the marginal rate, 18.
    {"income_0", 0, 40, 0, 18, 0, 0, 15714, 0, 18, 0},
    // A negative income (a deduction above the income) has no tax either; the band's own
    // figures stand as the table gives them.
    {"negative_income", -1000, 40, 0, 18, -180, 0, 15714, 0, 18, 0},
    // 587 593 + 343 400 x 0.45 = 742 123; less 15 714 = 726 409.
    {"income_2000000_top_band", 2000000, 40, 587593, 45, 154530, 742123, 15714, 726409, 37.10615,
     36.32045},
};

class QuickTaxSummary : public ::testing::TestWithParam<SummaryCase>
{};

TEST_P(QuickTaxSummary, BreaksTheTaxDown)
{
    const SummaryCase& c = GetParam();
    TaxSummary s;
    s.Income = c.income;
    s.Age = c.age;
    TaxableIncomeRecord record;
    NEWCALC(s, record);

    EXPECT_EQ(s.Income, c.income);
    EXPECT_EQ(s.Age, c.age);
    EXPECT_NEAR(s.Band.BaseTax, c.baseTax, 1e-9);
    EXPECT_NEAR(s.Band.MarginalRate, c.marginalRate, 1e-9);
    EXPECT_NEAR(s.Band.TaxOnExcess, c.taxOnExcess, 1e-9);
    EXPECT_NEAR(s.TotalTax, c.totalTax, 1e-9);
    EXPECT_EQ(s.Rebate, c.rebate);
    EXPECT_NEAR(s.TaxCommitment, c.taxCommitment, 1e-9);
    EXPECT_NEAR(s.AvgRateBefore, c.avgRateBefore, 1e-9);
    EXPECT_NEAR(s.AvgRateAfter, c.avgRateAfter, 1e-9);
    EXPECT_EQ(record.LastTaxableIncome, c.income);
}

INSTANTIATE_TEST_SUITE_P(QuickTax, QuickTaxSummary, ::testing::ValuesIn(kSummaryCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShownCase
{
    const char* name;
    const char* key;
    const char* shown;
};

// The window shows whole rands and the rates with one decimal: 24.4878 as 24.5, 21.345 as 21.3.
const ShownCase kShownCases[] = {
    {"base_tax", "baseTax", "110 739"},
    {"marginal_rate", "marginalRate", "36"},
    {"portion", "taxOnExcess", "11 700"},
    {"total_tax", "totalTax", "122 439"},
    {"rebate", "rebate", "15 714"},
    {"commitment", "taxCommitment", "106 725"},
    {"rate_before", "averageRateBefore", "24.5"},
    {"rate_after", "averageRateAfter", "21.3"},
};

class QuickTaxShown : public ::testing::TestWithParam<ShownCase>
{};

TEST_P(QuickTaxShown, AsTheWindowShowsIt)
{
    TaxSummary s;
    s.Income = 500000;
    s.Age = 40;
    TaxableIncomeRecord record;
    NEWCALC(s, record);
    for (const auto& binding : quickTaxResultBindings()) {
        if (binding.field->key == GetParam().key) {
            EXPECT_EQ(shownText(binding, s), GetParam().shown);
            return;
        }
    }
    ADD_FAILURE() << "no result " << GetParam().key;
}

INSTANTIATE_TEST_SUITE_P(QuickTax, QuickTaxShown, ::testing::ValuesIn(kShownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QuickTaxFields, AreTheControlArrayInOrder)
{
    int index = 0;
    for (const auto& binding : quickTaxInputBindings()) {
        EXPECT_EQ(binding.field->controlName, "sidbEdit1(" + std::to_string(index++) + ")");
    }
    for (const auto& binding : quickTaxResultBindings()) {
        EXPECT_EQ(binding.field->controlName, "sidbEdit1(" + std::to_string(index++) + ")");
    }
    EXPECT_EQ(index, 10);
}

TEST(QuickTaxRefresh, ShowsTheLastIncomeAnyCalculatorTaxed)
{
    // A monthly calculation of 30 000 for March leaves 360 000 as the last taxable income.
    TaxableIncomeRecord record;
    MonthlyInputs month;
    month.salary = 30000;
    month.bonus = 5000;
    calculateMonthly(month, SetupValues{}, record);

    TaxSummary s;
    s.Income = 123;
    s.Age = 40;
    refreshQuickTax(s, record);
    EXPECT_EQ(s.Income, 360000.0);
    // 70 532 + 22 200 x 0.31.
    EXPECT_EQ(s.TotalTax, 77414.0);
    EXPECT_EQ(s.TaxCommitment, 61700.0);
}

TEST(QuickTaxEditing, IncomeSetsTheLastTaxableIncomeAndRecalculatesNothing)
{
    TaxableIncomeRecord record;
    TaxSummary s;
    s.Income = 500000;
    s.Age = 40;
    NEWCALC(s, record);

    setQuickTaxIncome(s, record, 80000);
    setQuickTaxAge(s, 65.5);
    EXPECT_EQ(s.Income, 80000.0);
    EXPECT_EQ(record.LastTaxableIncome, 80000.0);
    EXPECT_EQ(s.Age, 66);
    EXPECT_EQ(s.TotalTax, 122439.0) << "nothing is recalculated until Calculate";

    // Activation or Calculate takes the typed income back from the last taxable income.
    refreshQuickTax(s, record);
    EXPECT_EQ(s.TotalTax, 14400.0);
    EXPECT_EQ(s.Rebate, 24327.0);
}

struct AgeCase
{
    const char* name;
    double typed;
    std::int16_t age;
};

const AgeCase kAgeCases[] = {
    {"whole", 40, 40},
    {"half_rounds_down_to_even", 64.5, 64},
    {"half_rounds_up_to_even", 65.5, 66},
    {"beyond_16_bits_keeps_the_age", 40000, 7},
};

class QuickTaxAge : public ::testing::TestWithParam<AgeCase>
{};

TEST_P(QuickTaxAge, IsAWholeNumber)
{
    TaxSummary s;
    s.Age = 7;
    setQuickTaxAge(s, GetParam().typed);
    EXPECT_EQ(s.Age, GetParam().age);
}

INSTANTIATE_TEST_SUITE_P(QuickTax, QuickTaxAge, ::testing::ValuesIn(kAgeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QuickTaxPrintout, WritesTheElevenFieldsInOrder)
{
    TaxSummary s;
    s.Income = 500000;
    s.Age = 40;
    TaxableIncomeRecord record;
    NEWCALC(s, record);
    const Row expected{
        {"AGE", std::int64_t{40}},
        {"TAXINCOME", 500000.0},
        {"TAXTOPAY", 110739.0},
        {"MARGRATE", 36.0},
        {"PORTION", 11700.0},
        {"TOTTAX", 122439.0},
        {"REBATE", 15714.0},
        {"TAXCOM4", 106725.0},
        {"AVRATE", s.AvgRateBefore},
        {"AVRATEAFT", s.AvgRateAfter},
        // 106 725 / 12.
        {"TAXCOM4/2", 8893.75},
    };
    EXPECT_EQ(quickTaxPrintRow(s), expected);
}

TEST(QuickTaxPrintout, TypedIncomePrintsBesideThePreviousFigures)
{
    TaxSummary s;
    s.Income = 500000;
    s.Age = 40;
    TaxableIncomeRecord record;
    NEWCALC(s, record);
    setQuickTaxIncome(s, record, 80000);

    const Row row = quickTaxPrintRow(s);
    EXPECT_EQ(*findField(row, "TAXINCOME"), FieldValue{80000.0});
    EXPECT_EQ(*findField(row, "TOTTAX"), FieldValue{122439.0});
    EXPECT_EQ(*findField(row, "TAXCOM4"), FieldValue{106725.0});
}

} // namespace
} // namespace grovan
