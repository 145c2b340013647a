// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace grovan {
namespace {

struct RoundCase
{
    const char* name;
    double value;
    int decimals;
    double expected;
};

const RoundCase kHalfEvenCases[] = {
    {"half_down_to_even", 2.5, 0, 2},
    {"half_up_to_even", 3.5, 0, 4},
    {"negative_half_to_even", -2.5, 0, -2},
    {"half_below_one", 0.5, 0, 0},
    {"one_and_a_half", 1.5, 0, 2},
    {"cents_half_to_even_down", 0.125, 2, 0.12},
    {"cents_half_to_even_up", 0.135, 2, 0.14},
    // 2.675 is held as 2.67499999..., but as typed it is a half: the 7 is odd, so up.
    {"typed_half_not_binary", 2.675, 2, 2.68},
    {"typed_half_with_even_digit", 1.005, 2, 1.0},
    {"carry_into_thousands", 999.995, 2, 1000.0},
    {"above_half", 0.1251, 2, 0.13},
    {"below_half", 29166.666666, 2, 29166.67},
    {"nothing_to_round", 12.5, 2, 12.5},
    {"rounds_away_to_zero", 0.0004, 2, 0},
    {"whole_rands", 27499.5, 0, 27500},
    {"whole_rands_even", 27500.5, 0, 27500},
};

class RoundHalfEvenCases : public ::testing::TestWithParam<RoundCase>
{};

TEST_P(RoundHalfEvenCases, Rounds)
{
    const RoundCase& c = GetParam();
    EXPECT_EQ(roundHalfEven(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEvenCases, ::testing::ValuesIn(kHalfEvenCases),
                         [](const auto& info) { return std::string(info.param.name); });

const RoundCase kHalfAwayCases[] = {
    {"cents_half_up", 0.125, 2, 0.13},   {"whole_half_up", 2.5, 0, 3},
    {"negative_half_away", -2.5, 0, -3}, {"typed_half", 1.005, 2, 1.01},
    {"below_half", 133.0346, 2, 133.03},
};

class RoundHalfAwayCases : public ::testing::TestWithParam<RoundCase>
{};

TEST_P(RoundHalfAwayCases, Rounds)
{
    const RoundCase& c = GetParam();
    EXPECT_EQ(roundHalfAwayFromZero(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfAwayCases, ::testing::ValuesIn(kHalfAwayCases),
                         [](const auto& info) { return std::string(info.param.name); });

const RoundCase kCutCases[] = {
    {"cents", 1.999, 2, 1.99},
    // 0.29 is held as 0.28999...; cutting the digits as typed keeps 0.29.
    {"typed_cents_kept", 0.29, 2, 0.29},
    {"negative_towards_zero", -1.999, 2, -1.99},
    {"millionths", 3.1415926535, 6, 3.141592},
    {"already_short", 123.0, 2, 123.0},
    {"below_a_cent", 0.009, 2, 0.0},
};

class CutCases : public ::testing::TestWithParam<RoundCase>
{};

TEST_P(CutCases, CutsTowardsZero)
{
    const RoundCase& c = GetParam();
    EXPECT_EQ(cutToDecimals(c.value, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, CutCases, ::testing::ValuesIn(kCutCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RoundedDown, IsTheLargestWholeNumberNotAbove)
{
    EXPECT_EQ(roundedDown(38916.0026), 38916);
    EXPECT_EQ(roundedDown(5.0), 5);
    EXPECT_EQ(roundedDown(-2.5), -3);
}

TEST(Rounding, NonFiniteValuesPassThrough)
{
    EXPECT_TRUE(std::isnan(roundHalfEven(std::nan(""), 2)));
    EXPECT_EQ(roundHalfEven(INFINITY, 2), INFINITY);
    EXPECT_EQ(cutToDecimals(-INFINITY, 2), -INFINITY);
}

struct IntegerCase
{
    const char* name;
    double value;
    std::optional<std::int64_t> expected16;
    std::optional<std::int64_t> expected32;
};

const IntegerCase kIntegerCases[] = {
    {"half_to_even_down", 2.5, 2, 2},
    {"half_to_even_up", 3.5, 4, 4},
    {"negative", -7.4, -7, -7},
    {"int16_max", 32767, 32767, 32767},
    {"rounds_within_int16", 32767.4, 32767, 32767},
    {"rounds_past_int16", 32767.5, std::nullopt, 32768},
    {"int16_min", -32768, -32768, -32768},
    {"below_int16", -32769, std::nullopt, -32769},
    {"int32_max", 2147483647.0, std::nullopt, 2147483647},
    {"rounds_past_int32", 2147483647.5, std::nullopt, std::nullopt},
    {"int32_min", -2147483648.0, std::nullopt, -2147483648LL},
    {"far_too_large", 3e9, std::nullopt, std::nullopt},
    {"not_a_number", std::numeric_limits<double>::quiet_NaN(), std::nullopt, std::nullopt},
    {"infinity", std::numeric_limits<double>::infinity(), std::nullopt, std::nullopt},
};

class IntegerConversionCases : public ::testing::TestWithParam<IntegerCase>
{};

TEST_P(IntegerConversionCases, RefusesRatherThanWraps)
{
    const IntegerCase& c = GetParam();
    const auto as16 = toInt16(c.value);
    const auto as32 = toInt32(c.value);
    ASSERT_EQ(as16.has_value(), c.expected16.has_value());
    ASSERT_EQ(as32.has_value(), c.expected32.has_value());
    if (as16) {
        EXPECT_EQ(*as16, *c.expected16);
    }
    if (as32) {
        EXPECT_EQ(*as32, *c.expected32);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, IntegerConversionCases, ::testing::ValuesIn(kIntegerCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan
