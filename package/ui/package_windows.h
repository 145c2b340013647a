// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace grovan {

class WindowRegistry;
struct TaxSummary;

/// Registers the windows of the salary package subsystem; `quickTax` is the application's quick
/// tax summary, which outlives them.
void addPackageWindows(WindowRegistry& windows, TaxSummary& quickTax);

} // namespace grovan
