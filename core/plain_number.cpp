// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plain_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace grovan {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return static_cast<unsigned char>(c - '0') <= 9;
}

} // namespace

bool readPlainDecimalInFull(std::string_view text, double& value)
{
    // Every power of ten up to 10^15 is a double exactly.
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr std::ptrdiff_t kMostDigits = 15;
    const char* at = text.data();
    const char* const end = at + text.size();
    bool negative = false;
    if (at != end && (*at == '+' || *at == '-')) {
        negative = *at == '-';
        ++at;
    }
    // The whole part, then after a point the decimals, each at least one digit.
    std::uint64_t digits = 0;
    const char* const wholeBegin = at;
    for (; at != end && isDigit(*at); ++at) {
        digits = digits * 10 + static_cast<std::uint64_t>(*at - '0');
    }
    const std::ptrdiff_t whole = at - wholeBegin;
    std::ptrdiff_t decimals = 0;
    if (whole > 0 && at != end && *at == '.') {
        const char* const decimalsBegin = ++at;
        for (; at != end && isDigit(*at); ++at) {
            digits = digits * 10 + static_cast<std::uint64_t>(*at - '0');
        }
        decimals = at - decimalsBegin;
        if (decimals == 0) {
            return false;
        }
    }
    if (whole == 0 || at != end || whole + decimals > kMostDigits) {
        return false;
    }
    // The digits (below 10^15) and the power of ten are both exact, so one division rounds the
    // decimal to the nearest double, as a full reading of its text does.
    double read = static_cast<double>(digits);
    if (decimals > 0) {
        read /= kPowersOfTen[decimals];
    }
    value = (negative ? -read : read) + 0.0; // "-0" is 0
    return true;
}

std::optional<double> parsePlainNumber(std::string_view text)
{
    if (double quick = 0.0; readPlainDecimal(text, quick)) {
        return quick;
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        // One sign only: "+-12.5" is no number.
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const auto parsed =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || parsed.ec != std::errc{} || parsed.ptr != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value + 0.0; // "-0" is 0
}

std::optional<double> parseTypedNumber(std::string_view text)
{
    // Cells without blanks, the usual case, are read where they stand.
    if (std::none_of(text.begin(), text.end(), isBlank)) {
        return text.empty() ? std::optional<double>(0.0) : parsePlainNumber(text);
    }
    std::string packed;
    packed.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(packed),
                 [](char c) { return !isBlank(c); });
    return packed.empty() ? std::optional<double>(0.0) : parsePlainNumber(packed);
}

} // namespace grovan
