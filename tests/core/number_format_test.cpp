// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"
#include "core/single_precision.h"

#include <gtest/gtest.h>

#include <cmath>

namespace grovan {
namespace {

struct FormatCase
{
    const char* name;
    double value;
    const char* pattern;
    const char* expected;
};

const FormatCase kFormatCases[] = {
    {"groups_more_digits_than_placeholders", 1234567.891, "### ### ##0.00", "1 234 567.89"},
    {"zero_shows_forced_digit", 0, "### ### ##0.00", "0.00"},
    {"no_padding_for_optional_digits", 12.5, "### ### ##0.00", "12.50"},
    {"half_rounds_away_and_carries", 999.995, "### ### ##0.00", "1 000.00"},
    {"negative_amount", -1234.5, "### ### ##0.00", "-1 234.50"},
    {"negative_rounding_to_zero_has_no_sign", -0.001, "0.00", "0.00"},
    {"cents_half_up", 0.125, "0.00", "0.13"},
    {"schedule_zero_balance", 0, "# ### ### ###.00", "0.00"},
    {"schedule_amount_below_one", 0.5, "# ### ### ###.00", "0.50"},
    {"schedule_large_amount", 1234567890123.456, "# ### ### ###.00", "1 234 567 890 123.46"},
    {"trailing_blank_is_kept", 250000, "# ### ### ##0.00 ", "250 000.00 "},
    {"three_decimals", 7.5, "0.000", "7.500"},
    {"two_forced_digits", 5, "00", "05"},
    {"more_digits_than_forced", 123, "00", "123"},
    {"three_forced_digits", 7, "000", "007"},
    {"optional_digits", 12, "##", "12"},
    {"optional_digits_of_zero", 0, "##", "0"},
    {"whole_number_rounds_half_away", 2.5, "0", "3"},
    {"literal_prefix", 1, "R 0.00", "R 1.00"},
    {"ungrouped_large", 1234567, "0", "1234567"},
    {"optional_decimals_dropped", 2.5, "0.##", "2.5"},
    {"cents_of_typed_half", 2.675, "0.00", "2.68"},
    {"shown_result_133_04", 34590.0 / 260, "### ### ##0.00", "133.04"},
};

class FormatNumberCases : public ::testing::TestWithParam<FormatCase>
{};

TEST_P(FormatNumberCases, FollowsThePattern)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Patterns, FormatNumberCases, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatNumber, NonFiniteValuesPrintNothing)
{
    EXPECT_EQ(formatNumber(std::nan(""), "0.00"), "");
    EXPECT_EQ(formatNumber(INFINITY, "### ### ##0.00"), "");
}

struct PlainCase
{
    const char* name;
    double value;
    const char* expected;
};

const PlainCase kPlainCases[] = {
    {"whole_number", 250000, "250000"},
    {"sum_with_binary_noise", 0.1 + 0.2, "0.3"},
    {"fifteen_significant_digits", 1.0 / 3, "0.333333333333333"},
    {"negative", -5, "-5"},
    {"zero", 0, "0"},
    {"negative_zero", -0.0, "0"},
    {"typed_decimals", 2.675, "2.675"},
    {"largest_without_exponent", 123456789012345, "123456789012345"},
    {"from_1e15_scientific", 1e15, "1E+15"},
    {"large_scientific", 1.5e20, "1.5E+20"},
    {"small_plain", 0.0001, "0.0001"},
    {"smaller_scientific", 0.00001, "1E-05"},
};

class PlainNumberTextCases : public ::testing::TestWithParam<PlainCase>
{};

TEST_P(PlainNumberTextCases, ConvertsPlainly)
{
    EXPECT_EQ(plainNumberText(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, PlainNumberTextCases, ::testing::ValuesIn(kPlainCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SinglePrecision, HoldsValuesAsAFloatFieldDoes)
{
    // A capital of 123 456 789 held in single precision becomes 123 456 792.
    EXPECT_EQ(static_cast<double>(*toSingle(123456789.0)), 123456792.0);
    EXPECT_NE(static_cast<double>(*toSingle(10.1)), 10.1);
    EXPECT_NEAR(static_cast<double>(*toSingle(10.1)), 10.1, 1e-6);
    EXPECT_FALSE(toSingle(1e39).has_value());
    EXPECT_FALSE(toSingle(std::nan("")).has_value());
}

} // namespace
} // namespace grovan
