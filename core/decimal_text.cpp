// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/decimal_text.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace grovan {

DecimalText::DecimalText(double value)
{
    assert(std::isfinite(value));
    m_negative = std::signbit(value);
    if (value == 0.0) {
        return;
    }
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific);
    const std::string text(buffer, written.ptr);
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') {
            m_digits.push_back(text[i]);
        }
    }
    int exponent = 0;
    const char* first = text.data() + e + 1;
    if (*first == '+') {
        ++first;
    }
    std::from_chars(first, text.data() + text.size(), exponent);
    m_point = exponent + 1;
    while (!m_digits.empty() && m_digits.back() == '0') {
        m_digits.pop_back();
    }
}

void DecimalText::dropFrom(int keep, bool roundUp)
{
    m_digits.resize(static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && m_digits[static_cast<std::size_t>(i)] == '9') {
            m_digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            m_digits.insert(m_digits.begin(), '1');
            ++m_point;
        } else {
            ++m_digits[static_cast<std::size_t>(i)];
        }
    }
    while (!m_digits.empty() && m_digits.back() == '0') {
        m_digits.pop_back();
    }
}

void DecimalText::roundTo(int decimals, HalfRule rule)
{
    const int keep = m_point + decimals;
    const int count = static_cast<int>(m_digits.size());
    if (keep >= count) {
        return;
    }
    if (keep < 0) {
        m_digits.clear();
        return;
    }
    const char first = m_digits[static_cast<std::size_t>(keep)];
    bool up = false;
    if (first > '5') {
        up = true;
    } else if (first == '5') {
        // Trailing zeros are never stored, so a '5' with digits after it is above the half.
        const bool exactHalf = keep + 1 == count;
        if (!exactHalf || rule == HalfRule::AwayFromZero) {
            up = true;
        } else {
            const char previous = keep > 0 ? m_digits[static_cast<std::size_t>(keep - 1)] : '0';
            up = (previous - '0') % 2 == 1;
        }
    }
    if (keep == 0) {
        // Not assigned from a literal: GCC 12 at -O3 reports a false -Wrestrict on that.
        m_digits.clear();
        if (up) {
            m_digits.push_back('1');
            ++m_point;
        }
        return;
    }
    dropFrom(keep, up);
}

void DecimalText::truncateTo(int decimals)
{
    const int keep = m_point + decimals;
    if (keep >= static_cast<int>(m_digits.size())) {
        return;
    }
    if (keep <= 0) {
        m_digits.clear();
        return;
    }
    dropFrom(keep, false);
}

void DecimalText::roundToSignificant(int significant)
{
    if (!isZero()) {
        roundTo(significant - m_point, HalfRule::AwayFromZero);
    }
}

std::string DecimalText::integerDigits() const
{
    if (m_point <= 0 || isZero()) {
        return {};
    }
    std::string result = m_digits.substr(0, static_cast<std::size_t>(m_point));
    result.resize(static_cast<std::size_t>(m_point), '0');
    return result;
}

std::string DecimalText::fractionDigits(int count) const
{
    std::string result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int index = m_point + i;
        const bool present = index >= 0 && index < static_cast<int>(m_digits.size());
        result.push_back(present ? m_digits[static_cast<std::size_t>(index)] : '0');
    }
    return result;
}

double DecimalText::toDouble() const
{
    if (isZero()) {
        return m_negative ? -0.0 : 0.0;
    }
    const std::string text = "0." + m_digits + "e" + std::to_string(m_point);
    double value = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        value = m_point > 0 ? HUGE_VAL : 0.0;
    }
    return m_negative ? -value : value;
}

} // namespace grovan
