#pragma once

#include <optional>
#include <string_view>

namespace grovan::cli {

/// Reads a command-line argument that must be a number as a whole ("500000", "-12.5", "1e6");
/// nothing for anything else ("12abc", "", "nan", "1e999").
std::optional<double> parseArgumentNumber(std::string_view text);

} // namespace grovan::cli
