// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_reader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string>
#include <system_error>

namespace grovan {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Collects the characters that make up the number, blanks left out, in the form from_chars reads.
struct NumberText
{
    std::string text;
    bool negative = false;
    int magnitude = 0; // digits before the point, leading zeros excluded, plus the exponent
};

NumberText collect(std::string_view input)
{
    enum class Stage
    {
        Sign,
        Integer,
        Fraction,
        ExponentSign,
        ExponentDigits
    };
    NumberText out;
    Stage stage = Stage::Sign;
    std::string exponent;
    int integerDigits = 0;
    int leadingFractionZeros = 0;
    bool anyMantissaDigit = false;
    bool significantSeen = false;
    for (const char c : input) {
        if (isBlank(c)) {
            continue;
        }
        if (stage == Stage::Sign && (c == '+' || c == '-')) {
            out.negative = c == '-';
            stage = Stage::Integer;
            continue;
        }
        if ((stage == Stage::Sign || stage == Stage::Integer) && isDigit(c)) {
            stage = Stage::Integer;
            anyMantissaDigit = true;
            significantSeen = significantSeen || c != '0';
            if (significantSeen) {
                ++integerDigits;
            }
            out.text.push_back(c);
            continue;
        }
        if ((stage == Stage::Sign || stage == Stage::Integer) && c == '.') {
            stage = Stage::Fraction;
            out.text.push_back(c);
            continue;
        }
        if (stage == Stage::Fraction && isDigit(c)) {
            anyMantissaDigit = true;
            if (!significantSeen && c == '0') {
                ++leadingFractionZeros;
            }
            significantSeen = significantSeen || c != '0';
            out.text.push_back(c);
            continue;
        }
        if ((stage == Stage::Integer || stage == Stage::Fraction) && anyMantissaDigit &&
            (c == 'e' || c == 'E')) {
            stage = Stage::ExponentSign;
            continue;
        }
        if (stage == Stage::ExponentSign && (c == '+' || c == '-')) {
            exponent.push_back(c);
            stage = Stage::ExponentDigits;
            continue;
        }
        if ((stage == Stage::ExponentSign || stage == Stage::ExponentDigits) && isDigit(c)) {
            exponent.push_back(c);
            stage = Stage::ExponentDigits;
            continue;
        }
        break;
    }
    if (!anyMantissaDigit) {
        out.text.clear();
        return out;
    }
    long long exponentValue = 0;
    const bool exponentHasDigits = !exponent.empty() && isDigit(exponent.back());
    if (exponentHasDigits) {
        const char* first = exponent.data() + (exponent.front() == '+' ? 1 : 0);
        const auto parsed =
            std::from_chars(first, exponent.data() + exponent.size(), exponentValue);
        // Far beyond any double either way, yet small enough that the digits of a text cannot
        // overflow the sum below (an exponent of 9223372036854775807 did).
        constexpr long long kFarExponent = 1'000'000'000'000'000;
        if (parsed.ec == std::errc::result_out_of_range || exponentValue > kFarExponent ||
            exponentValue < -kFarExponent) {
            exponentValue = exponent.front() == '-' ? -kFarExponent : kFarExponent;
        }
        // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on "e" + std::string.
        out.text += 'e';
        out.text += std::to_string(exponentValue);
    }
    const long long magnitude =
        (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponentValue;
    out.magnitude = static_cast<int>(std::clamp(magnitude, -100000LL, 100000LL));
    return out;
}

} // namespace

std::optional<double> readNumber(std::string_view input)
{
    const NumberText number = collect(input);
    if (number.text.empty() || number.text == ".") {
        return 0.0;
    }
    double value = 0.0;
    const auto parsed =
        std::from_chars(number.text.data(), number.text.data() + number.text.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        if (number.magnitude > 0) {
            return std::nullopt;
        }
        value = 0.0;
    }
    if (value == 0.0) {
        return 0.0; // never a negative zero
    }
    return number.negative ? -value : value;
}

} // namespace grovan
