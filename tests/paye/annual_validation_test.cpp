// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/annual_fields.h"
#include "paye/annual_validation.h"
#include "tests/support/dates.h"

#include <gtest/gtest.h>

#include <functional>

namespace grovan {
namespace {

using testing::date;

const Message kStartMessage{
    "The date entered is not correct please enter a date between 01/03/2021 and 28/02/2022",
    "Incorrect Date", MessageIcon::Error};
const Message kTooMany{
    "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!", "Grovan2022",
    MessageIcon::None};

Message endMessage(const char* start)
{
    return {std::string("The date entered is not correct please enter a date between ") + start +
                " and 28/02/2022",
            "Incorrect Date", MessageIcon::Error};
}

struct StartDateCase
{
    const char* name;
    std::optional<CalendarDate> typed;
    CalendarDate currentEnd;
    bool refused;
};

// The start date's latest allowed day is the current end date; the message always names the
// tax year's limits.
const StartDateCase kStartDateCases[] = {
    {"first_day_of_the_year", date(2021, 3, 1), TaxYearEnd, false},
    {"day_before_the_year", date(2021, 2, 28), TaxYearEnd, true},
    {"on_the_current_end_date", date(2021, 11, 30), date(2021, 11, 30), false},
    {"after_the_current_end_date", date(2021, 12, 1), date(2021, 11, 30), true},
    {"after_the_year", date(2022, 3, 1), TaxYearEnd, true},
    {"not_a_valid_date", std::nullopt, TaxYearEnd, true},
};

class AnnualStartDate : public ::testing::TestWithParam<StartDateCase>
{};

TEST_P(AnnualStartDate, IsCheckedAgainstTheYearAndTheEndDate)
{
    const StartDateCase& c = GetParam();
    const auto message = checkStartDate(c.typed, c.currentEnd);
    if (c.refused) {
        ASSERT_TRUE(message);
        EXPECT_EQ(*message, kStartMessage);
    } else {
        EXPECT_FALSE(message);
    }
}

INSTANTIATE_TEST_SUITE_P(Annual, AnnualStartDate, ::testing::ValuesIn(kStartDateCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct EndDateCase
{
    const char* name;
    std::optional<CalendarDate> typed;
    CalendarDate currentStart;
    const char* quotedStart; ///< nullptr when the date is accepted
};

// The end date's earliest allowed day is the current start date, which its message quotes.
const EndDateCase kEndDateCases[] = {
    {"last_day_of_the_year", date(2022, 2, 28), TaxYearStart, nullptr},
    {"after_the_year", date(2022, 3, 1), TaxYearStart, "01/03/2021"},
    {"on_the_start_date_is_one_day", date(2021, 6, 1), date(2021, 6, 1), nullptr},
    {"before_the_start_date", date(2021, 5, 31), date(2021, 6, 1), "01/06/2021"},
    {"not_a_valid_date", std::nullopt, date(2021, 9, 15), "15/09/2021"},
};

class AnnualEndDate : public ::testing::TestWithParam<EndDateCase>
{};

TEST_P(AnnualEndDate, IsCheckedAgainstTheStartDateAndTheYear)
{
    const EndDateCase& c = GetParam();
    const auto message = checkEndDate(c.typed, c.currentStart);
    if (c.quotedStart != nullptr) {
        ASSERT_TRUE(message);
        EXPECT_EQ(*message, endMessage(c.quotedStart));
    } else {
        EXPECT_FALSE(message);
    }
}

INSTANTIATE_TEST_SUITE_P(Annual, AnnualEndDate, ::testing::ValuesIn(kEndDateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnnualBeneficiaries, ThirtyBecomesTwentyFourWithTheMessage)
{
    std::int16_t count = 30;
    EXPECT_EQ(limitBeneficiaries(count), kTooMany);
    EXPECT_EQ(count, 24);

    count = 24;
    EXPECT_FALSE(limitBeneficiaries(count));
    EXPECT_EQ(count, 24);
}

TEST(AnnualBeneficiaries, DuplicateMarchChecksJanuaryFirstThenCopiesMarch)
{
    AnnualInputs in;
    in.beneficiaries[12] = 25;
    in.beneficiaries[1] = 30;
    in.beneficiaries[3] = 5;
    const std::vector<FieldProblem> problems = duplicateMarch(in);

    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].field->controlName, "numAnnCalcBens(1)");
    EXPECT_EQ(problems[1].field->controlName, "numAnnCalcBens(12)");
    EXPECT_EQ(problems[0].message, kTooMany);
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(in.beneficiaries[month], 5) << "month " << month;
    }
}

TEST(AnnualBeneficiaries, DuplicateMarchCopiesMarchAfterLimitingIt)
{
    AnnualInputs in;
    in.beneficiaries[3] = 40;
    const std::vector<FieldProblem> problems = duplicateMarch(in);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].field->controlName, "numAnnCalcBens(3)");
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(in.beneficiaries[month], 24) << "month " << month;
    }
}

struct RefusalCase
{
    const char* name;
    const FieldDescription* field;
    std::optional<double> value;
    std::optional<Message> message;
};

// What the window says when a field refuses a value; the end date quotes the current start date
// (15/09/2021 below). Amount fields have no message of their own.
const RefusalCase kRefusalCases[] = {
    {"month_above_24", &annualBeneficiariesField(7), 30, kTooMany},
    {"month_below_0_has_no_message_of_its_own", &annualBeneficiariesField(7), -1, std::nullopt},
    {"start_date_out_of_range", &annualStartDateField(), 44000, kStartMessage},
    {"start_date_not_a_date", &annualStartDateField(), std::nullopt, kStartMessage},
    {"end_date_not_a_date", &annualEndDateField(), std::nullopt, endMessage("15/09/2021")},
    {"amount_has_no_message_of_its_own", annualInputBindings()[1].field, -5, std::nullopt},
};

class AnnualRefusal : public ::testing::TestWithParam<RefusalCase>
{};

TEST_P(AnnualRefusal, GivesTheWindowsMessage)
{
    AnnualInputs current;
    current.startDate = date(2021, 9, 15);
    const RefusalCase& c = GetParam();
    EXPECT_EQ(annualRefusalMessage(*c.field, c.value, current), c.message);
}

INSTANTIATE_TEST_SUITE_P(Annual, AnnualRefusal, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct InputsCase
{
    const char* name;
    std::function<void(AnnualInputs&)> given;
    const char* failingControl; ///< nullptr when the inputs are accepted
    std::optional<Message> message;
};

// A whole set of inputs is checked in the window's order: months, start date, end date.
const InputsCase kInputsCases[] = {
    {"defaults_are_accepted", [](AnnualInputs&) {}, nullptr, std::nullopt},
    {"every_month_at_24_is_accepted",
     [](AnnualInputs& in) {
         for (const int month : kTaxYearMonths) {
             in.beneficiaries[month] = kMostBeneficiaries;
         }
     },
     nullptr, std::nullopt},
    {"month_above_24_named_march_first",
     [](AnnualInputs& in) {
         in.beneficiaries[2] = 25;
         in.beneficiaries[4] = 25;
     },
     "numAnnCalcBens(4)", kTooMany},
    {"start_after_the_year",
     [](AnnualInputs& in) {
         in.startDate = date(2022, 3, 1);
         in.endDate = date(2022, 3, 1);
     },
     "dtStartDate", kStartMessage},
    {"end_before_start_quotes_the_start",
     [](AnnualInputs& in) {
         in.startDate = date(2021, 12, 1);
         in.endDate = date(2021, 11, 30);
     },
     "dtEndDate", endMessage("01/12/2021")},
    {"one_day_period", [](AnnualInputs& in) { in.startDate = in.endDate; }, nullptr, std::nullopt},
};

class AnnualInputsCheck : public ::testing::TestWithParam<InputsCase>
{};

TEST_P(AnnualInputsCheck, NamesTheFirstFailingField)
{
    const InputsCase& c = GetParam();
    AnnualInputs in;
    c.given(in);
    const auto problem = validateAnnualInputs(in);
    if (c.failingControl == nullptr) {
        EXPECT_FALSE(problem);
        return;
    }
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field->controlName, c.failingControl);
    EXPECT_EQ(problem->message, c.message);
}

INSTANTIATE_TEST_SUITE_P(Annual, AnnualInputsCheck, ::testing::ValuesIn(kInputsCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan
