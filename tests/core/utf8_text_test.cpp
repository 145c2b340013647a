// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/utf8_text.h"

#include "core/text.h"

#include <gtest/gtest.h>

#include <string>

namespace grovan {
namespace {

struct Utf8Case
{
    const char* name;
    std::string text;
    std::size_t validLength;
};

// Latin-1 text (as many payroll exports are) is the usual stranger; the others are the forms a
// decoder must not let through.
const Utf8Case kUtf8Cases[] = {
    {"ascii", "Muller", 6},
    {"two_byte_letter", "M\xC3\xBCller", 7},
    {"three_byte_sign", "R\xE2\x82\xAC", 4},
    {"four_byte_sign", "\xF0\x9F\x98\x80", 4},
    {"latin1_u_umlaut", "M\xFCller", 1},
    {"cut_off_sequence", "Jan\xC3", 3},
    {"lone_continuation_byte", "a\x80", 1},
    {"overlong_slash", "\xC0\xAF", 0},
    {"overlong_three_bytes", "\xE0\x80\xAF", 0},
    {"surrogate", "\xED\xA0\x80", 0},
    {"above_10FFFF", "\xF4\x90\x80\x80", 0},
    {"empty", "", 0},
};

class Utf8Validity : public ::testing::TestWithParam<Utf8Case>
{};

TEST_P(Utf8Validity, StopsAtTheFirstByteThatIsNoUtf8)
{
    EXPECT_EQ(validUtf8Length(GetParam().text), GetParam().validLength);
}

INSTANTIATE_TEST_SUITE_P(Text, Utf8Validity, ::testing::ValuesIn(kUtf8Cases),
                         [](const auto& info) { return std::string(info.param.name); });

struct EscapeCase
{
    const char* name;
    std::string text;
    const char* shown;
};

const EscapeCase kEscapeCases[] = {
    {"plain_text_as_it_stands", "van Wyk, Jan \"TM\"", "\"van Wyk, Jan \"TM\"\""},
    {"accented_letters_as_they_stand", "Zo\xC3\xAB", "\"Zo\xC3\xAB\""},
    {"nul_and_line_breaks", std::string("sal\0ary\r\n\t", 10), "\"sal\\0ary\\r\\n\\t\""},
    {"other_control_characters", "a\x1B\x7F", "\"a\\x1B\\x7F\""},
    {"byte_order_mark", "\xEF\xBB\xBFsalary", "\"\\u{FEFF}salary\""},
    {"zero_width_space", "sal\xE2\x80\x8B", "\"sal\\u{200B}\""},
    {"c1_control", "a\xC2\x85", "\"a\\u{0085}\""},
    {"bytes_that_are_no_utf8", "M\xFCller", "\"M\\xFCller\""},
};

class MessageQuoting : public ::testing::TestWithParam<EscapeCase>
{};

TEST_P(MessageQuoting, ShowsWhatCannotBeSeen)
{
    const std::string shown = quotedText(GetParam().text);
    EXPECT_EQ(shown, GetParam().shown);
    EXPECT_TRUE(isValidUtf8(shown));
}

INSTANTIATE_TEST_SUITE_P(Text, MessageQuoting, ::testing::ValuesIn(kEscapeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MessageQuoting, ALongTextIsCutAndItsLengthGiven)
{
    const std::string cell(10'000'000, '9');
    EXPECT_EQ(quotedText(cell, 8), "\"99999999\u2026\" (10 000 000 bytes)");
    // Characters are counted, not bytes: a letter of two bytes is never cut in half.
    EXPECT_EQ(quotedText("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\"\xC3\xA9\xC3\xA9\u2026\" (6 bytes)");
    // Text of exactly the length is whole.
    EXPECT_EQ(quotedText("12345678", 8), "\"12345678\"");
}

TEST(Trimmed, TakesOffBlanksAndTabsAtEitherEndOnly)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", ""},
        {" ", ""},
        {"\t \t", ""},
        {"a", "a"},
        {" a", "a"},
        {"a\t", "a"},
        {"\t a b \t", "a b"},
        {"\na\n", "\na\n"},
        {" \xC3\xA9 ", "\xC3\xA9"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(trimmed(text), expected) << '"' << text << '"';
    }
    static_assert(trimmed("  40 ") == "40");
}

} // namespace
} // namespace grovan
