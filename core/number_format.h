// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace grovan {

/// Formats `value` with a number pattern of the program's kind, such as "### ### ##0.00",
/// "# ### ### ###.00", "# ### ### ##0.00 ", "0.00", "0.000", "00", "000" or "##":
/// - "#" is an optional digit and "0" a forced digit; one "." starts the decimals;
/// - a blank between the integer placeholders groups the thousands with blanks, and an integer
///   part longer than the placeholders is printed whole and grouped (1234567.891 with
///   "### ### ##0.00" gives "1 234 567.89");
/// - every other character before or after the placeholders is printed as it stands;
/// - the value is rounded to the decimals shown, halves away from zero, and always shows at least
///   one integer digit ("# ### ### ###.00" prints 0 as "0.00"); a minus sign stands before the
///   digits, and a value that rounds to zero has none.
/// Infinities and NaN print as "" (no calculator shows them).
std::string formatNumber(double value, std::string_view pattern);

/// The plain conversion of a number to text, as a field that shows a bare number does: up to 15
/// significant digits, no grouping, no trailing zeros (250000 gives "250000", 0.1 + 0.2 gives
/// "0.3", 1/3 gives "0.333333333333333"); below 0.0001 and from 1E+15 on, scientific notation
/// such as "1E-05" and "1.5E+15".
std::string plainNumberText(double value);

} // namespace grovan
