// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/number_format.h"
#include "core/print_database.h"
#include "core/report_renderer.h"
#include "core/report_template.h"
#include "finance/inflation_calculator.h"
#include "finance/inflation_fields.h"
#include "finance/inflation_printout.h"
#include "finance/inflation_spin.h"
#include "finance/inflation_validation.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace grovan {
namespace {

InflationState inflation(double cost, double years, double rate)
{
    InflationState state;
    state.PresentCost = cost;
    state.InflationYears = years;
    state.InflationRate = rate;
    return state;
}

struct ProjectionCase
{
    const char* name;
    InflationState in;
    const char* futureCost; // as numAns1 shows it; nullptr when too large to show
    const char* buyingPower;
};

const ProjectionCase kProjections[] = {
    // 100 000 x 1.06^10 = 179 084.77; 100 000 / 1.06^10 = 55 839.48.
    {"ten_years_at_6", inflation(100000, 10, 6), "179 085", "55 839"},
    {"no_period", inflation(100000, 0, 6), "100 000", "100 000"},
    // 100 000 x 0.95^10 = 59 873.69; 100 000 / 0.95^10 = 167 017.57.
    {"falling_prices_at_minus_5", inflation(100000, 10, -5), "59 874", "167 018"},
    {"no_inflation", inflation(2147483647, 40, 0), "2 147 483 647", "2 147 483 647"},
    // 1.4^40 = 700 037.7: 2 000 000 000 x 1.4^40 is about 1.4 x 10^15, the buying power 2 857.
    {"too_large_to_show", inflation(2000000000, 40, 40), nullptr, "2 857"},
};

class InflationTest : public ::testing::TestWithParam<ProjectionCase>
{};

TEST_P(InflationTest, ProjectsYearByYear)
{
    const ProjectionCase& c = GetParam();
    InflationState state = c.in;
    const InflationResults r = projectInflation(state);
    const auto results = inflationResultBindings();
    EXPECT_EQ(r.tooLarge, c.futureCost == nullptr);
    EXPECT_EQ(results[2].get(r), c.futureCost == nullptr ? 1.0 : 0.0);
    if (c.futureCost != nullptr) {
        EXPECT_EQ(shownText(results[0], r), c.futureCost);
    }
    EXPECT_EQ(shownText(results[1], r), c.buyingPower);
    EXPECT_EQ(state.FutureCost, r.FutureCost);
    EXPECT_EQ(state.BuyingPower, r.BuyingPower);
    // The closed forms: (1 + rate/100)^n and its inverse.
    const double growth = std::pow(1.0 + c.in.InflationRate / 100.0, c.in.InflationYears);
    EXPECT_NEAR(r.FutureCost, c.in.PresentCost * growth, 1e-9 * r.FutureCost);
    EXPECT_NEAR(r.BuyingPower, c.in.PresentCost / growth, 1e-9 * c.in.PresentCost);
    EXPECT_EQ(inflationPrintAllowed(state), c.futureCost != nullptr);
}

INSTANTIATE_TEST_SUITE_P(Inflation, InflationTest, ::testing::ValuesIn(kProjections),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InflationYearsTest, EachYearIsTheProjectionOfThatPeriod)
{
    const InflationState state = inflation(100000, 7, 6);
    const std::vector<InflationYear> years = inflationYearByYear(state, 0, 40);
    ASSERT_EQ(years.size(), 41u);
    for (const InflationYear& year : years) {
        InflationState period = state;
        period.InflationYears = year.year;
        const InflationResults r = calculateInflation(period);
        EXPECT_EQ(year.futureCost, r.FutureCost) << year.year;
        EXPECT_EQ(year.buyingPower, r.BuyingPower) << year.year;
    }
    const auto some = inflationYearByYear(state, 5, 10);
    ASSERT_EQ(some.size(), 6u);
    EXPECT_EQ(some.front().year, 5);
    EXPECT_EQ(formatNumber(some.back().futureCost, "# ### ### ##0"), "179 085");
    EXPECT_TRUE(inflationYearByYear(state, 10, 5).empty());
    EXPECT_TRUE(inflationYearByYear(state, -1, 5).empty());
    EXPECT_TRUE(inflationYearByYear(state, 0, 41).empty());
}

TEST(InflationStateTest, InitialiseAllClearsEverything)
{
    InflationState state = inflation(1, 2, 3);
    projectInflation(state);
    state.initialiseAll();
    EXPECT_EQ(state.PresentCost, 0.0);
    EXPECT_EQ(state.InflationYears, 0.0);
    EXPECT_EQ(state.InflationRate, 0.0);
    EXPECT_EQ(state.FutureCost, 0.0);
    EXPECT_EQ(state.BuyingPower, 0.0);
}

struct SpinCase
{
    const char* name;
    bool rate; // spInflation, otherwise spPeriod
    double before;
    SpinDirection direction;
    double after;
    SpinStep step;
};

constexpr SpinDirection kUp = SpinDirection::Up;
constexpr SpinDirection kDown = SpinDirection::Down;

const SpinCase kSpins[] = {
    {"rate_up", true, 6, kUp, 6.25, {true, false, true}},
    {"rate_up_from_30_gives_minus_5", true, 30, kUp, -5, {true, false, true}},
    {"rate_down_from_minus_5_gives_30", true, -5, kDown, 30, {true, false, true}},
    {"rate_up_to_zero_beeps", true, -0.25, kUp, 0, {true, true, true}},
    {"rate_down_to_zero_is_silent", true, 0.25, kDown, 0, {true, false, true}},
    {"rate_typed_above_30_spins_up_to_minus_5", true, 35, kUp, -5, {true, false, true}},
    {"period_up", false, 10, kUp, 11, {true, false, true}},
    {"period_down_from_1_beeps_and_gives_40", false, 1, kDown, 40, {true, true, true}},
    {"period_up_from_40_gives_1", false, 40, kUp, 1, {true, false, true}},
    {"period_0_only_moves_the_focus", false, 0, kUp, 0, {false, false, true}},
    {"period_0_only_moves_the_focus_down", false, 0, kDown, 0, {false, false, true}},
};

class InflationSpin : public ::testing::TestWithParam<SpinCase>
{};

TEST_P(InflationSpin, StepsAndWraps)
{
    const SpinCase& c = GetParam();
    InflationState state = inflation(100000, c.rate ? 10 : c.before, c.rate ? c.before : 6);
    const SpinStep step =
        c.rate ? spinInflationRate(state, c.direction) : spinInflationPeriod(state, c.direction);
    EXPECT_EQ(step, c.step);
    EXPECT_EQ(c.rate ? state.InflationRate : state.InflationYears, c.after);
    EXPECT_FALSE(validateInflationInputs(state)) << "the field takes what the spin made";
}

INSTANTIATE_TEST_SUITE_P(Inflation, InflationSpin, ::testing::ValuesIn(kSpins),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InflationValidationTest, RateAndPeriodMessages)
{
    const InflationState state;
    EXPECT_EQ(inflationRefusalMessage(inflationRateField(), -5.5, state),
              (Message{"The range of the Inflation Rate is between -5% and 40%",
                       "Incorrect Inflation Rate!", MessageIcon::Error}));
    EXPECT_EQ(
        inflationRefusalMessage(inflationPeriodField(), 41, state),
        (Message{"The maximum period allowed 40 years", "Incorrect Period!", MessageIcon::Error}));
    EXPECT_FALSE(inflationRefusalMessage(inflationPresentCostField(), 3e9, state));
    EXPECT_EQ(inflationRateField().minimum, -5.0);
    EXPECT_EQ(inflationPresentCostField().maximum, 2147483647.0);

    EXPECT_FALSE(validateInflationInputs(inflation(1, 40, -5)));
    EXPECT_EQ(validateInflationInputs(inflation(1, 41, 0))->field, &inflationPeriodField());
    EXPECT_EQ(validateInflationInputs(inflation(1, 10, 40.5))->field, &inflationRateField());
    EXPECT_EQ(validateInflationInputs(inflation(1, 10, -5.001))->message, inflationRateMessage());
}

TEST(InflationPrintoutTest, RowOfTheLastProjection)
{
    InflationState state = inflation(100000, 10, 6);
    EXPECT_FALSE(inflationPrintAllowed(state)) << "nothing projected yet";
    projectInflation(state);
    ASSERT_TRUE(inflationPrintAllowed(state));
    const Row row = inflationPrintRow(state);
    const Row expected{{"PresCost", 100000.0},
                       {"Period", 10.0},
                       {"InflaRate", 6.0},
                       {"Ans1", state.FutureCost},
                       {"ANS2", state.BuyingPower}};
    EXPECT_EQ(row, expected);

    testing::TempFolder folder;
    testing::RecordingSink sink;
    const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(), sink);
    ASSERT_TRUE(database.writeRow(kInflationPrintTable, row));
    EXPECT_EQ(*database.readRow(kInflationPrintTable), expected);

    const auto loaded = ReportTemplate::load(
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
            "reports" / kInflationReportTemplate,
        programCalculators().printSchema());
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(loaded));
    ReportData data;
    data.rows[kInflationPrintTable] = row;
    const std::string html = renderReport(std::get<ReportTemplate>(loaded), data).html;
    for (const char* shown : {"100 000", "10 year/s", "6.000 % p.a.", "179 085", "55 839"}) {
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    }
}

} // namespace
} // namespace grovan
