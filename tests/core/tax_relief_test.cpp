// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/pay_period.h"
#include "core/tax_relief.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

struct DeductionCase
{
    const char* name;
    double contributions;
    double base;
    int periodsPerYear;
    double expected;
};

const DeductionCase kDeductionCases[] = {
    // 27.5 % of 100 000 is below the contributions.
    {"limited_to_27_5_percent", 30000, 100000, 1, 27500},
    {"contributions_below_limit", 1000, 100000, 1, 1000},
    {"contributions_equal_to_limit", 27500, 100000, 1, 27500},
    {"annual_cap", 500000, 4000000, 1, 350000},
    // The monthly cap is 350 000 / 12 = 29 166.67 (shown), applied to the month's amount.
    {"monthly_cap", 41666.67, 333333.33, 12, 350000.0 / 12},
    {"fortnightly_cap", 100000, 1000000, 26, 350000.0 / 26},
    {"weekly_cap", 100000, 1000000, 52, 350000.0 / 52},
    {"daily_cap_1346_15", 5000, 100000, 260, 350000.0 / 260},
    {"nothing_contributed", 0, 100000, 12, 0},
};

class RetirementFundDeductionCases : public ::testing::TestWithParam<DeductionCase>
{};

TEST_P(RetirementFundDeductionCases, LimitsAndCaps)
{
    const DeductionCase& c = GetParam();
    EXPECT_DOUBLE_EQ(RetirementFundDeduction(c.contributions, c.base, c.periodsPerYear),
                     c.expected);
}

INSTANTIATE_TEST_SUITE_P(Deductions, RetirementFundDeductionCases,
                         ::testing::ValuesIn(kDeductionCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CreditCase
{
    const char* name;
    std::int16_t beneficiaries;
    PayPeriod period;
    double expected;
};

const CreditCase kCreditCases[] = {
    {"none", 0, PayPeriod::Monthly, 0},
    {"one_member", 1, PayPeriod::Monthly, 332},
    {"two_members", 2, PayPeriod::Monthly, 664},
    {"three_members", 3, PayPeriod::Monthly, 888},
    {"five_members", 5, PayPeriod::Monthly, 1336},
    {"fortnight_two_members", 2, PayPeriod::Fortnightly, 332},
    {"fortnight_three_members", 3, PayPeriod::Fortnightly, 444},
    {"week_two_members", 2, PayPeriod::Weekly, 166},
    {"week_three_members", 3, PayPeriod::Weekly, 222},
    {"day_two_members", 2, PayPeriod::Daily, 664.0 * 12 / 260},
    {"day_four_members", 4, PayPeriod::Daily, (2 * 2688 + 7968) / 260.0},
    {"year_at_two_members", 2, PayPeriod::Annual, 7968},
    {"negative_count_gives_nothing", -1, PayPeriod::Monthly, 0},
};

class MedicalCreditCases : public ::testing::TestWithParam<CreditCase>
{};

TEST_P(MedicalCreditCases, CreditOfThePeriod)
{
    const CreditCase& c = GetParam();
    EXPECT_DOUBLE_EQ(medicalCreditOfPeriod(MedicalSchemeFeesCredit(c.beneficiaries), c.period),
                     c.expected);
}

INSTANTIATE_TEST_SUITE_P(Beneficiaries, MedicalCreditCases, ::testing::ValuesIn(kCreditCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MedicalCredit, DailyCreditForTwoIs30_6461)
{
    EXPECT_NEAR(medicalCreditOfPeriod(MedicalSchemeFeesCredit(2), PayPeriod::Daily), 30.6461538,
                1e-7);
}

struct AdditionalCase
{
    const char* name;
    std::int16_t age;
    double employer;
    double employee;
    double feesCredit;
    double expected;
};

const AdditionalCase kAdditionalCases[] = {
    // 0.333 x (4 000 - 3 x 664) = 668.664
    {"age_70_two_members", 70, 3000, 1000, 664, 668.664},
    {"age_64_gets_nothing", 64, 3000, 1000, 664, 0},
    {"age_65_qualifies", 65, 3000, 1000, 664, 668.664},
    {"no_fees_credit", 70, 3000, 1000, 0, 0},
    {"no_contributions", 70, 0, 0, 664, 0},
    {"excess_negative_is_clamped", 70, 100, 0, 664, 0},
    // Annual: 0.333 x (40 000 - 23 904) = 5 359.968
    {"annual_age_66", 66, 30000, 10000, 7968, 5359.968},
};

class AdditionalMedicalCreditCases : public ::testing::TestWithParam<AdditionalCase>
{};

TEST_P(AdditionalMedicalCreditCases, ThirdOfTheExcess)
{
    const AdditionalCase& c = GetParam();
    EXPECT_NEAR(AdditionalMedicalCredit(c.age, c.employer, c.employee, c.feesCredit), c.expected,
                1e-9);
}

INSTANTIATE_TEST_SUITE_P(Credits, AdditionalMedicalCreditCases,
                         ::testing::ValuesIn(kAdditionalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MedicalCredit, AppliesWhenEitherContributionIsPositive)
{
    EXPECT_TRUE(medicalCreditsApply(1, 0));
    EXPECT_TRUE(medicalCreditsApply(0, 1));
    EXPECT_FALSE(medicalCreditsApply(0, 0));
    EXPECT_FALSE(medicalCreditsApply(-5, 0));
}

TEST(TravelAllowance, TaxablePartIsTheInclusionRate)
{
    EXPECT_DOUBLE_EQ(taxableTravelAllowance(1000, 0.8), 800);
    EXPECT_DOUBLE_EQ(taxableTravelAllowance(1000, 0.2), 200);
    EXPECT_DOUBLE_EQ(taxableTravelAllowance(1000, 0.5), 500); // an odd stored rate is still used
}

TEST(PayPeriod, PeriodsPerYear)
{
    EXPECT_EQ(periodsPerYear(PayPeriod::Annual), 1);
    EXPECT_EQ(periodsPerYear(PayPeriod::Monthly), 12);
    EXPECT_EQ(periodsPerYear(PayPeriod::Fortnightly), 26);
    EXPECT_EQ(periodsPerYear(PayPeriod::Weekly), 52);
    EXPECT_EQ(periodsPerYear(PayPeriod::Daily), 260);
}

TEST(PayPeriod, UifLimitOfThePeriod)
{
    EXPECT_DOUBLE_EQ(uifLimitOfPeriod(17712, PayPeriod::Monthly), 17712);
    EXPECT_DOUBLE_EQ(uifLimitOfPeriod(17712, PayPeriod::Fortnightly), 17712.0 * 12 / 26);
    EXPECT_DOUBLE_EQ(uifLimitOfPeriod(17712, PayPeriod::Weekly), 17712.0 * 12 / 52);
    // A monthly limit of 17 000 is 784.62 a day.
    EXPECT_NEAR(uifLimitOfPeriod(17000, PayPeriod::Daily), 784.615, 1e-3);
}

TEST(PayPeriod, UifIsTakenOnTheSmallerOfBaseAndLimit)
{
    EXPECT_DOUBLE_EQ(uifContribution(10000, 17712, 1), 100);
    EXPECT_DOUBLE_EQ(uifContribution(20000, 17712, 1), 177.12);
    EXPECT_DOUBLE_EQ(skillsLevy(30000, 1), 300);
}

TEST(PayPeriod, AnnualisingAndBack)
{
    // Part year: 181 days from 01/09/2021 to 28/02/2022.
    EXPECT_DOUBLE_EQ(annualiseDays(250000, 181), 250000.0 * 365 / 181);
    EXPECT_DOUBLE_EQ(annualiseDays(250000, 365), 250000);
    EXPECT_DOUBLE_EQ(deannualiseDays(36500, 181), 18100);
    EXPECT_DOUBLE_EQ(deannualiseDays(36500, 365), 36500);
    // 16 days of a 31-day month.
    EXPECT_DOUBLE_EQ(annualiseMonth(30000, 31, 16), 30000.0 * (31.0 / 16) * 12);
    EXPECT_DOUBLE_EQ(annualiseMonth(30000, 31, 31), 360000);
    EXPECT_DOUBLE_EQ(deannualiseMonth(61700, 31, 31), 61700.0 / 12);
    // A fortnight of 7 normal days out of 14 annualises by 52.
    EXPECT_DOUBLE_EQ(annualiseWorkPeriod(20000, 26, 14, 14), 520000);
    EXPECT_DOUBLE_EQ(annualiseWorkPeriod(20000, 26, 14, 7), 1040000);
    EXPECT_DOUBLE_EQ(deannualiseWorkPeriod(26000, 26, 14, 7), 500);
}

} // namespace
} // namespace grovan
