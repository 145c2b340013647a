// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plain_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <optional>
#include <random>
#include <string>

namespace grovan {
namespace {

struct QuickCase
{
    const char* name;
    const char* text;
    bool quick; ///< whether the quick reading takes it (otherwise the long way does)
};

// The quick reading takes amounts as they are usually written and leaves every other shape, right
// or wrong, to the full reading.
const QuickCase kQuickCases[] = {
    {"whole", "28471", true},
    {"one_digit", "7", true},
    {"zero", "0", true},
    {"point_alone", ".", false},
    {"one_letter", "x", false},
    {"cents", "177.12", true},
    {"signed", "-177.12", true},
    {"plus_sign", "+40", true},
    {"negative_zero", "-0", true},
    {"leading_zeros", "0042", true},
    {"fifteen_digits", "123456789012.345", true},
    {"sixteen_digits", "1234567890123456", false},
    {"exponent", "1e5", false},
    {"point_first", ".5", false},
    {"point_last", "5.", false},
    {"two_points", "1.2.3", false},
    {"blank", " 40", false},
    {"grouped", "1 000", false},
    {"two_signs", "+-5", false},
    {"sign_alone", "-", false},
    {"empty", "", false},
    {"letters", "12abc", false},
    {"not_a_number", "nan", false},
};

class PlainDecimal : public ::testing::TestWithParam<QuickCase>
{};

TEST_P(PlainDecimal, TakesTheUsualAmountsAndGivesTheFullReadingsValue)
{
    const QuickCase& c = GetParam();
    double quick = 0.0;
    ASSERT_EQ(readPlainDecimal(c.text, quick), c.quick);
    if (c.quick) {
        const std::optional<double> full = parsePlainNumber(c.text);
        ASSERT_TRUE(full.has_value());
        EXPECT_EQ(std::signbit(quick), std::signbit(*full));
        EXPECT_EQ(quick, *full);
    }
}

INSTANTIATE_TEST_SUITE_P(Quick, PlainDecimal, ::testing::ValuesIn(kQuickCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlainDecimal, GivesTheVeryDoubleOfAFullReading)
{
    // Random strings of digits, points and signs: wherever the quick reading gives a value, it is
    // bit for bit the one std::from_chars (a correctly rounded reading) gives, a negative zero
    // apart.
    std::mt19937_64 random(20210301);
    int quick = 0;
    for (int i = 0; i < 300'000; ++i) {
        std::string text = (random() % 4 == 0) ? "-" : "";
        const int length = 1 + static_cast<int>(random() % 17);
        for (int j = 0; j < length; ++j) {
            text.push_back("0123456789012345678."[random() % 20]);
        }
        double value = 0.0;
        if (!readPlainDecimal(text, value)) {
            continue;
        }
        ++quick;
        double full = 0.0;
        const auto parsed = std::from_chars(text.data(), text.data() + text.size(), full);
        ASSERT_EQ(parsed.ptr, text.data() + text.size()) << text;
        full += 0.0; // but never a negative zero: "-0" is 0
        ASSERT_EQ(std::memcmp(&full, &value, sizeof full), 0) << text;
    }
    EXPECT_GT(quick, 100'000); // most of them were read quickly
}

} // namespace
} // namespace grovan
