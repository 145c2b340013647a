#pragma once

#include <span>
#include <string_view>

namespace grovan {

/// The windows "&Initialise All" closes, in the order it closes them, after resetting the shared
/// working state. The fortnightly and quick tax calculators are left open with their contents.
std::span<const std::string_view> windowsClosedByInitialiseAll();

} // namespace grovan
