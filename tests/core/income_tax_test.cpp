// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/income_tax.h"
#include "core/tax_year.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

struct BandCase
{
    const char* name;
    double income;
    double rate;
    double floor;
    double ceiling;
    double baseTax;
    double total;
};

// Totals worked by hand from the 2021/22 table: base tax + (income - floor) x rate / 100.
const BandCase kBandCases[] = {
    {"zero_income_is_band_1", 0.0, 18, 0, 216200, 0, 0},
    {"band_1_ceiling_stays_in_band_1", 216200.0, 18, 0, 216200, 0, 38916},
    {"one_cent_above_band_1", 216200.01, 26, 216200, 337800, 38916, 38916.0026},
    {"band_6_ceiling_stays_in_band_6", 1656600.0, 41, 782200, 1656600, 229089, 587593},
    {"two_million_is_band_7", 2000000.0, 45, 1656600, 9999999999.0, 587593, 742123},
    {"five_hundred_thousand", 500000.0, 36, 467500, 613600, 110739, 122439},
    {"one_million", 1000000.0, 41, 782200, 1656600, 229089, 318387},
    {"three_sixty_thousand", 360000.0, 31, 337800, 467500, 70532, 77414},
    {"negative_income_from_band_1", -1000.0, 18, 0, 216200, 0, -180},
    {"above_the_sentinel_ceiling", 20000000000.0, 45, 1656600, 9999999999.0, 587593,
     587593 + (20000000000.0 - 1656600) * 45 / 100},
};

class CalcAnnualTaxBands : public ::testing::TestWithParam<BandCase>
{};

TEST_P(CalcAnnualTaxBands, FindsBandAndTotal)
{
    const BandCase& c = GetParam();
    TaxableIncomeRecord record;
    const TaxBandResult result = CalcAnnualTax(c.income, record);
    EXPECT_EQ(result.MarginalRate, c.rate);
    EXPECT_EQ(result.BandFloor, c.floor);
    EXPECT_EQ(result.BandCeiling, c.ceiling);
    EXPECT_EQ(result.BaseTax, c.baseTax);
    EXPECT_NEAR(result.Total, c.total, 1e-7);
    EXPECT_DOUBLE_EQ(result.Total, result.BaseTax + result.TaxOnExcess);
    EXPECT_EQ(record.LastTaxableIncome, c.income);
}

INSTANTIATE_TEST_SUITE_P(TaxTable, CalcAnnualTaxBands, ::testing::ValuesIn(kBandCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalcAnnualTax, RecordsEveryIncomeItTaxes)
{
    TaxableIncomeRecord record;
    CalcAnnualTax(500000.0, record);
    CalcAnnualTax(123.45, record);
    EXPECT_EQ(record.LastTaxableIncome, 123.45);
}

TEST(IncomeTaxTable, TaxIsContinuousAtEveryBoundary)
{
    for (std::size_t i = 1; i < IncomeTaxTable.size(); ++i) {
        const TaxBand& previous = IncomeTaxTable[i - 1];
        const TaxBand& band = IncomeTaxTable[i];
        EXPECT_EQ(band.floor, previous.ceiling) << "band " << i + 1;
        EXPECT_DOUBLE_EQ(band.baseTax, previous.baseTax + (previous.ceiling - previous.floor) *
                                                              previous.ratePercent / 100)
            << "band " << i + 1;
    }
}

struct RebateCase
{
    const char* name;
    std::int16_t age;
    double rebate;
};

const RebateCase kRebateCases[] = {
    {"age_0", 0, 15714},   {"age_40", 40, 15714}, {"age_64", 64, 15714},   {"age_65", 65, 24327},
    {"age_74", 74, 24327}, {"age_75", 75, 27198}, {"age_999", 999, 27198},
};

class RebateForAgeCases : public ::testing::TestWithParam<RebateCase>
{};

TEST_P(RebateForAgeCases, GivesTheTotalRebate)
{
    EXPECT_EQ(RebateForAge(GetParam().age), GetParam().rebate);
}

INSTANTIATE_TEST_SUITE_P(Ages, RebateForAgeCases, ::testing::ValuesIn(kRebateCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct AfterRebateCase
{
    const char* name;
    double income;
    std::int16_t age;
    double expected;
};

const AfterRebateCase kAfterRebateCases[] = {
    {"five_hundred_thousand_age_40", 500000, 40, 106725},
    {"one_million_age_40", 1000000, 40, 302673},
    // The zero-tax thresholds follow from the rebates: 18 % of the threshold is the rebate.
    {"threshold_below_65", 87300, 40, 0},
    {"threshold_65_to_74", 135150, 70, 0},
    {"threshold_from_75", 151100, 80, 0},
    {"one_rand_above_threshold_below_65", 87301, 40, 0.18},
    {"below_threshold_is_clamped", 50000, 40, 0},
    {"negative_income_is_clamped", -1000, 40, 0},
};

class TaxAfterRebateCases : public ::testing::TestWithParam<AfterRebateCase>
{};

TEST_P(TaxAfterRebateCases, SubtractsRebateAndClamps)
{
    const AfterRebateCase& c = GetParam();
    TaxableIncomeRecord record;
    EXPECT_NEAR(taxAfterRebate(CalcAnnualTax(c.income, record).Total, c.age), c.expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Incomes, TaxAfterRebateCases, ::testing::ValuesIn(kAfterRebateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TaxYear, RunsFromFirstMarch2021ToLastFebruary2022)
{
    EXPECT_EQ(TaxYearStart.text(), "01/03/2021");
    EXPECT_EQ(TaxYearEnd.text(), "28/02/2022");
    EXPECT_EQ(TaxYearEnd.daysSince(TaxYearStart) + 1, 365);
}

} // namespace
} // namespace grovan
