// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace grovan {
namespace {

struct ReadCase
{
    const char* name;
    const char* text;
    std::optional<double> expected;
};

const std::string kManyNines(400, '9');

const ReadCase kReadCases[] = {
    {"empty_text_is_zero", "", 0.0},
    {"blanks_only_are_zero", "   ", 0.0},
    {"whole_number", "123", 123.0},
    {"grouped_display_text", " 1 234 567.89", 1234567.89},
    {"blanks_anywhere", "\t4\n2 ", 42.0},
    {"comma_stops_reading", "12,5", 12.0},
    {"second_point_stops_reading", "1.2.3", 1.2},
    {"letters_stop_reading", "12abc", 12.0},
    {"no_digits_is_zero", "abc", 0.0},
    {"currency_sign_cannot_start_a_number", "R 100", 0.0},
    {"negative", "-5", -5.0},
    {"blank_after_sign", "- 5", -5.0},
    {"plus_sign", "+7", 7.0},
    {"two_signs_read_nothing", "--5", 0.0},
    {"sign_after_digits_stops", "5-3", 5.0},
    {"leading_point", ".5", 0.5},
    {"trailing_point", "5.", 5.0},
    {"point_alone", ".", 0.0},
    {"leading_zeros", "007", 7.0},
    {"exponent", "1e3", 1000.0},
    {"negative_exponent", "1E-2", 0.01},
    {"exponent_without_digits_is_dropped", "2e", 2.0},
    {"exponent_sign_without_digits_is_dropped", "2e+", 2.0},
    {"exponent_cannot_start_a_number", "e5", 0.0},
    {"minus_zero_is_zero", "-0", 0.0},
    {"long_grouped_number", "1 000 000 000 000 000 000 000", 1e21},
    {"too_small_reads_as_zero", "1e-999", 0.0},
    {"beyond_double_range", "1e999", std::nullopt},
    {"many_digits_beyond_range", kManyNines.c_str(), std::nullopt},
    {"largest_exponent_beyond_range", "5e9223372036854775807", std::nullopt},
    {"exponent_beyond_64_bits", "5e99999999999999999999", std::nullopt},
    {"smallest_exponent_reads_as_zero", "1e-4294967295", 0.0},
};

class ReadNumberCases : public ::testing::TestWithParam<ReadCase>
{};

TEST_P(ReadNumberCases, ReadsAsAFieldDoes)
{
    const ReadCase& c = GetParam();
    const auto value = readNumber(c.text);
    ASSERT_EQ(value.has_value(), c.expected.has_value());
    if (value) {
        EXPECT_DOUBLE_EQ(*value, *c.expected);
        EXPECT_FALSE(std::signbit(*value) && *value == 0.0) << "negative zero";
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadNumberCases, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan
