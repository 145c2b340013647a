// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/daily_calculator.h"
#include "paye/daily_fields.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string_view>

namespace grovan {
namespace {

struct DailyCase
{
    const char* name;
    std::function<void(DailyInputs&, SetupValues&)> given;
    double fundDeduction;
    double taxLiability;
    double medicalCredit;
    double additionalMedicalCredit;
    double totalTaxDeduction;
    double employeeUif;
};

// Annual taxes worked by hand from the 2021/22 table; the day's tax is (annual tax - rebate)
// / 260 plus the tax on the bonus. Set-up: UIF 1 %, monthly limit 17 712 (a day's
// 17 712 x 12 / 260 = 817.48).
const DailyCase kDailyCases[] = {
    {"defaults_give_zero_everywhere", [](DailyInputs&, SetupValues&) {}, 0, 0, 0, 0, 0, 0},
    {"salary_1000_age_40",
     // 260 000 a year: 38 916 + 43 800 x 0.26 = 50 304; (50 304 - 15 714) / 260 = 133.04.
     [](DailyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 1000;
     },
     0, 34590.0 / 260, 0, 0, 34590.0 / 260, 17712.0 * 12 / 260 / 100},
    {"two_beneficiaries_with_an_employers_contribution",
     // 664 x 12 / 260 = 30.65. The 100 fringe benefit, 26 000 a year, is taxed 4 680, below
     // the rebate: (4 680 - 15 714) / 260 is negative, clamped at 0.
     [](DailyInputs& in, SetupValues&) {
         in.employerMedical = 100;
         in.beneficiaries = 2;
     },
     0, 0, 7968.0 / 260, 0, 0, 1},
    {"three_beneficiaries",
     // ((3 - 2) x 2 688 + 7 968) / 260.
     [](DailyInputs& in, SetupValues&) {
         in.employeeMedical = 20;
         in.beneficiaries = 3;
     },
     0, 0, 10656.0 / 260, 0, 0, 0},
    {"no_contribution_no_credit", [](DailyInputs& in, SetupValues&) { in.beneficiaries = 3; }, 0, 0,
     0, 0, 0, 0},
    {"shortfall_below_the_rebate_reduces_the_bonus_tax",
     // 100 a day is 26 000 a year, taxed 4 680; with the bonus 46 000, taxed 8 280: 3 600 on
     // the bonus, less (15 714 - 4 680) / 260 = 42.44: 3 557.56.
     [](DailyInputs& in, SetupValues&) {
         in.salary = 100;
         in.bonus = 20000;
     },
     0, 3600 - 11034.0 / 260, 0, 0, 3600 - 11034.0 / 260, 17712.0 * 12 / 260 / 100},
    {"bonus_below_the_days_share_of_the_rebate_is_0",
     // 300 x 0.18 = 54, below 15 714 / 260 = 60.44.
     [](DailyInputs& in, SetupValues&) { in.bonus = 300; }, 0, 0, 0, 0, 0, 3},
    {"uif_monthly_limit_17000_gives_a_daily_limit_of_784_62",
     // 17 000 x 12 / 260 = 784.615...; the base of 1 000 is charged on that.
     [](DailyInputs& in, SetupValues& setup) {
         in.age = 40;
         in.salary = 1000;
         setup.UIFLimit = 17000;
     },
     0, 34590.0 / 260, 0, 0, 34590.0 / 260, 17000.0 * 12 / 260 / 100},
    {"fund_deduction_capped_at_1346_15",
     // 2 000 is within 27.5 % of 10 000 but above 350 000 / 260. 10 000 x 260 - 350 000
     // = 2 250 000: 587 593 + 593 400 x 0.45 - 15 714 = 838 909.
     [](DailyInputs& in, SetupValues&) {
         in.salary = 10000;
         in.employeeFund = 2000;
     },
     350000.0 / 260, 838909.0 / 260, 0, 0, 838909.0 / 260, 17712.0 * 12 / 260 / 100},
    {"fund_contributions_above_27_5_percent_of_the_base",
     // 27.5 % of 800 = 220 of the 500. 580 x 260 = 150 800: 27 144 - 15 714 = 11 430.
     [](DailyInputs& in, SetupValues&) {
         in.salary = 800;
         in.employeeFund = 500;
     },
     220, 11430.0 / 260, 0, 0, 11430.0 / 260, 8},
    {"additional_credit_at_age_65",
     // K = 30.646...; 0.333 x (200 + 100 - 3 x 7 968 / 260). The 200 fringe benefit, 52 000 a
     // year, is taxed 9 360, below the 24 327 rebate.
     [](DailyInputs& in, SetupValues&) {
         in.age = 65;
         in.employerMedical = 200;
         in.employeeMedical = 100;
         in.beneficiaries = 2;
     },
     0, 0, 7968.0 / 260, 0.333 * (300 - 3 * 7968.0 / 260), 0, 2},
    {"credits_come_off_the_tax",
     // 133.04 of tax (salary_1000_age_40 with 100 of it as the employer's contribution) less
     // 30.65.
     [](DailyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 900;
         in.employerMedical = 100;
         in.beneficiaries = 2;
     },
     0, 34590.0 / 260, 7968.0 / 260, 0, (34590.0 - 7968) / 260, 17712.0 * 12 / 260 / 100},
};

class DailyTax : public ::testing::TestWithParam<DailyCase>
{};

TEST_P(DailyTax, GivesTheResults)
{
    const DailyCase& c = GetParam();
    DailyInputs in;
    SetupValues setup;
    setup.EmployeeUIF = 1;
    setup.UIFLimit = 17712;
    c.given(in, setup);
    TaxableIncomeRecord record;
    const PeriodResults r = calculateDaily(in, setup, record);

    EXPECT_NEAR(r.fundDeduction, c.fundDeduction, 1e-9);
    EXPECT_NEAR(r.taxLiability, c.taxLiability, 1e-9);
    EXPECT_NEAR(r.medicalCredit, c.medicalCredit, 1e-9);
    EXPECT_NEAR(r.additionalMedicalCredit, c.additionalMedicalCredit, 1e-9);
    EXPECT_NEAR(r.totalTaxDeduction, c.totalTaxDeduction, 1e-9);
    EXPECT_NEAR(r.employeeUif, c.employeeUif, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Daily, DailyTax, ::testing::ValuesIn(kDailyCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShownCase
{
    const char* name;
    std::function<void(DailyInputs&)> given;
    const char* key;
    const char* shown;
};

// The window's two decimals (the deduction in whole rands, halves to even).
const ShownCase kShownCases[] = {
    {"tax_of_salary_1000_shows_133_04",
     [](DailyInputs& in) {
         in.age = 40;
         in.salary = 1000;
     },
     "taxLiability", "133.04"},
    {"credit_of_two_shows_30_65",
     [](DailyInputs& in) {
         in.employerMedical = 100;
         in.beneficiaries = 2;
     },
     "medicalCredit", "30.65"},
    {"bonus_tax_shows_3557_56",
     [](DailyInputs& in) {
         in.salary = 100;
         in.bonus = 20000;
     },
     "taxLiability", "3 557.56"},
    {"capped_deduction_shows_1346",
     [](DailyInputs& in) {
         in.salary = 10000;
         in.employeeFund = 2000;
     },
     "fundDeduction", "1 346"},
};

class DailyShown : public ::testing::TestWithParam<ShownCase>
{};

TEST_P(DailyShown, AsTheWindowShowsIt)
{
    DailyInputs in;
    GetParam().given(in);
    TaxableIncomeRecord record;
    const PeriodResults r = calculateDaily(in, SetupValues{}, record);
    for (const auto& binding : dailyResultBindings()) {
        if (binding.field->key == GetParam().key) {
            EXPECT_EQ(shownText(binding, r), GetParam().shown);
            return;
        }
    }
    ADD_FAILURE() << "no result " << GetParam().key;
}

INSTANTIATE_TEST_SUITE_P(Daily, DailyShown, ::testing::ValuesIn(kShownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DailyCalculation, LastRecordedIsTheAnnualIncomeWithoutTheBonus)
{
    DailyInputs in;
    in.salary = 100;
    in.bonus = 20000;
    TaxableIncomeRecord record;
    calculateDaily(in, SetupValues{}, record);
    EXPECT_EQ(record.LastTaxableIncome, 26000.0);
}

TEST(DailyCalculation, DefaultsShowZeroInEveryResultField)
{
    TaxableIncomeRecord record;
    const PeriodResults r = calculateDaily(DailyInputs{}, SetupValues{}, record);
    for (const auto& result : dailyResultBindings()) {
        const bool wholeRands = result.field->controlName == "numAllowableRFundDed";
        EXPECT_EQ(shownText(result, r), wholeRands ? "0" : "0.00") << result.field->controlName;
    }
}

const FieldDescription& dailyField(std::string_view key)
{
    for (const auto& binding : dailyInputBindings()) {
        if (binding.field->key == key) {
            return *binding.field;
        }
    }
    throw std::logic_error("no daily input " + std::string(key));
}

struct RereadCase
{
    const char* name;
    const char* key;
    const char* text;
    double value;
};

// Leaving one of the four amount fields sets its value from its text as it reads.
const RereadCase kRereadCases[] = {
    {"salary_grouped", "salary", "1 234.50", 1234.5},
    {"commissions_empty_reads_0", "commissions", "", 0},
    {"bonus_text_without_a_number_reads_0", "bonus", "R", 0},
    {"travel_allowance_stops_at_a_comma", "travelAllowance", "12,75", 12},
};

class DailyReread : public ::testing::TestWithParam<RereadCase>
{};

TEST_P(DailyReread, SetsTheValueFromTheText)
{
    const RereadCase& c = GetParam();
    DailyInputs in;
    in.salary = in.commissions = in.bonus = in.travelAllowance = 99;
    const FieldDescription& field = dailyField(c.key);
    ASSERT_TRUE(rereadDailyField(field, c.text, in));
    for (const char* key : {"salary", "commissions", "bonus", "travelAllowance"}) {
        for (const auto& binding : dailyInputBindings()) {
            if (binding.field->key == key) {
                EXPECT_EQ(std::get<double>(binding.get(in)),
                          std::string_view(key) == c.key ? c.value : 99.0)
                    << key;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Daily, DailyReread, ::testing::ValuesIn(kRereadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DailyRereadOtherFields, LeavesThemAlone)
{
    DailyInputs in;
    in.employerMedical = 5;
    for (const char* key : {"age", "employerMedical", "employeeFund", "beneficiaries"}) {
        EXPECT_FALSE(rereadDailyField(dailyField(key), "7", in)) << key;
    }
    EXPECT_EQ(in.employerMedical, 5.0);
    EXPECT_EQ(in.age, 0);
}

} // namespace
} // namespace grovan
