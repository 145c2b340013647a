// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a numeric field lets the user type: the rules every key press, paste or drop is held to.

#include <string_view>

namespace grovan {

/// The digits, sign and point a field's text holds, counted as the typing rules count them.
struct TypedDigits
{
    int integer = 0;  ///< digits before the point
    int fraction = 0; ///< digits after the point
    bool minus = false;
    bool point = false;

    bool operator==(const TypedDigits&) const = default;
};

/// Counts the digits of `text` (UTF-8); other characters are not counted.
TypedDigits countTypedDigits(std::string_view text);

/// What a field takes.
struct TypingLimits
{
    bool negative = false; ///< whether a minus may be typed (the field's minimum is below 0)
    int integerDigits = 0; ///< digits before the point
    int decimals = 0;      ///< digits after the point; 0 refuses the point
};

/// Whether a field may go from a text holding `before` to the text `after`: only blanks, digits,
/// at most one point (where decimals are taken) and one minus before every digit (where negative
/// values are taken); no more digits before or after the point than the field takes. The limits
/// are measured against the text before the edit too, so that a longer value the program set can
/// still be shortened by the user rather than frozen.
bool acceptableEdit(std::string_view after, const TypedDigits& before, const TypingLimits& limits);

} // namespace grovan
