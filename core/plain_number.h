#pragma once

#include <optional>
#include <string_view>

namespace grovan {

/// Reads a text that must be a number as a whole (a command-line argument, a CSV cell) ("500000",
/// "-12.5", "1e6"); nothing for anything else ("12abc", "", "nan", "1e999").
std::optional<double> parsePlainNumber(std::string_view text);

/// The quick reading of the usual amount: an optional sign and at most 15 digits, with at most
/// one decimal point that has digits on both sides ("28471", "-177.12"). For such text it gives
/// the very double parsePlainNumber gives (the nearest to the decimal, halves to even); for any
/// other text nothing, and parsePlainNumber reads it the long way.
std::optional<double> readPlainDecimal(std::string_view text);

} // namespace grovan
