// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/app_state.h"

namespace grovan {

void AppState::initialiseAll()
{
    // The last taxable income and the quick tax values survive on purpose: the quick tax window
    // keeps showing the breakdown of the latest calculation after the other calculators are
    // reset, and recomputes its results whenever it becomes active.
    vehicle.initialiseAll();
    finance.initialiseAll();
}

} // namespace grovan
