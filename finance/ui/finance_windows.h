// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace grovan {

class WindowRegistry;
struct FinanceState;

/// Registers the windows of the finance subsystem; `state` holds their application-wide values,
/// which outlive them.
void addFinanceWindows(WindowRegistry& windows, FinanceState& state);

} // namespace grovan
