// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The set-up values of the package windows: the shared record of the settings store, with the
// rule that keeps the back-calculation's R/Fund percentages within what the search can carry.

#include "core/settings_store.h"
#include "package/package_calculator.h"

#include <string_view>

namespace grovan {

/// The largest sum of the employee's and the employer's R/Fund percentages the back-calculation
/// windows keep.
inline constexpr double kFundPercentLimit = 27.5;

/// The 27.5 % rule, in the windows that apply it (the back-calculation windows): when the
/// employee's (`PensionCont`) and the employer's (`EmployerPenCont`) R/Fund percentages add up
/// to more than 27.5, both become 0. True when it cleared them. The windows apply it when either
/// percentage changes, when the set-up panel's "O&K" is pressed and when the window opens with
/// the stored values (which a forward window may have saved without the rule).
bool applyFundPercentRule(const PackageWindow& window, SetupValues& setup);
/// The rule itself, whatever the window.
bool applyFundPercentRule(SetupValues& setup);

/// The set-up panel's "O&K" (`cmdSetupOK`): the 27.5 % rule first, then the values to save, all
/// eleven fields (SetupFields::Package); the window then hides the panel and recalculates.
const SetupValues& confirmPackageSetup(const PackageWindow& window, PackageState& state);

/// A set-up percentage field (the UIF, skills levy and R/Fund percentages) losing the focus takes
/// its text again as its value: text that reads as a number other than 0 gives that number, any
/// other text (empty, no number, a number too large to hold) gives 0.
double percentOnLeaving(std::string_view text);

} // namespace grovan
