// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/monthly_fields.h"
#include "paye/monthly_validation.h"
#include "tests/support/dates.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::date;

constexpr const char* kSameMonth = "The Start and End dates entered must be for the same Month";
constexpr const char* kStartBeforeEnd = "The Start date entered must be before the End date";
constexpr const char* kStartRange =
    "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022";

enum class Focus
{
    None,
    StartDate,
    EndDate,
};

struct PeriodCase
{
    const char* name;
    CalendarDate start;
    CalendarDate end;
    const char* message; ///< nullptr when the dates are accepted
    Focus focus;
};

const PeriodCase kPeriodCases[] = {
    {"defaults_are_accepted", TaxYearStart, kMonthlyDefaultEndDate, nullptr, Focus::None},
    {"one_day_period_is_accepted", date(2021, 5, 20), date(2021, 5, 20), nullptr, Focus::None},
    {"whole_february_is_accepted", date(2022, 2, 1), date(2022, 2, 28), nullptr, Focus::None},
    {"first_of_april_to_first_of_may", date(2021, 4, 1), date(2021, 5, 1), kSameMonth,
     Focus::EndDate},
    {"end_month_before_the_start_month", date(2021, 5, 20), date(2021, 4, 25), kSameMonth,
     Focus::EndDate},
    {"twentieth_to_tenth_of_may", date(2021, 5, 20), date(2021, 5, 10), kStartBeforeEnd,
     Focus::StartDate},
    {"start_date_before_the_tax_year", date(2021, 2, 28), date(2021, 3, 31), kStartRange,
     Focus::StartDate},
    {"start_date_after_the_tax_year", date(2022, 3, 1), date(2022, 3, 31), kStartRange,
     Focus::StartDate},
    {"end_date_after_the_tax_year_quotes_the_start", date(2022, 2, 1), date(2022, 3, 1),
     "The date entered is not correct please enter a date between 01/02/2022 and 28/02/2022",
     Focus::EndDate},
};

class MonthlyPeriod : public ::testing::TestWithParam<PeriodCase>
{};

TEST_P(MonthlyPeriod, IsCheckedBeforeCalculating)
{
    const PeriodCase& c = GetParam();
    MonthlyInputs in;
    in.startDate = c.start;
    in.endDate = c.end;
    const auto problem = validateMonthlyInputs(in);
    if (c.message == nullptr) {
        EXPECT_FALSE(problem.has_value()) << problem->message.text;
        return;
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message, (Message{c.message, "Incorrect Date", MessageIcon::Error}));
    EXPECT_EQ(problem->field,
              c.focus == Focus::StartDate ? &monthlyStartDateField() : &monthlyEndDateField());
}

INSTANTIATE_TEST_SUITE_P(Monthly, MonthlyPeriod, ::testing::ValuesIn(kPeriodCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct DateFieldCase
{
    const char* name;
    bool endField;
    std::optional<CalendarDate> date;
    bool refused;
};

// The fields' own checks: a date that is no date (nothing) or lies outside the tax year.
const DateFieldCase kDateFieldCases[] = {
    {"start_on_the_first_day", false, TaxYearStart, false},
    {"start_on_the_last_day", false, TaxYearEnd, false},
    {"start_a_day_early", false, date(2021, 2, 28), true},
    {"start_no_date", false, std::nullopt, true},
    {"end_on_the_last_day", true, TaxYearEnd, false},
    {"end_a_day_late", true, date(2022, 3, 1), true},
    {"end_no_date", true, std::nullopt, true},
    // Whether the end lies in the start's month is the calculation's check, not the field's.
    {"end_before_the_start_is_left_to_the_calculation", true, date(2021, 3, 10), false},
};

class MonthlyDateField : public ::testing::TestWithParam<DateFieldCase>
{};

TEST_P(MonthlyDateField, RefusesDatesOutsideTheTaxYear)
{
    const DateFieldCase& c = GetParam();
    const CalendarDate start = date(2021, 3, 15);
    const auto message =
        c.endField ? checkMonthlyEndDate(c.date, start) : checkMonthlyStartDate(c.date);
    ASSERT_EQ(message.has_value(), c.refused);
    if (c.refused) {
        const std::string text = c.endField ? "The date entered is not correct please enter a date "
                                              "between 15/03/2021 and 28/02/2022"
                                            : kStartRange;
        EXPECT_EQ(*message, (Message{text, "Incorrect Date", MessageIcon::Error}));
    }
}

INSTANTIATE_TEST_SUITE_P(Monthly, MonthlyDateField, ::testing::ValuesIn(kDateFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MonthlyRefusal, OnlyTheDatesHaveMessagesOfTheirOwn)
{
    MonthlyInputs current;
    current.startDate = date(2021, 7, 1);
    const auto start = monthlyRefusalMessage(monthlyStartDateField(), std::nullopt, current);
    const auto end = monthlyRefusalMessage(monthlyEndDateField(), std::nullopt, current);
    ASSERT_TRUE(start && end);
    EXPECT_EQ(start->text, kStartRange);
    EXPECT_EQ(end->text, "The date entered is not correct please enter a date between "
                         "01/07/2021 and 28/02/2022");
    for (const auto& binding : monthlyInputBindings()) {
        if (binding.field->kind != FieldKind::Date) {
            EXPECT_FALSE(monthlyRefusalMessage(*binding.field, 1e12, current))
                << binding.field->key;
        }
    }
}

} // namespace
} // namespace grovan
