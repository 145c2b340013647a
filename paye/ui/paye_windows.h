// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace grovan {

class WindowRegistry;

/// Registers the windows of the annual, monthly, fortnightly, weekly and daily calculators.
void addPayeWindows(WindowRegistry& windows);

} // namespace grovan
