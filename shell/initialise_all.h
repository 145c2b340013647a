// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace grovan {

class CalculatorCatalogue;

/// The windows "&Initialise All" closes, in the order it closes them, after resetting the shared
/// working state: every calculator's window that its definition says it closes (the fortnightly
/// and quick tax calculators are left open with their contents), then the help window.
std::vector<std::string_view> windowsClosedByInitialiseAll(const CalculatorCatalogue& calculators);

} // namespace grovan
