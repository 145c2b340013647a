// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decimal digits of a double, as its shortest round-trip text shows them. Rounding and
// formatting work on these digits, so a value typed as 2.675 is treated as exactly 2.675 (a half)
// and not as the binary number just below it.

#include <string>

namespace grovan {

enum class HalfRule
{
    ToEven,
    AwayFromZero
};

class DecimalText
{
public:
    /// The shortest digits that read back as `value`. `value` must be finite.
    explicit DecimalText(double value);

    /// Rounds to `decimals` places after the point (may be negative for tens, hundreds, ...).
    void roundTo(int decimals, HalfRule rule);
    /// Drops every digit after `decimals` places, towards zero.
    void truncateTo(int decimals);
    /// Rounds to `significant` significant digits, halves away from zero.
    void roundToSignificant(int significant);

    bool isZero() const { return m_digits.empty(); }
    bool negative() const { return m_negative && !isZero(); }
    /// Digits before the point without leading zeros ("" for a value below 1).
    std::string integerDigits() const;
    /// The first `count` digits after the point, padded with zeros.
    std::string fractionDigits(int count) const;
    /// Position of the point after the first digit: 1234.5 has digits "12345" and point 4.
    int pointPosition() const { return m_point; }
    const std::string& significantDigits() const { return m_digits; }
    double toDouble() const;

private:
    void dropFrom(int keep, bool roundUp);

    bool m_negative = false;
    std::string m_digits; // significant digits, no leading or trailing zeros; empty for zero
    int m_point = 0;      // value = 0.<digits> x 10^m_point
};

} // namespace grovan
