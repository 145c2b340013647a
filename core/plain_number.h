#pragma once

#include <optional>
#include <string_view>

namespace grovan {

/// Reads a text that must be a number as a whole (a command-line argument, a CSV cell) ("500000",
/// "-12.5", "1e6"); nothing for anything else ("12abc", "", "nan", "1e999").
std::optional<double> parsePlainNumber(std::string_view text);

} // namespace grovan
