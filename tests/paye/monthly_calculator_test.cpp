// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/monthly_calculator.h"
#include "paye/monthly_fields.h"
#include "tests/support/dates.h"

#include <gtest/gtest.h>

#include <functional>

namespace grovan {
namespace {

using testing::date;

void period(MonthlyInputs& in, CalendarDate start, CalendarDate end)
{
    in.startDate = start;
    in.endDate = end;
}

struct TaxCase
{
    const char* name;
    std::function<void(MonthlyInputs&, SetupValues&)> given;
    double fundDeduction;
    double taxLiability;
    double medicalCredit;
    double additionalMedicalCredit;
    double totalTaxDeduction;
    std::int32_t days;
    std::int32_t daysInMonth;
};

// Annual taxes worked by hand from the 2021/22 table (base tax + excess x rate / 100) less the
// rebate (15 714 below 65, 24 327 from 65); the month's tax is that / 12 x d / N.
const TaxCase kTaxCases[] = {
    {"defaults_give_zero_everywhere", [](MonthlyInputs&, SetupValues&) {}, 0, 0, 0, 0, 0, 31, 31},
    {"salary_30000_age_40_whole_march",
     // 360 000 a year: 70 532 + 22 200 x 0.31 - 15 714 = 61 700; / 12.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 30000;
     },
     0, 61700.0 / 12, 0, 0, 61700.0 / 12, 31, 31},
    {"salary_30000_from_16_to_31_march",
     // 16 days of 31: 30 000 x 31 / 16 x 12 = 697 500; 163 335 + 83 900 x 0.39 - 15 714
     // = 180 342; / 12 x 16 / 31.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 30000;
         period(in, date(2021, 3, 16), date(2021, 3, 31));
     },
     0, 180342.0 / 12 * 16 / 31, 0, 0, 180342.0 / 12 * 16 / 31, 16, 31},
    {"bonus_adds_its_whole_tax_in_a_full_month",
     // 370 000 is taxed 64 800 after the rebate, 3 100 more than 360 000.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 30000;
         in.bonus = 10000;
     },
     0, 61700.0 / 12 + 3100, 0, 0, 61700.0 / 12 + 3100, 31, 31},
    {"bonus_adds_its_whole_tax_in_16_days",
     // 707 500 against 697 500, both in the 39 % band: 3 900, not pro-rated.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 30000;
         in.bonus = 10000;
         period(in, date(2021, 3, 16), date(2021, 3, 31));
     },
     0, 180342.0 / 12 * 16 / 31 + 3900, 0, 0, 180342.0 / 12 * 16 / 31 + 3900, 16, 31},
    {"bonus_adds_its_whole_tax_in_one_day",
     // 30 000 x 31 x 12 = 11 160 000: 587 593 + 9 503 400 x 0.45 - 15 714 = 4 848 409; the
     // bonus 10 000 at 45 % is 4 500.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 30000;
         in.bonus = 10000;
         period(in, date(2021, 3, 1), date(2021, 3, 1));
     },
     0, 4848409.0 / 12 / 31 + 4500, 0, 0, 4848409.0 / 12 / 31 + 4500, 1, 31},
    {"february_has_28_days_so_its_whole_month_is_a_full_month",
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 30000;
         period(in, date(2022, 2, 1), date(2022, 2, 28));
     },
     0, 61700.0 / 12, 0, 0, 61700.0 / 12, 28, 28},
    {"half_of_february",
     // 14 days of 28: 720 000 a year, 163 335 + 106 400 x 0.39 - 15 714 = 189 117; half of a
     // twelfth.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 30000;
         period(in, date(2022, 2, 1), date(2022, 2, 14));
     },
     0, 7879.875, 0, 0, 7879.875, 14, 28},
    {"half_of_april_counts_30_days",
     // 15 days of 30: 720 000 a year as above.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 30000;
         period(in, date(2021, 4, 16), date(2021, 4, 30));
     },
     0, 7879.875, 0, 0, 7879.875, 15, 30},
    {"tax_below_the_rebate_is_0_and_does_not_reduce_the_bonus",
     // 5 000 a month is 60 000 a year, 10 800 of tax, below the rebate: 0. With the bonus,
     // 80 000 gives 14 400, also below it: the month's tax stays 0.
     [](MonthlyInputs& in, SetupValues&) {
         in.salary = 5000;
         in.bonus = 20000;
     },
     0, 0, 0, 0, 0, 31, 31},
    {"three_beneficiaries_without_contributions_get_no_credit",
     [](MonthlyInputs& in, SetupValues&) { in.beneficiaries = 3; }, 0, 0, 0, 0, 0, 31, 31},
    {"three_beneficiaries_not_pro_rated",
     // 664 + 224 for the month, whatever its days.
     [](MonthlyInputs& in, SetupValues&) {
         in.employeeMedical = 500;
         in.beneficiaries = 3;
         period(in, date(2021, 3, 20), date(2021, 3, 31));
     },
     0, 0, 888, 0, 0, 12, 31},
    {"additional_credit_at_age_70",
     // K = 664; 0.333 x (3 000 + 1 000 - 3 x 664) = 668.664. The 3 000 fringe benefit, 36 000 a
     // year, is taxed 6 480, below the 24 327 rebate.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 70;
         in.employerMedical = 3000;
         in.employeeMedical = 1000;
         in.beneficiaries = 2;
     },
     0, 0, 664, 668.664, 0, 31, 31},
    {"no_additional_credit_at_age_64",
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 64;
         in.employerMedical = 3000;
         in.employeeMedical = 1000;
         in.beneficiaries = 2;
     },
     0, 0, 664, 0, 0, 31, 31},
    {"credits_come_off_the_tax",
     // 29 000 + the 1 000 fringe benefit as salary_30000_age_40_whole_march, less 332.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 29000;
         in.employerMedical = 1000;
         in.beneficiaries = 1;
     },
     0, 61700.0 / 12, 332, 0, 61700.0 / 12 - 332, 31, 31},
    {"fund_contributions_within_the_limit_are_deducted",
     // 3 000 is below 27.5 % of 30 000: 27 000 x 12 = 324 000, 38 916 + 107 800 x 0.26 - 15 714
     // = 51 230.
     [](MonthlyInputs& in, SetupValues&) {
         in.age = 40;
         in.salary = 30000;
         in.employeeFund = 3000;
     },
     3000, 51230.0 / 12, 0, 0, 51230.0 / 12, 31, 31},
    {"fund_contributions_above_27_5_percent_of_the_base",
     // Base 10 000 + 1 000 employer's contribution = 11 000: 3 025 of the 6 000. Income
     // 11 000 - 3 025 = 7 975 x 12 = 95 700: 17 226 - 15 714 = 1 512.
     [](MonthlyInputs& in, SetupValues&) {
         in.salary = 10000;
         in.employerFund = 1000;
         in.employeeFund = 5000;
     },
     3025, 1512.0 / 12, 0, 0, 1512.0 / 12, 31, 31},
    {"fund_deduction_capped_at_a_twelfth_of_350000",
     // 41 667 of contributions on a base of 333 333 (limit 91 666.58): capped at 29 166.67.
     // Income 333 333 - 29 166.67 = 304 166.33 x 12 = 3 649 996: 587 593 + 1 993 396 x 0.45
     // - 15 714 = 1 468 907.2.
     [](MonthlyInputs& in, SetupValues&) {
         in.salary = 333333;
         in.employeeFund = 41667;
     },
     350000.0 / 12, 1468907.2 / 12, 0, 0, 1468907.2 / 12, 31, 31},
    {"travel_allowance_at_80_percent",
     // 20 000 + 0.8 x 5 000 = 24 000 x 12 = 288 000: 38 916 + 71 800 x 0.26 - 15 714 = 41 870.
     [](MonthlyInputs& in, SetupValues& setup) {
         in.age = 40;
         in.salary = 20000;
         in.travelAllowance = 5000;
         setup.TAIncRate8020 = 0.8;
     },
     0, 41870.0 / 12, 0, 0, 41870.0 / 12, 31, 31},
    {"travel_allowance_at_20_percent",
     // 21 000 x 12 = 252 000: 38 916 + 35 800 x 0.26 - 15 714 = 32 510.
     [](MonthlyInputs& in, SetupValues& setup) {
         in.age = 40;
         in.salary = 20000;
         in.travelAllowance = 5000;
         setup.TAIncRate8020 = 0.2;
     },
     0, 32510.0 / 12, 0, 0, 32510.0 / 12, 31, 31},
    {"commissions_are_taxed",
     // 15 000 x 12 = 180 000 x 0.18 = 32 400 - 15 714 = 16 686.
     [](MonthlyInputs& in, SetupValues&) {
         in.salary = 10000;
         in.commissions = 5000;
     },
     0, 16686.0 / 12, 0, 0, 16686.0 / 12, 31, 31},
};

class MonthlyTax : public ::testing::TestWithParam<TaxCase>
{};

TEST_P(MonthlyTax, GivesTheResults)
{
    const TaxCase& c = GetParam();
    MonthlyInputs in;
    SetupValues setup;
    c.given(in, setup);
    TaxableIncomeRecord record;
    const MonthlyResults r = calculateMonthly(in, setup, record);

    EXPECT_NEAR(r.fundDeduction, c.fundDeduction, 1e-9);
    EXPECT_NEAR(r.taxLiability, c.taxLiability, 1e-9);
    EXPECT_NEAR(r.medicalCredit, c.medicalCredit, 1e-9);
    EXPECT_NEAR(r.additionalMedicalCredit, c.additionalMedicalCredit, 1e-9);
    EXPECT_NEAR(r.totalTaxDeduction, c.totalTaxDeduction, 1e-9);
    EXPECT_EQ(r.days, c.days);
    EXPECT_EQ(r.daysInMonth, c.daysInMonth);
    EXPECT_EQ(r.medicalExpenses, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Monthly, MonthlyTax, ::testing::ValuesIn(kTaxCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LevyCase
{
    const char* name;
    std::function<void(MonthlyInputs&, SetupValues&)> given;
    double employeeUif;
    double employerUif;
    double skillsLevy;
};

// Employee's UIF 1 %, employer's 2 % (so that each takes its own rate), limit 17 712 a month,
// skills levy 1 %.
const LevyCase kLevyCases[] = {
    {"uif_base_below_the_limit", [](MonthlyInputs& in, SetupValues&) { in.salary = 10000; }, 100,
     200, 100},
    {"uif_base_above_the_limit_is_charged_on_the_limit",
     [](MonthlyInputs& in, SetupValues&) { in.salary = 30000; }, 177.12, 354.24, 300},
    {"uif_base_exactly_at_the_limit", [](MonthlyInputs& in, SetupValues&) { in.salary = 17712; },
     177.12, 354.24, 177.12},
    {"uif_limit_not_pro_rated_for_part_of_a_month",
     [](MonthlyInputs& in, SetupValues&) {
         in.salary = 30000;
         period(in, date(2021, 3, 16), date(2021, 3, 31));
     },
     177.12, 354.24, 300},
    {"commissions_change_the_levy_not_the_uif",
     // UIF on 10 000; levy on 10 000 + 5 000.
     [](MonthlyInputs& in, SetupValues&) {
         in.salary = 10000;
         in.commissions = 5000;
     },
     100, 200, 150},
    {"bases_take_every_amount_but_the_employees_contributions",
     // U = 5 000 + 1 000 medical + 2 000 bonus + 0.8 x 1 000 + 500 fund = 9 300. D = 500
     // (27.5 % of 9 600 is 2 640). Levy on 9 300 - 500 + 300 commissions = 9 100.
     [](MonthlyInputs& in, SetupValues&) {
         in.salary = 5000;
         in.employerMedical = 1000;
         in.employeeMedical = 700;
         in.bonus = 2000;
         in.travelAllowance = 1000;
         in.employerFund = 500;
         in.commissions = 300;
     },
     93, 186, 91},
    {"levy_rate_of_the_setup",
     [](MonthlyInputs& in, SetupValues& setup) {
         in.salary = 10000;
         setup.SkillLevy = 0.5;
     },
     100, 200, 50},
};

class MonthlyUifAndLevy : public ::testing::TestWithParam<LevyCase>
{};

TEST_P(MonthlyUifAndLevy, GivesTheResults)
{
    const LevyCase& c = GetParam();
    MonthlyInputs in;
    SetupValues setup;
    setup.EmployeeUIF = 1;
    setup.EmployerUIF = 2;
    setup.UIFLimit = 17712;
    setup.SkillLevy = 1;
    c.given(in, setup);
    TaxableIncomeRecord record;
    const MonthlyResults r = calculateMonthly(in, setup, record);

    EXPECT_NEAR(r.employeeUif, c.employeeUif, 1e-9);
    EXPECT_NEAR(r.employerUif, c.employerUif, 1e-9);
    EXPECT_NEAR(r.skillsLevy, c.skillsLevy, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Monthly, MonthlyUifAndLevy, ::testing::ValuesIn(kLevyCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MonthlyCalculation, DaysInMonthHaveNoLeapYear)
{
    const std::int32_t expected[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(monthlyDaysInMonth(month), expected[month - 1]) << "month " << month;
    }
}

TEST(MonthlyCalculation, LastRecordedIsTheAnnualIncomeWithoutTheBonus)
{
    // 30 000 x 31 / 16 x 12 = 697 500; the bonus is taxed first, apart.
    MonthlyInputs in;
    in.salary = 30000;
    in.bonus = 10000;
    period(in, date(2021, 3, 16), date(2021, 3, 31));
    TaxableIncomeRecord record;
    calculateMonthly(in, SetupValues{}, record);
    EXPECT_EQ(record.LastTaxableIncome, 697500.0);
}

struct ShownCase
{
    const char* name;
    double travelAllowance;
    double inclusionRate;
    const char* taxableTravel;
};

// The taxable travel allowance is shown in whole rands, halves to even: 0.8 x 3 is
// 2.4000000000000004 and 0.2 x 7 is 1.4000000000000001; 0.2 x 2.5 = 0.5 (not typed in the
// window, which takes whole rands, but calculated alike) rounds to 0 and 0.2 x 7.5 = 1.5 to 2.
const ShownCase kShownCases[] = {
    {"eighty_percent_of_3", 3, 0.8, "2"},
    {"twenty_percent_of_7", 7, 0.2, "1"},
    {"half_rounds_down_to_even", 2.5, 0.2, "0"},
    {"half_rounds_up_to_even", 7.5, 0.2, "2"},
};

class MonthlyShownTravel : public ::testing::TestWithParam<ShownCase>
{};

TEST_P(MonthlyShownTravel, RoundsHalvesToEven)
{
    MonthlyInputs in;
    in.travelAllowance = GetParam().travelAllowance;
    SetupValues setup;
    setup.TAIncRate8020 = GetParam().inclusionRate;
    TaxableIncomeRecord record;
    const MonthlyResults r = calculateMonthly(in, setup, record);
    const ResultBinding<MonthlyResults>& travel = monthlyResultBindings().front();
    ASSERT_EQ(travel.field->controlName, "numMTAAns");
    EXPECT_EQ(shownText(travel, r), GetParam().taxableTravel);
    EXPECT_EQ(travel.get(r), GetParam().travelAllowance * GetParam().inclusionRate)
        << "the working value stays unrounded";
}

INSTANTIATE_TEST_SUITE_P(Monthly, MonthlyShownTravel, ::testing::ValuesIn(kShownCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MonthlyCalculation, DefaultsShowZeroInEveryResultField)
{
    TaxableIncomeRecord record;
    const MonthlyResults r = calculateMonthly(MonthlyInputs{}, SetupValues{}, record);
    for (const auto& result : monthlyResultBindings()) {
        if (result.field->controlName.empty()) {
            continue;
        }
        const bool wholeRands = result.field->controlName == "numAllowableRFundDed" ||
                                result.field->controlName == "numMTAAns";
        EXPECT_EQ(shownText(result, r), wholeRands ? "0" : "0.00") << result.field->controlName;
    }
}

} // namespace
} // namespace grovan
