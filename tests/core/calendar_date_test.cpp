// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar_date.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

struct DayNumberCase
{
    const char* name;
    int year;
    int month;
    int day;
    std::int32_t dayNumber;
};

// Day 0 is 30/12/1899; the tax-year numbers agree with the usual spreadsheet serial dates.
const DayNumberCase kDayNumberCases[] = {
    {"day_zero", 1899, 12, 30, 0},        {"day_one", 1899, 12, 31, 1},
    {"first_of_1900", 1900, 1, 1, 2},     {"tax_year_start", 2021, 3, 1, 44256},
    {"tax_year_end", 2022, 2, 28, 44620}, {"no_date_value", 1800, 1, 1, -36522},
    {"leap_day", 2020, 2, 29, 43890},
};

class DayNumberCases : public ::testing::TestWithParam<DayNumberCase>
{};

TEST_P(DayNumberCases, CountsFrom30December1899)
{
    const DayNumberCase& c = GetParam();
    const auto date = CalendarDate::fromYmd(c.year, c.month, c.day);
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(date->dayNumber(), c.dayNumber);
    const CalendarDate back = CalendarDate::fromDayNumber(c.dayNumber);
    EXPECT_EQ(back.year(), c.year);
    EXPECT_EQ(back.month(), c.month);
    EXPECT_EQ(back.day(), c.day);
}

INSTANTIATE_TEST_SUITE_P(Dates, DayNumberCases, ::testing::ValuesIn(kDayNumberCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ParseCase
{
    const char* name;
    const char* text;
    const char* expectedText; // nullptr: not a date
};

const ParseCase kParseCases[] = {
    {"display_form", "01/03/2021", "01/03/2021"},
    {"single_digits", "1/3/2021", "01/03/2021"},
    {"blanks_around", " 28/02/2022 ", "28/02/2022"},
    {"leap_day", "29/02/2020", "29/02/2020"},
    {"no_leap_day_in_2021", "29/02/2021", nullptr},
    {"thirty_first_of_february", "31/02/2021", nullptr},
    {"day_zero", "00/01/2021", nullptr},
    {"month_thirteen", "01/13/2021", nullptr},
    {"dashes", "01-03-2021", nullptr},
    {"two_digit_year", "01/03/21", nullptr},
    {"empty_mask", "__/__/____", nullptr},
    {"empty", "", nullptr},
    {"trailing_text", "01/03/2021x", nullptr},
    {"three_digit_day", "001/03/2021", nullptr},
};

class ParseCases : public ::testing::TestWithParam<ParseCase>
{};

TEST_P(ParseCases, ReadsDisplayText)
{
    const ParseCase& c = GetParam();
    const auto date = CalendarDate::parse(c.text);
    ASSERT_EQ(date.has_value(), c.expectedText != nullptr);
    if (date) {
        EXPECT_EQ(date->text(), c.expectedText);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseCases, ::testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalendarDate, AcceptsIsoWhereAsked)
{
    EXPECT_EQ(CalendarDate::parseDisplayOrIso("2021-03-01")->text(), "01/03/2021");
    EXPECT_EQ(CalendarDate::parseDisplayOrIso("01/03/2021")->isoText(), "2021-03-01");
    EXPECT_FALSE(CalendarDate::parseDisplayOrIso("2021-3-1").has_value());
    EXPECT_FALSE(CalendarDate::parseDisplayOrIso("2021-02-30").has_value());
    EXPECT_FALSE(CalendarDate::parse("2021-03-01").has_value());
}

TEST(CalendarDate, DayArithmetic)
{
    const CalendarDate start = *CalendarDate::parse("01/09/2021");
    const CalendarDate end = *CalendarDate::parse("28/02/2022");
    EXPECT_EQ(end.daysSince(start) + 1, 181);
    EXPECT_EQ(start.addDays(30).text(), "01/10/2021");
    EXPECT_EQ(end.addDays(1).text(), "01/03/2022");
    EXPECT_LT(start, end);
}

TEST(CalendarDate, DaysInMonth)
{
    EXPECT_EQ(daysInMonth(2020, 2), 29);
    EXPECT_EQ(daysInMonth(2022, 2), 28);
    EXPECT_EQ(daysInMonth(2021, 4), 30);
    EXPECT_EQ(daysInMonth(2021, 12), 31);
}

} // namespace
} // namespace grovan
