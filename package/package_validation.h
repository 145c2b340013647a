// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the package windows refuse when "&Calculate" is pressed. No field of these windows has a
// message of its own for a value it refuses as typed: the fields' digit limits keep every value
// within its range, and the windows only beep.

#include "core/field_binding.h"
#include "package/package_calculator.h"

#include <optional>

namespace grovan {

/// "Fringe benefits more than salary required!", the program's title, no icon.
Message fringeBenefitsMessage();

/// The check of "&Calculate" before anything is calculated, in the back-calculation windows: the
/// travel allowance, other fringe benefits and other expenses (annual window: less the
/// employer's, plus the employee's R/Fund amount as the fields hold them) above a net salary
/// required that is not 0 give `fringeBenefitsMessage`, with no field (the window puts the
/// focus on its "&Calculate" button). A net salary required of 0 passes: the calculation then
/// stops without a message. The forward windows check nothing. `calculatePackage` makes the same
/// check, so a window may also just calculate and show `packageStopMessage`.
std::optional<FieldProblem> validatePackageInputs(const PackageWindow& window,
                                                  const PackageInputs& inputs);

} // namespace grovan
