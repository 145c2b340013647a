// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pay_period.h"
#include "core/tax_relief.h"
#include "paye/work_period_calculator.h"
#include "paye/work_period_fields.h"
#include "paye/work_period_validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace grovan {
namespace {

constexpr WorkPeriodKind kFortnight = WorkPeriodKind::Fortnightly;
constexpr WorkPeriodKind kWeek = WorkPeriodKind::Weekly;

struct TaxCase
{
    const char* name;
    WorkPeriodKind kind;
    std::function<void(WorkPeriodInputs&)> given;
    double fundDeduction;
    double taxLiability;
    double medicalCredit;
    double additionalMedicalCredit;
    double totalTaxDeduction;
};

// Annual taxes worked by hand from the 2021/22 table (base tax + excess x rate / 100); the
// period's tax is (annual tax - rebate) / Y x D_this / D_normal plus the tax on the bonus.
const TaxCase kTaxCases[] = {
    {"fortnight_defaults_give_zero_everywhere", kFortnight, [](WorkPeriodInputs&) {}, 0, 0, 0, 0,
     0},
    {"week_defaults_give_zero_everywhere", kWeek, [](WorkPeriodInputs&) {}, 0, 0, 0, 0, 0},
    {"fortnight_salary_20000_age_40",
     // A = 20 000 x 26 = 520 000: 110 739 + 52 500 x 0.36 = 129 639; less 15 714 = 113 925.
     kFortnight,
     [](WorkPeriodInputs& in) {
         in.age = 40;
         in.salary = 20000;
     },
     0, 113925.0 / 26, 0, 0, 113925.0 / 26},
    {"fortnight_of_7_normal_14_days",
     // A = 20 000 x 26 x 14 / 7 = 1 040 000 (a factor of 52): 229 089 + 257 800 x 0.41
     // = 334 787; less 15 714 = 319 073, brought back with 7/14 of a 26th.
     kFortnight,
     [](WorkPeriodInputs& in) {
         in.age = 40;
         in.salary = 20000;
         in.thisDays = 7;
     },
     0, 319073.0 / 26 * 7 / 14, 0, 0, 319073.0 / 26 * 7 / 14},
    {"week_salary_10000_age_40",
     // A = 10 000 x 52 = 520 000, as the fortnight above.
     kWeek,
     [](WorkPeriodInputs& in) {
         in.age = 40;
         in.salary = 10000;
     },
     0, 113925.0 / 52, 0, 0, 113925.0 / 52},
    {"week_of_3_normal_5_days",
     // A = 10 000 x 52 x 5 / 3 = 866 666.67: 229 089 + 84 466.67 x 0.41 = 263 720.33; less
     // 15 714 = 248 006.33; / 52 x 3 / 5.
     kWeek,
     [](WorkPeriodInputs& in) {
         in.age = 40;
         in.salary = 10000;
         in.normalDays = 5;
         in.thisDays = 3;
     },
     0, (229089 + (10000.0 * 52 * 5 / 3 - 782200) * 0.41 - 15714) / 52 * 3 / 5, 0, 0,
     (229089 + (10000.0 * 52 * 5 / 3 - 782200) * 0.41 - 15714) / 52 * 3 / 5},
    {"fortnight_bonus_alone",
     // CalcAnnualTax(10 000) = 1 800; less 15 714 / 26 = 604.38...
     kFortnight, [](WorkPeriodInputs& in) { in.bonus = 10000; }, 0, 1800 - 15714.0 / 26, 0, 0,
     1800 - 15714.0 / 26},
    {"week_bonus_alone",
     // 1 800 less 15 714 / 52 = 302.19...
     kWeek, [](WorkPeriodInputs& in) { in.bonus = 10000; }, 0, 1800 - 15714.0 / 52, 0, 0,
     1800 - 15714.0 / 52},
    {"bonus_below_a_periods_share_of_the_rebate_is_0",
     // 3 000 x 0.18 = 540, below 604.38.
     kFortnight, [](WorkPeriodInputs& in) { in.bonus = 3000; }, 0, 0, 0, 0, 0},
    {"shortfall_below_the_rebate_reduces_the_bonus_tax",
     // A = 2 000 x 26 = 52 000, taxed 9 360; with the bonus 62 000, taxed 11 160: 1 800. The
     // regular part (9 360 - 15 714) / 26 = -244.38 is not clamped before the bonus is added.
     kFortnight,
     [](WorkPeriodInputs& in) {
         in.salary = 2000;
         in.bonus = 10000;
     },
     0, (9360 - 15714.0) / 26 + 1800, 0, 0, (9360 - 15714.0) / 26 + 1800},
    {"week_three_members_with_a_contribution",
     // 664 / 4 + 224 / 4 = 166 + 56.
     kWeek,
     [](WorkPeriodInputs& in) {
         in.employeeMedical = 100;
         in.beneficiaries = 3;
     },
     0, 0, 222, 0, 0},
    {"week_three_members_without_contributions", kWeek,
     [](WorkPeriodInputs& in) { in.beneficiaries = 3; }, 0, 0, 0, 0, 0},
    {"fortnight_two_members", kFortnight,
     [](WorkPeriodInputs& in) {
         in.employerMedical = 50;
         in.beneficiaries = 2;
     },
     0, 0, 332, 0, 0},
    {"additional_credit_at_age_70",
     // MTC = 332; 0.333 x (1 000 + 500 - 3 x 332) = 0.333 x 504. The 1 000 fringe benefit,
     // 26 000 a year, is taxed 4 680, below the 24 327 rebate; the sum is clamped at 0.
     kFortnight,
     [](WorkPeriodInputs& in) {
         in.age = 70;
         in.employerMedical = 1000;
         in.employeeMedical = 500;
         in.beneficiaries = 2;
     },
     0, 0, 332, 167.832, 0},
    {"no_additional_credit_at_age_64", kFortnight,
     [](WorkPeriodInputs& in) {
         in.age = 64;
         in.employerMedical = 1000;
         in.employeeMedical = 500;
         in.beneficiaries = 2;
     },
     0, 0, 332, 0, 0},
    {"no_additional_credit_when_contributions_are_within_three_credits",
     // 0.333 x (300 + 0 - 996) is negative.
     kFortnight,
     [](WorkPeriodInputs& in) {
         in.age = 80;
         in.employeeMedical = 300;
         in.beneficiaries = 2;
     },
     0, 0, 332, 0, 0},
    {"fund_contributions_above_27_5_percent_of_the_base",
     // 2 750 of the 5 000. A = 7 250 x 26 = 188 500: 33 930 - 15 714 = 18 216.
     kFortnight,
     [](WorkPeriodInputs& in) {
         in.salary = 10000;
         in.employeeFund = 5000;
     },
     2750, 18216.0 / 26, 0, 0, 18216.0 / 26},
    {"fund_deduction_capped_at_a_26th_of_350000",
     // 20 000 is within 27 500 but above 13 461.54. A = 100 000 x 26 - 350 000 = 2 250 000:
     // 587 593 + 593 400 x 0.45 - 15 714 = 838 909.
     kFortnight,
     [](WorkPeriodInputs& in) {
         in.salary = 100000;
         in.employeeFund = 20000;
     },
     350000.0 / 26, 838909.0 / 26, 0, 0, 838909.0 / 26},
    {"week_fund_deduction_capped_at_a_52nd_of_350000", kWeek,
     [](WorkPeriodInputs& in) {
         in.salary = 50000;
         in.employeeFund = 10000;
     },
     350000.0 / 52, 838909.0 / 52, 0, 0, 838909.0 / 52},
    {"travel_allowance_and_commissions_are_taxed",
     // 8 000 + 0.8 x 2 500 + 1 000 = 11 000 x 26 = 286 000: 38 916 + 69 800 x 0.26 - 15 714
     // = 41 350.
     kFortnight,
     [](WorkPeriodInputs& in) {
         in.salary = 8000;
         in.travelAllowance = 2500;
         in.commissions = 1000;
     },
     0, 41350.0 / 26, 0, 0, 41350.0 / 26},
};

class WorkPeriodTax : public ::testing::TestWithParam<TaxCase>
{};

TEST_P(WorkPeriodTax, GivesTheResults)
{
    const TaxCase& c = GetParam();
    const WorkPeriod& period = workPeriod(c.kind);
    WorkPeriodInputs in = workPeriodDefaults(period);
    c.given(in);
    ASSERT_FALSE(validateWorkPeriodInputs(period, in));
    TaxableIncomeRecord record;
    const PeriodResults r = calculateWorkPeriod(period, in, SetupValues{}, record);

    EXPECT_NEAR(r.fundDeduction, c.fundDeduction, 1e-9);
    EXPECT_NEAR(r.taxLiability, c.taxLiability, 1e-9);
    EXPECT_NEAR(r.medicalCredit, c.medicalCredit, 1e-9);
    EXPECT_NEAR(r.additionalMedicalCredit, c.additionalMedicalCredit, 1e-9);
    EXPECT_NEAR(r.totalTaxDeduction, c.totalTaxDeduction, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(WorkPeriod, WorkPeriodTax, ::testing::ValuesIn(kTaxCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct LevyCase
{
    const char* name;
    WorkPeriodKind kind;
    std::function<void(WorkPeriodInputs&)> given;
    double employeeUif;
    double employerUif;
    double skillsLevy;
};

// Employee's UIF 1 %, employer's 2 %, monthly limit 17 712 (a fortnight's 17 712 x 12 / 26
// = 8 174.77, a week's 4 087.38), skills levy 1 %.
const LevyCase kLevyCases[] = {
    {"fortnight_base_below_the_limit", kFortnight, [](WorkPeriodInputs& in) { in.salary = 5000; },
     50, 100, 50},
    {"fortnight_base_above_the_limit", kFortnight, [](WorkPeriodInputs& in) { in.salary = 10000; },
     17712.0 * 12 / 26 / 100, 17712.0 * 12 / 26 * 2 / 100, 100},
    {"week_base_above_the_limit", kWeek, [](WorkPeriodInputs& in) { in.salary = 5000; },
     17712.0 * 12 / 52 / 100, 17712.0 * 12 / 52 * 2 / 100, 50},
    {"commissions_change_the_levy_not_the_uif", kWeek,
     [](WorkPeriodInputs& in) {
         in.salary = 1000;
         in.commissions = 500;
     },
     10, 20, 15},
    {"bases_take_every_amount_but_the_employees_contributions",
     // U = 1 000 + 200 medical + 300 bonus + 0.8 x 100 + 50 fund = 1 630; D = 80 (27.5 % of
     // 1 650 is 453.75); levy on 1 630 - 80 + 20.
     kWeek,
     [](WorkPeriodInputs& in) {
         in.salary = 1000;
         in.employerMedical = 200;
         in.employeeMedical = 70;
         in.bonus = 300;
         in.travelAllowance = 100;
         in.employerFund = 50;
         in.employeeFund = 30;
         in.commissions = 20;
     },
     16.3, 32.6, 15.7},
};

class WorkPeriodUifAndLevy : public ::testing::TestWithParam<LevyCase>
{};

TEST_P(WorkPeriodUifAndLevy, GivesTheResults)
{
    const LevyCase& c = GetParam();
    const WorkPeriod& period = workPeriod(c.kind);
    WorkPeriodInputs in = workPeriodDefaults(period);
    c.given(in);
    SetupValues setup;
    setup.EmployeeUIF = 1;
    setup.EmployerUIF = 2;
    setup.UIFLimit = 17712;
    setup.SkillLevy = 1;
    TaxableIncomeRecord record;
    const PeriodResults r = calculateWorkPeriod(period, in, setup, record);

    EXPECT_NEAR(r.employeeUif, c.employeeUif, 1e-9);
    EXPECT_NEAR(r.employerUif, c.employerUif, 1e-9);
    EXPECT_NEAR(r.skillsLevy, c.skillsLevy, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(WorkPeriod, WorkPeriodUifAndLevy, ::testing::ValuesIn(kLevyCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct DaysCase
{
    const char* name;
    WorkPeriodKind kind;
    std::int16_t normalDays;
    std::int16_t thisDays;
    const char* message;  ///< nullptr when the days are accepted
    bool focusOnThisDays; ///< otherwise on the Calculate button
};

const DaysCase kDaysCases[] = {
    {"fortnight_equal_days", kFortnight, 14, 14, nullptr, false},
    {"fortnight_fewer_days", kFortnight, 14, 1, nullptr, false},
    {"fortnight_more_days_than_normal", kFortnight, 10, 11,
     "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.", false},
    {"week_more_days_than_normal", kWeek, 5, 7,
     "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.", false},
    {"week_more_days_than_a_normal_of_0", kWeek, 0, 3,
     "The number of 'Normal work-week' days must be = to or larger than 'This work-week'.", false},
    {"fortnight_this_0", kFortnight, 14, 0,
     "The number of 'This fortnight' days must be 1 or more.", true},
    {"fortnight_both_0", kFortnight, 0, 0, "The number of 'This fortnight' days must be 1 or more.",
     true},
    {"week_this_0", kWeek, 7, 0, "The number of 'This work week' days must be 1 or more.", true},
    {"week_both_0", kWeek, 0, 0, "The number of 'This work week' days must be 1 or more.", true},
};

class WorkPeriodDays : public ::testing::TestWithParam<DaysCase>
{};

TEST_P(WorkPeriodDays, AreCheckedBeforeCalculating)
{
    const DaysCase& c = GetParam();
    const WorkPeriod& period = workPeriod(c.kind);
    WorkPeriodInputs in = workPeriodDefaults(period);
    in.normalDays = c.normalDays;
    in.thisDays = c.thisDays;
    const auto problem = validateWorkPeriodInputs(period, in);
    if (c.message == nullptr) {
        EXPECT_FALSE(problem.has_value()) << problem->message.text;
        return;
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message,
              (Message{c.message, "Incorrect Number of Days", MessageIcon::Error}));
    EXPECT_EQ(problem->field, c.focusOnThisDays ? &period.thisDaysField : nullptr);
}

INSTANTIATE_TEST_SUITE_P(WorkPeriod, WorkPeriodDays, ::testing::ValuesIn(kDaysCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase
{
    const char* name;
    WorkPeriodKind kind;
    bool thisDays; ///< the this-period field, otherwise the normal one
    double rejected;
    const char* message; ///< nullptr when the field has nothing to say
};

// The day fields take two digits, so a count up to 99 can be typed; only above the period's days
// is there something to say.
const RefusalCase kRefusalCases[] = {
    {"fortnight_this_15", kFortnight, true, 15,
     "The number of 'This fortnight' days must be 14 or fewer."},
    {"fortnight_normal_99", kFortnight, false, 99,
     "The number of 'Normal fortnight' days must be 14 or fewer."},
    {"week_this_8", kWeek, true, 8, "The number of 'This work week' days must be 7 or fewer."},
    {"week_normal_8", kWeek, false, 8, "The number of 'Normal work week' days must be 7 or fewer."},
    {"week_7_is_no_refusal", kWeek, true, 7, nullptr},
};

class WorkPeriodRefusals : public ::testing::TestWithParam<RefusalCase>
{};

TEST_P(WorkPeriodRefusals, NameTheFieldAndThePeriodsDays)
{
    const RefusalCase& c = GetParam();
    const WorkPeriod& period = workPeriod(c.kind);
    const FieldDescription& field = c.thisDays ? period.thisDaysField : period.normalDaysField;
    const auto message = workPeriodRefusalMessage(period, field, c.rejected);
    if (c.message == nullptr) {
        EXPECT_FALSE(message.has_value());
        return;
    }
    EXPECT_EQ(message, (Message{c.message, "Incorrect Number of Days", MessageIcon::Error}));
}

INSTANTIATE_TEST_SUITE_P(WorkPeriod, WorkPeriodRefusals, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WorkPeriodRefusals, OtherFieldsHaveNothingToSay)
{
    const WorkPeriod& period = workPeriod(kFortnight);
    for (const InputBinding<WorkPeriodInputs>& binding : workPeriodInputBindings(period)) {
        if (binding.field != &period.normalDaysField && binding.field != &period.thisDaysField) {
            EXPECT_FALSE(workPeriodRefusalMessage(period, *binding.field, 1e12).has_value())
                << binding.field->controlName;
        }
    }
}

// Every pair of day counts the fields take either is refused or gives finite results, with
// every amount present: no infinity or NaN can reach a result field.
TEST(WorkPeriodDayCounts, EveryAcceptedPairGivesFiniteResults)
{
    for (const WorkPeriodKind kind : {kFortnight, kWeek}) {
        const WorkPeriod& period = workPeriod(kind);
        for (std::int16_t normal = 0; normal <= period.days; ++normal) {
            for (std::int16_t current = 0; current <= period.days; ++current) {
                WorkPeriodInputs in = workPeriodDefaults(period);
                in.age = 70;
                in.salary = 9999999.99;
                in.employerMedical = 5000;
                in.employeeMedical = 5000;
                in.bonus = 1000;
                in.beneficiaries = 4;
                in.normalDays = normal;
                in.thisDays = current;
                if (validateWorkPeriodInputs(period, in)) {
                    EXPECT_TRUE(current == 0 || current > normal) << normal << "/" << current;
                    continue;
                }
                TaxableIncomeRecord record;
                const PeriodResults r = calculateWorkPeriod(period, in, SetupValues{}, record);
                for (const auto& binding : workPeriodResultBindings()) {
                    EXPECT_TRUE(std::isfinite(binding.get(r)))
                        << period.caption << " " << normal << "/" << current << " "
                        << binding.field->key;
                }
                EXPECT_TRUE(std::isfinite(record.LastTaxableIncome));
            }
        }
    }
}

TEST(WorkPeriodCalculation, LastRecordedIsTheAnnualIncomeWithoutTheBonus)
{
    // 20 000 x 26 x 14 / 7 = 1 040 000; the bonus is taxed first, apart.
    const WorkPeriod& period = workPeriod(kFortnight);
    WorkPeriodInputs in = workPeriodDefaults(period);
    in.salary = 20000;
    in.bonus = 5000;
    in.thisDays = 7;
    TaxableIncomeRecord record;
    calculateWorkPeriod(period, in, SetupValues{}, record);
    EXPECT_EQ(record.LastTaxableIncome, 1040000.0);
}

struct DifferenceCase
{
    const char* name;
    WorkPeriodKind kind;
    PayPeriod payPeriod;
    int periodsPerYear;
    std::int16_t days;
    const char* windowName;
    const char* caption;
    const char* reportTemplate;
};

// The table of differences agrees with the shared pay-period conversions, so the two windows
// convert credits and limits as the other calculators do.
const DifferenceCase kDifferenceCases[] = {
    {"fortnightly", kFortnight, PayPeriod::Fortnightly, 26, 14, "frmFortNight", "Fortnightly",
     "FortNightly.rpt"},
    {"weekly", kWeek, PayPeriod::Weekly, 52, 7, "frmWeekly", "Weekly", "Weekly.rpt"},
};

class WorkPeriodDifferences : public ::testing::TestWithParam<DifferenceCase>
{};

TEST_P(WorkPeriodDifferences, MatchThePayPeriod)
{
    const DifferenceCase& c = GetParam();
    const WorkPeriod& period = workPeriod(c.kind);
    EXPECT_EQ(period.kind, c.kind);
    EXPECT_EQ(period.payPeriod, c.payPeriod);
    EXPECT_EQ(periodsPerYear(period.payPeriod), c.periodsPerYear);
    EXPECT_EQ(period.windowName, c.windowName);
    EXPECT_EQ(period.caption, c.caption);
    EXPECT_EQ(period.reportTemplate, c.reportTemplate);
    const WorkPeriodInputs defaults = workPeriodDefaults(period);
    EXPECT_EQ(defaults.normalDays, c.days);
    EXPECT_EQ(defaults.thisDays, c.days);
    EXPECT_EQ(period.normalDaysField.maximum, c.days);
    EXPECT_EQ(period.thisDaysField.maximum, c.days);
    EXPECT_EQ(period.thisDaysField.defaultValue, c.days);
}

INSTANTIATE_TEST_SUITE_P(WorkPeriod, WorkPeriodDifferences, ::testing::ValuesIn(kDifferenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

class WorkPeriodOpening : public ::testing::TestWithParam<WorkPeriodKind>
{};

// A newly opened window calculates once on zeros: every result field shows 0.00 (the deduction,
// shown in whole rands, 0).
TEST_P(WorkPeriodOpening, ShowsZeroInEveryResultField)
{
    const WorkPeriod& period = workPeriod(GetParam());
    const WorkPeriodInputs in = workPeriodDefaults(period);
    ASSERT_FALSE(validateWorkPeriodInputs(period, in));
    TaxableIncomeRecord record;
    const PeriodResults r = calculateWorkPeriod(period, in, SetupValues{}, record);
    for (const auto& result : workPeriodResultBindings()) {
        const bool wholeRands = result.field->controlName == "numAllowableRFundDed";
        EXPECT_EQ(shownText(result, r), wholeRands ? "0" : "0.00") << result.field->controlName;
    }
}

INSTANTIATE_TEST_SUITE_P(WorkPeriod, WorkPeriodOpening, ::testing::Values(kFortnight, kWeek),
                         [](const auto& info) {
                             return std::string(workPeriod(info.param).caption);
                         });

} // namespace
} // namespace grovan
