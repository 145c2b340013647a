// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_catalogue.h"
#include "core/number_format.h"
#include "core/print_database.h"
#include "core/report_renderer.h"
#include "core/report_template.h"
#include "finance/daily_balance_calculator.h"
#include "finance/daily_balance_fields.h"
#include "finance/daily_balance_printout.h"
#include "finance/daily_balance_spin.h"
#include "finance/daily_balance_validation.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

std::int32_t day(int year, int month, int dayOfMonth)
{
    return CalendarDate::fromYmd(year, month, dayOfMonth)->dayNumber();
}

DayBalState balance(double capital, double rate, std::int32_t start, std::int32_t end)
{
    DayBalState state;
    state.DayBalCapital = capital;
    state.DayBalRate = rate;
    state.DayBalStart = start;
    state.DayBalEnd = end;
    return state;
}

struct InterestCase
{
    const char* name;
    DayBalState state;
    std::int32_t days;
    const char* interest;
};

const InterestCase kInterestCases[] = {
    // 100 000 x 10 / 100 x 364 / 365 = 9 972.60.
    {"tax_year", balance(100000, 10, day(2021, 3, 1), day(2022, 2, 28)), 364, "9 972.60"},
    {"same_day", balance(100000, 10, day(2021, 3, 1), day(2021, 3, 1)), 0, "0.00"},
    // Held as typed: 123 456 789 x 0.1 x 365 / 365 (123 456 792 in single precision would give
    // 12 345 679.20).
    {"capital_beyond_single_precision", balance(123456789, 10, day(2021, 1, 1), day(2022, 1, 1)),
     365, "12 345 678.90"},
    // 10.1 % is 10.1, not 10.100000381...: 1 000 000 x 0.101 x 30 / 365 = 8 301.37.
    {"rate_beyond_single_precision", balance(1000000, 10.1, day(2021, 6, 1), day(2021, 7, 1)), 30,
     "8 301.37"},
    {"longest_span", balance(1000, 40, day(2000, 1, 1), day(2000, 1, 1) + 10960), 10960,
     "12 010.96"},
};

class DailyBalanceTest : public ::testing::TestWithParam<InterestCase>
{};

TEST_P(DailyBalanceTest, SimpleInterestOnActualDays)
{
    const InterestCase& c = GetParam();
    const auto r = calculateDailyBalance(c.state);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->days, c.days);
    EXPECT_EQ(formatNumber(r->interest, "### ### ##0.00"), c.interest);
    EXPECT_FALSE(validateDailyBalanceInputs(c.state));
}

INSTANTIATE_TEST_SUITE_P(DailyBalance, DailyBalanceTest, ::testing::ValuesIn(kInterestCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DailyBalanceCalcTest, NothingWithoutBothDates)
{
    EXPECT_FALSE(calculateDailyBalance(balance(1000, 10, kNoDate, day(2021, 3, 1))));
    EXPECT_FALSE(calculateDailyBalance(balance(1000, 10, day(2021, 3, 1), kNoDate)));
    EXPECT_FALSE(calculateDailyBalance(DayBalState{}));
}

TEST(DailyBalanceStateTest, InitialiseAllUnsetsTheDatesAndResetsTheStep)
{
    DayBalState state = balance(5, 6, 7, 8);
    state.DayBalRateStep = 1.0;
    state.initialiseAll();
    EXPECT_EQ(state.DayBalCapital, 0.0);
    EXPECT_EQ(state.DayBalRate, 0.0);
    EXPECT_EQ(state.DayBalStart, -36522);
    EXPECT_EQ(state.DayBalEnd, -36522);
    EXPECT_EQ(CalendarDate::fromDayNumber(state.DayBalStart).text(), "01/01/1800");
    EXPECT_EQ(state.DayBalRateStep, 0.25);
    EXPECT_FALSE(dayBalDateSet(state.DayBalStart));
    EXPECT_TRUE(dayBalDateSet(-36520));
}

TEST(DailyBalanceDatesTest, EachDateLimitsTheOther)
{
    DayBalState state = balance(0, 0, day(2021, 3, 1), kNoDate);
    EXPECT_EQ(endDateRange(state).first.text(), "01/03/2021");
    // 10 960 days after 01/03/2021 (30 years and 3 days).
    EXPECT_EQ(endDateRange(state).second.text(), "04/03/2051");
    EXPECT_EQ(startDateRange(state).first, kEarliestDayBalDate);
    state = balance(0, 0, kNoDate, day(2021, 3, 1));
    EXPECT_EQ(startDateRange(state).first.text(), "27/02/1991");
    EXPECT_EQ(startDateRange(state).second.text(), "28/02/2021");
    EXPECT_EQ(endDateRange(state).second, kLatestDayBalDate);
}

struct RateSpinCase
{
    const char* name;
    double rate;
    SpinDirection direction;
    double after;
    SpinStep step;
};

constexpr SpinDirection kUp = SpinDirection::Up;
constexpr SpinDirection kDown = SpinDirection::Down;

// The step is 0.25. The rate field takes 0 to 40, so the spin wraps at 40.
const RateSpinCase kRateSpins[] = {
    {"up", 10, kUp, 10.25, {true, false, true}},
    {"down", 10, kDown, 9.75, {true, false, true}},
    {"down_from_one_step_beeps_and_wraps_to_40", 0.25, kDown, 40, {true, true, true}},
    {"up_from_40_wraps_to_one_step", 40, kUp, 0.25, {true, false, true}},
    {"up_to_40_stays", 39.75, kUp, 40, {true, false, true}},
    {"up_past_40_wraps", 39.9, kUp, 0.25, {true, false, true}},
    // A rate off the step's grid never goes below 0.
    {"down_below_zero_wraps_to_40", 0.1, kDown, 40, {true, true, true}},
    {"zero_does_nothing", 0, kUp, 0, {false, false, false}},
    {"zero_does_nothing_down", 0, kDown, 0, {false, false, false}},
};

class DailyBalanceRateSpin : public ::testing::TestWithParam<RateSpinCase>
{};

TEST_P(DailyBalanceRateSpin, StepsWithinTheFieldsRange)
{
    const RateSpinCase& c = GetParam();
    DayBalState state = balance(1000, c.rate, day(2021, 3, 1), day(2021, 4, 1));
    EXPECT_EQ(spinDayBalRate(state, c.direction), c.step);
    EXPECT_DOUBLE_EQ(state.DayBalRate, c.after);
    EXPECT_FALSE(validateDailyBalanceInputs(state)) << "the field takes what the spin made";
}

INSTANTIATE_TEST_SUITE_P(DailyBalance, DailyBalanceRateSpin, ::testing::ValuesIn(kRateSpins),
                         [](const auto& info) { return std::string(info.param.name); });

struct DateSpinCase
{
    const char* name;
    std::int32_t start;
    std::int32_t end;
    SpinDirection direction;
    std::int32_t after;
    SpinStep step;
};

const std::int32_t kStart = day(2021, 3, 1);

const DateSpinCase kDateSpins[] = {
    {"up", kStart, kStart + 10, kUp, kStart + 11, {true, false, false}},
    {"down", kStart, kStart + 10, kDown, kStart + 9, {true, false, false}},
    {"down_at_the_start_stays", kStart, kStart, kDown, kStart, {false, false, false}},
    {"up_at_the_longest_span_beeps",
     kStart,
     kStart + 10960,
     kUp,
     kStart + 10960,
     {false, true, false}},
    {"without_an_end_up_is_the_next_day", kStart, kNoDate, kUp, kStart + 1, {true, false, false}},
    {"without_an_end_down_is_the_start", kStart, kNoDate, kDown, kStart, {true, false, false}},
    {"without_a_start_nothing", kNoDate, kStart, kUp, kStart, {false, false, false}},
};

class DailyBalanceDateSpin : public ::testing::TestWithParam<DateSpinCase>
{};

TEST_P(DailyBalanceDateSpin, MovesTheEndDateWithinItsRange)
{
    const DateSpinCase& c = GetParam();
    DayBalState state = balance(1000, 10, c.start, c.end);
    EXPECT_EQ(spinDayBalDate(state, c.direction), c.step);
    EXPECT_EQ(state.DayBalEnd, c.after);
    EXPECT_EQ(state.DayBalStart, c.start);
    if (dayBalDateSet(c.start)) {
        EXPECT_FALSE(validateDailyBalanceInputs(state)) << "the field takes what the spin made";
    }
}

INSTANTIATE_TEST_SUITE_P(DailyBalance, DailyBalanceDateSpin, ::testing::ValuesIn(kDateSpins),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase
{
    const char* name;
    const FieldDescription& field;
    std::optional<double> rejected;
    DayBalState current;
    std::optional<Message> message;
};

const RefusalCase kRefusals[] = {
    {"start_no_date", dayBalStartDateField(), std::nullopt, DayBalState{},
     invalidDayBalDateMessage()},
    {"end_before_1900", dayBalEndDateField(), day(1899, 12, 31), DayBalState{},
     invalidDayBalDateMessage()},
    {"end_too_late", dayBalEndDateField(), kStart + 10961, balance(0, 0, kStart, kNoDate),
     Message{"The date entered is more than 30 years(360 months) after 01/03/2021.",
             "DATE OUT OF RANGE", MessageIcon::Error}},
    {"start_too_early", dayBalStartDateField(), kStart - 10961, balance(0, 0, kNoDate, kStart),
     Message{"The date entered is more than 30 years(360 months) before 01/03/2021.",
             "DATE OUT OF RANGE", MessageIcon::Error}},
    {"rate_above_40", dayBalRateField(), 40.5, DayBalState{},
     Message{"The maximum Interest Rate allowed is 40%", "Incorrect Interest Rate!",
             MessageIcon::Error}},
    {"capital_has_no_message", dayBalCapitalField(), 1e9, DayBalState{}, std::nullopt},
};

class DailyBalanceRefusal : public ::testing::TestWithParam<RefusalCase>
{};

TEST_P(DailyBalanceRefusal, SaysWhyInTheWindowsWords)
{
    const RefusalCase& c = GetParam();
    EXPECT_EQ(dailyBalanceRefusalMessage(c.field, c.rejected, c.current), c.message);
}

INSTANTIATE_TEST_SUITE_P(DailyBalance, DailyBalanceRefusal, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DailyBalanceValidationTest, CompleteInputsInTheWindowsOrder)
{
    const auto noStart = validateDailyBalanceInputs(balance(1, 1, kNoDate, kStart));
    ASSERT_TRUE(noStart);
    EXPECT_EQ(noStart->field, &dayBalStartDateField());
    const auto noEnd = validateDailyBalanceInputs(balance(1, 1, kStart, kNoDate));
    ASSERT_TRUE(noEnd);
    EXPECT_EQ(noEnd->field, &dayBalEndDateField());
    const auto before = validateDailyBalanceInputs(balance(1, 1, kStart, kStart - 1));
    ASSERT_TRUE(before);
    EXPECT_EQ(before->field, &dayBalEndDateField());
    EXPECT_EQ(before->message.title, "DATE OUT OF RANGE");
    const auto rate = validateDailyBalanceInputs(balance(1, 41, kStart, kStart + 1));
    ASSERT_TRUE(rate);
    EXPECT_EQ(rate->field, &dayBalRateField());
}

TEST(DailyBalanceFieldsTest, DatesReadAndWriteDayNumbers)
{
    DayBalState state;
    const auto inputs = dailyBalanceInputBindings();
    ASSERT_EQ(inputs.size(), 4u);
    EXPECT_EQ(std::get<CalendarDate>(inputs[1].get(state)).text(), "01/01/1800");
    inputs[1].set(state, *CalendarDate::fromYmd(2021, 3, 1));
    inputs[2].set(state, *CalendarDate::fromYmd(2022, 2, 28));
    inputs[0].set(state, 100000.0);
    inputs[3].set(state, 10.0);
    EXPECT_EQ(state.DayBalStart, kStart);
    const auto r = calculateDailyBalance(state);
    ASSERT_TRUE(r);
    EXPECT_EQ(shownText(dailyBalanceResultBindings()[0], *r), "9 972.60");
    EXPECT_EQ(shownText(dailyBalanceResultBindings()[1], *r), "364");
    EXPECT_TRUE(dayBalStartDateField().mayBeEmpty);
}

TEST(DailyBalancePrintoutTest, OnlyWithInterestAndDays)
{
    EXPECT_TRUE(dailyBalancePrintAllowed({9972.6, 364}));
    EXPECT_FALSE(dailyBalancePrintAllowed({0.0, 0}));
    EXPECT_FALSE(dailyBalancePrintAllowed({0.0, 30})) << "no rate";
}

TEST(DailyBalancePrintoutTest, TheRowPrintsTheDatesAsDates)
{
    const DayBalState state = balance(100000, 10, kStart, day(2022, 2, 28));
    const DayBalResults r = *calculateDailyBalance(state);
    const Row row = dailyBalancePrintRow(state, r);
    const Row expected{{"CapAmount", 100000.0},
                       {"StartDate", std::int64_t{kStart}},
                       {"EndDate", std::int64_t{kStart + 364}},
                       {"IntRate", 10.0},
                       {"ANS1", r.interest},
                       {"ANS2", std::int64_t{364}}};
    EXPECT_EQ(row, expected);

    testing::TempFolder folder;
    testing::RecordingSink sink;
    const PrintDatabase database(folder / "Crysprin.mdb", programCalculators().printSchema(), sink);
    ASSERT_TRUE(database.writeRow(kDailyBalancePrintTable, row));
    EXPECT_EQ(*database.readRow(kDailyBalancePrintTable), expected);

    const auto loaded = ReportTemplate::load(
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "resources" /
            "reports" / kDailyBalanceReportTemplate,
        programCalculators().printSchema());
    ASSERT_TRUE(std::holds_alternative<ReportTemplate>(loaded));
    ReportData data;
    data.rows[kDailyBalancePrintTable] = row;
    const std::string html = renderReport(std::get<ReportTemplate>(loaded), data).html;
    for (const char* shown : {"01/03/2021", "28/02/2022", "364", "9 972.60", "10.000 % p.a."}) {
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    }
}

} // namespace
} // namespace grovan
