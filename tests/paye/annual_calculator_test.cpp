// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/annual_calculator.h"
#include "paye/annual_fields.h"
#include "tests/support/dates.h"

#include <gtest/gtest.h>

#include <functional>

namespace grovan {
namespace {

using testing::date;

void everyMonth(AnnualInputs& in, std::int16_t count)
{
    for (int month = 1; month <= 12; ++month) {
        in.beneficiaries[month] = count;
    }
}

struct TaxCase
{
    const char* name;
    std::function<void(AnnualInputs&, SetupValues&)> given;
    double fundDeduction;
    double taxLiability;
    double medicalCredit;
    double additionalMedicalCredit;
    double totalTaxDeduction;
    std::int32_t days;
};

// Annual taxes worked by hand from the 2021/22 table (base tax + excess x rate / 100) less the
// rebate (15 714 below 65, 24 327 from 65); the part-year figures in exact fractions.
const TaxCase kTaxCases[] = {
    {"defaults_give_zero_everywhere", [](AnnualInputs&, SetupValues&) {}, 0, 0, 0, 0, 0, 365},
    {"salary_500000_age_40_whole_year",
     // 110 739 + 32 500 x 0.36 = 122 439; less 15 714 = 106 725.
     [](AnnualInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 500000;
     },
     0, 106725, 0, 0, 106725, 365},
    {"one_rand_commission_takes_whole_rands_rounded_down",
     // 122 439.36 - 15 714 = 106 725.36, taken as 106 725 once commissions are present.
     [](AnnualInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 500000;
         in.commissions = 1;
     },
     0, 106725, 0, 0, 106725, 365},
    {"salary_250000_for_181_days_is_annualised_and_scaled_back",
     // 250 000 x 365 / 181 = 504 143.646...; 110 739 + 36 643.646... x 0.36 - 15 714
     // = 108 216.7127...; x 181 / 365 = 53 663.6301...
     [](AnnualInputs& in, SetupValues&) {
         in.salary = 250000;
         in.startDate = date(2021, 9, 1);
     },
     0, 53663.6301369863, 0, 0, 53663.6301369863, 181},
    {"bonus_tax_in_a_part_year_is_not_scaled",
     // The 50 000 bonus lies wholly in the 36 % band: 18 000 added in full to 53 663.6301...
     [](AnnualInputs& in, SetupValues&) {
         in.salary = 250000;
         in.bonus = 50000;
         in.startDate = date(2021, 9, 1);
     },
     0, 71663.6301369863, 0, 0, 71663.6301369863, 181},
    {"part_year_with_commissions_rounds_the_annual_tax_down_before_scaling",
     // 260 000 x 365 / 181 = 524 309.392...; 110 739 + 56 809.392... x 0.36 - 15 714
     // = 115 476.381... -> 115 476; x 181 / 365 = 57 263.4410...
     [](AnnualInputs& in, SetupValues&) {
         in.salary = 250000;
         in.commissions = 10000;
         in.startDate = date(2021, 9, 1);
     },
     0, 57263.44109589041, 0, 0, 57263.44109589041, 181},
    {"part_year_with_commissions_rounds_down_a_fraction_above_the_half",
     // 260 002 x 365 / 181 = 524 313.425...; 110 739 + 56 813.425... x 0.36 - 15 714
     // = 115 477.833... -> 115 477 (not 115 478); x 181 / 365 = 57 263.9369...
     [](AnnualInputs& in, SetupValues&) {
         in.salary = 250000;
         in.commissions = 10002;
         in.startDate = date(2021, 9, 1);
     },
     0, 57263.93698630137, 0, 0, 57263.93698630137, 181},
    {"travel_allowance_at_80_percent",
     // 300 000 + 0.8 x 100 000 = 380 000: 70 532 + 42 200 x 0.31 - 15 714 = 67 900.
     [](AnnualInputs& in, SetupValues& setup) {
         in.salary = 300000;
         in.travelAllowance = 100000;
         setup.TAIncRate8020 = 0.8;
     },
     0, 67900, 0, 0, 67900, 365},
    {"travel_allowance_at_20_percent",
     // 300 000 + 0.2 x 100 000 = 320 000: 38 916 + 103 800 x 0.26 - 15 714 = 50 190.
     [](AnnualInputs& in, SetupValues& setup) {
         in.salary = 300000;
         in.travelAllowance = 100000;
         setup.TAIncRate8020 = 0.2;
     },
     0, 50190, 0, 0, 50190, 365},
    {"fund_contributions_within_the_limit_are_deducted",
     // 20 000 is below 27.5 % of 300 000: income 280 000, 38 916 + 63 800 x 0.26 - 15 714.
     [](AnnualInputs& in, SetupValues&) {
         in.salary = 300000;
         in.employeeFund = 20000;
     },
     20000, 39790, 0, 0, 39790, 365},
    {"fund_deduction_is_capped_at_350000",
     // Base 2 000 000, contributions 400 000 (27.5 % is 550 000): capped at 350 000. Income
     // 1 600 000 + 400 000 - 350 000 = 1 650 000: 229 089 + 867 800 x 0.41 - 15 714.
     [](AnnualInputs& in, SetupValues&) {
         in.salary = 1600000;
         in.employerFund = 400000;
     },
     350000, 569173, 0, 0, 569173, 365},
    {"age_70_gets_the_secondary_rebate",
     // 122 439 - 24 327.
     [](AnnualInputs& in, SetupValues&) {
         in.age = 70;
         in.salary = 500000;
     },
     0, 98112, 0, 0, 98112, 365},
    {"credit_of_two_beneficiaries_for_the_whole_year",
     // 12 x 664 = 7 968; the 12 000 fringe benefit alone is taxed below the rebate.
     [](AnnualInputs& in, SetupValues&) {
         in.employerMedical = 12000;
         everyMonth(in, 2);
     },
     0, 0, 7968, 0, 0, 365},
    {"credit_counts_june_to_november_only",
     // 6 x 664; 01/06/2021 to 30/11/2021 is 30 + 31 + 31 + 30 + 31 + 30 days.
     [](AnnualInputs& in, SetupValues&) {
         in.employerMedical = 12000;
         everyMonth(in, 2);
         in.startDate = date(2021, 6, 1);
         in.endDate = date(2021, 11, 30);
     },
     0, 0, 3984, 0, 0, 183},
    {"credit_counts_february_only",
     [](AnnualInputs& in, SetupValues&) {
         in.employeeMedical = 500;
         everyMonth(in, 2);
         in.startDate = date(2022, 2, 1);
     },
     0, 0, 664, 0, 0, 28},
    {"credit_takes_each_month_at_its_own_count",
     // March 1 (332) + April 3 (888) + May 5 (1 336), the rest 0.
     [](AnnualInputs& in, SetupValues&) {
         in.employeeMedical = 100;
         in.beneficiaries[3] = 1;
         in.beneficiaries[4] = 3;
         in.beneficiaries[5] = 5;
     },
     0, 0, 2556, 0, 0, 365},
    {"no_medical_contribution_no_credit", [](AnnualInputs& in, SetupValues&) { everyMonth(in, 3); },
     0, 0, 0, 0, 0, 365},
    {"additional_credit_at_age_66",
     // 0.333 x (30 000 + 10 000 - 3 x 7 968) = 0.333 x 16 096. The 30 000 fringe benefit is
     // taxed at 5 400, below the 24 327 rebate.
     [](AnnualInputs& in, SetupValues&) {
         in.age = 66;
         in.employerMedical = 30000;
         in.employeeMedical = 10000;
         everyMonth(in, 2);
     },
     0, 0, 7968, 5359.968, 0, 365},
    {"credits_come_off_the_tax",
     // 488 000 + the 12 000 fringe benefit = 500 000, taxed 106 725; less 7 968.
     [](AnnualInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 488000;
         in.employerMedical = 12000;
         everyMonth(in, 2);
     },
     0, 106725, 7968, 0, 98757, 365},
};

class AnnualTax : public ::testing::TestWithParam<TaxCase>
{};

TEST_P(AnnualTax, GivesTheResults)
{
    const TaxCase& c = GetParam();
    AnnualInputs in;
    SetupValues setup;
    c.given(in, setup);
    TaxableIncomeRecord record;
    const AnnualResults r = calculateAnnual(in, setup, record);

    EXPECT_NEAR(r.fundDeduction, c.fundDeduction, 1e-9);
    EXPECT_NEAR(r.taxLiability, c.taxLiability, 1e-6);
    EXPECT_NEAR(r.medicalCredit, c.medicalCredit, 1e-9);
    EXPECT_NEAR(r.additionalMedicalCredit, c.additionalMedicalCredit, 1e-9);
    EXPECT_NEAR(r.totalTaxDeduction, c.totalTaxDeduction, 1e-6);
    EXPECT_EQ(r.days, c.days);
    // With the SITE ceiling at 0 the whole tax is PAYE.
    EXPECT_EQ(r.site, 0.0);
    EXPECT_EQ(r.payePortion, r.taxLiability);
    EXPECT_EQ(r.paye, r.totalTaxDeduction);
    EXPECT_EQ(r.medicalExpenses, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Annual, AnnualTax, ::testing::ValuesIn(kTaxCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnnualCalculation, SetsTheMonthsOutsideThePeriodToZero)
{
    AnnualInputs in;
    in.employerMedical = 12000;
    everyMonth(in, 2);
    in.startDate = date(2021, 6, 1);
    in.endDate = date(2021, 11, 30);
    TaxableIncomeRecord record;
    const AnnualResults r = calculateAnnual(in, SetupValues{}, record);

    for (int month = 1; month <= 12; ++month) {
        const bool inPeriod = month >= 6 && month <= 11;
        EXPECT_EQ(r.beneficiaries[month], inPeriod ? 2 : 0) << "month " << month;
    }
    EXPECT_EQ(in.beneficiaries[3], 2) << "the inputs change only when the window applies them";
    applyCalculatedCounts(in, r);
    EXPECT_EQ(in.beneficiaries, r.beneficiaries);
}

TEST(AnnualCalculation, LeavesTheMonthsAloneWithoutMedicalContributions)
{
    AnnualInputs in;
    everyMonth(in, 4);
    in.startDate = date(2021, 6, 1);
    in.endDate = date(2021, 6, 30);
    TaxableIncomeRecord record;
    EXPECT_EQ(calculateAnnual(in, SetupValues{}, record).beneficiaries, in.beneficiaries);
}

struct RecordCase
{
    const char* name;
    double commissions;
    double expectedLastIncome;
};

// The last income taxed is the annual income without the bonus, in both ways of calculating:
// salary 100 000 (+ commissions) for 01/09/2021 to 28/02/2022, x 365 / 181, bonus 30 000 apart.
const RecordCase kRecordCases[] = {
    {"without_commissions", 0, 100000.0 * 365 / 181},
    {"with_commissions", 5000, 105000.0 * 365 / 181},
};

class AnnualTaxableIncome : public ::testing::TestWithParam<RecordCase>
{};

TEST_P(AnnualTaxableIncome, LastRecordedIsTheIncomeWithoutTheBonus)
{
    AnnualInputs in;
    in.salary = 100000;
    in.commissions = GetParam().commissions;
    in.bonus = 30000;
    in.startDate = date(2021, 9, 1);
    TaxableIncomeRecord record;
    calculateAnnual(in, SetupValues{}, record);
    EXPECT_NEAR(record.LastTaxableIncome, GetParam().expectedLastIncome, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Annual, AnnualTaxableIncome, ::testing::ValuesIn(kRecordCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ShownCase
{
    const char* name;
    double salary;
    double employeeFund;
    const char* fundDeduction;
};

// The deduction is shown in whole rands, halves to even: 27.5 % of 540 is 148.5 and of 580 is
// 159.5, both exact in binary (of 1 820 it would be 500.50000000000006, above the half);
// 400 000 of contributions on a base of 2 000 000 are capped at 350 000.
const ShownCase kShownCases[] = {
    {"half_rounds_down_to_even", 540, 200, "148"},
    {"half_rounds_up_to_even", 580, 200, "160"},
    {"just_above_the_half_rounds_up", 1820, 600, "501"},
    {"cap_shows_350_000", 2000000, 400000, "350 000"},
};

class AnnualShownDeduction : public ::testing::TestWithParam<ShownCase>
{};

TEST_P(AnnualShownDeduction, RoundsHalvesToEven)
{
    AnnualInputs in;
    in.salary = GetParam().salary;
    in.employeeFund = GetParam().employeeFund;
    TaxableIncomeRecord record;
    const AnnualResults r = calculateAnnual(in, SetupValues{}, record);
    const ResultBinding<AnnualResults>& deduction = annualResultBindings().front();
    ASSERT_EQ(deduction.field->controlName, "numAllowableRFundDed");
    EXPECT_EQ(shownText(deduction, r), GetParam().fundDeduction);
}

INSTANTIATE_TEST_SUITE_P(Annual, AnnualShownDeduction, ::testing::ValuesIn(kShownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnnualCalculation, DefaultsShowZeroInEveryResultField)
{
    TaxableIncomeRecord record;
    const AnnualResults r = calculateAnnual(AnnualInputs{}, SetupValues{}, record);
    for (const auto& result : annualResultBindings()) {
        if (result.field->controlName.empty()) {
            continue;
        }
        const bool wholeRands = result.field->controlName == "numAllowableRFundDed";
        EXPECT_EQ(shownText(result, r), wholeRands ? "0" : "0.00") << result.field->controlName;
    }
}

TEST(AnnualCalculation, OtherResultsShowTwoDecimals)
{
    AnnualInputs in;
    in.age = 66;
    in.employerMedical = 30000;
    in.employeeMedical = 10000;
    everyMonth(in, 2);
    TaxableIncomeRecord record;
    const AnnualResults r = calculateAnnual(in, SetupValues{}, record);
    for (const auto& result : annualResultBindings()) {
        if (result.field->key == "additionalMedicalCredit") {
            EXPECT_EQ(shownText(result, r), "5 359.97");
            EXPECT_EQ(result.get(r), 5359.968) << "the working value stays unrounded";
        }
        if (result.field->key == "medicalCredit") {
            EXPECT_EQ(shownText(result, r), "7 968.00");
        }
    }
}

} // namespace
} // namespace grovan
