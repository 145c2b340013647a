#pragma once

#include <optional>
#include <string_view>

namespace grovan {

/// Reads a text that must be a number as a whole ("500000", "-12.5", "1e6"); nothing for anything
/// else ("12abc", "", " 1", "nan", "1e999"). "-0" reads as 0, never as a negative zero.
std::optional<double> parsePlainNumber(std::string_view text);

/// Reads typed text (a command-line argument, a CSV cell) as a number the way a numeric field
/// reads what is typed into it, except that the whole text must be the number: blanks (spaces,
/// tabs, line breaks) are ignored wherever they stand (" 40", "1 000 000.50"), text of blanks only
/// (or no text) reads as 0, and what is left must be a number as parsePlainNumber takes it
/// ("12abc" and "1e999" give nothing).
std::optional<double> parseTypedNumber(std::string_view text);

} // namespace grovan
