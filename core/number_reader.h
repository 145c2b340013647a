// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace grovan {

/// Reads a field's text as a number, the way every numeric field of the program does:
/// blanks (spaces, tabs, line breaks) are ignored wherever they stand, so "1 234 567.89" reads as
/// 1234567.89; then an optional sign, digits with at most one decimal point, and an optional
/// exponent ("e" or "E", an optional sign, digits). Reading stops at the first character that
/// cannot continue the number ("12,5" reads 12, "1.2.3" reads 1.2); text that holds no number
/// (including empty text) gives 0. Returns nothing only when the number is beyond the range of a
/// double (such as "1e999"); a number too small to represent reads as 0.
std::optional<double> readNumber(std::string_view text);

} // namespace grovan
