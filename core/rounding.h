// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rounding and whole-number conversion. Halves are judged on the decimal value as typed or shown
// (2.675 is a half), not on the binary number that stands for it.

#include <cstdint>
#include <optional>

namespace grovan {

/// Rounds to `decimals` places, halves to even (0.125 -> 0.12, 0.135 -> 0.14, 2.5 -> 2).
/// Infinities and NaN are returned unchanged.
double roundHalfEven(double value, int decimals = 0);

/// Rounds to `decimals` places, halves away from zero: how display formats round (0.125 -> 0.13).
double roundHalfAwayFromZero(double value, int decimals);

/// "Rounded down": the largest whole number not above `value` (-2.5 -> -3).
double roundedDown(double value);

/// `value` when above 0, otherwise 0 (a tax or a total never goes below nothing).
constexpr double positiveOrZero(double value)
{
    return value > 0.0 ? value : 0.0;
}

/// Cuts to `decimals` places towards zero: 2 for cents, 6 for millionths (1.999 -> 1.99).
double cutToDecimals(double value, int decimals);

/// The whole number nearest `value`, halves to even, as a 16-bit integer; nothing when it does not
/// fit (or `value` is not finite), so a caller refuses the value instead of wrapping it.
std::optional<std::int16_t> toInt16(double value);

/// As `toInt16`, for 32-bit integers.
std::optional<std::int32_t> toInt32(double value);

/// The message a window shows when a whole number does not fit its field's integer type.
inline constexpr const char* kNumberTooLargeMessage =
    "The number entered is too large for this field.";

} // namespace grovan
