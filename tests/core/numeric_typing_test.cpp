// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numeric_typing.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

struct EditCase
{
    const char* name;
    TypingLimits limits;
    const char* before;
    const char* after;
    bool accepted;
};

constexpr TypingLimits kAmount{.negative = false, .integerDigits = 9, .decimals = 2};
constexpr TypingLimits kWhole{.negative = false, .integerDigits = 3, .decimals = 0};
constexpr TypingLimits kSigned{.negative = true, .integerDigits = 2, .decimals = 3};

const EditCase kCases[] = {
    {"digits_within_the_limits", kAmount, "12345678", "123456789.99", true},
    {"an_integer_digit_too_many", kAmount, "123456789", "1234567890", false},
    {"a_decimal_too_many", kAmount, "1.23", "1.234", false},
    {"a_point_where_no_decimals_are_taken", kWhole, "12", "12.", false},
    {"a_second_point", kAmount, "1.2", "1.2.", false},
    // Blanks are not digits, so a user may group as the display does.
    {"blanks_do_not_count", kWhole, "12", "1 2 3", true},
    {"letters_are_refused", kAmount, "12", "12a", false},
    {"a_comma_is_refused", kAmount, "12", "12,5", false},
    {"a_non_ascii_digit_is_refused", kAmount, "12", "12\xd9\xa3", false},
    {"a_minus_in_front_below_0", kSigned, "", "-4.25", true},
    {"a_minus_where_nothing_negative_is_taken", kAmount, "", "-4", false},
    {"a_minus_after_a_digit", kSigned, "4", "4-", false},
    {"a_minus_after_the_point", kSigned, ".", ".-", false},
    {"two_minuses", kSigned, "-", "--", false},
    {"decimals_after_a_point_typed_first", kAmount, ".9", ".99", true},
    // A longer value the program set may be shortened, never lengthened.
    {"a_longer_value_shortened", kWhole, "123456", "12345", true},
    {"a_longer_value_lengthened", kWhole, "123456", "1234567", false},
    {"a_point_the_program_set_may_stay", kWhole, "12.5", "12.", true},
    {"a_minus_the_program_set_may_stay", kAmount, "-12", "-1", true},
    {"empty_text", kAmount, "12", "", true},
};

class NumericTyping : public ::testing::TestWithParam<EditCase>
{};

TEST_P(NumericTyping, AcceptsWhatTheFieldTakes)
{
    const EditCase& c = GetParam();
    EXPECT_EQ(acceptableEdit(c.after, countTypedDigits(c.before), c.limits), c.accepted);
}

INSTANTIATE_TEST_SUITE_P(Typing, NumericTyping, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumericTyping, CountsDigitsOnEitherSideOfThePoint)
{
    EXPECT_EQ(countTypedDigits("-1 234.56"),
              (TypedDigits{.integer = 4, .fraction = 2, .minus = true, .point = true}));
    EXPECT_EQ(countTypedDigits("R 12"), (TypedDigits{.integer = 2}));
    EXPECT_EQ(countTypedDigits(""), TypedDigits{});
}

} // namespace
} // namespace grovan
