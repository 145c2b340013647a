#pragma once

#include "core/field_binding.h"
#include "core/settings_store.h"

#include <span>

namespace grovan {

/// The set-up panel of the periodic calculators (annual, monthly, fortnightly, weekly, daily):
/// "Employee UIF portion", "Employer UIF portion", "UIF monthly limit", "Skills levy" and the
/// travel allowance inclusion rate, top to bottom, bound to the shared SetupValues. Each
/// description's default is the value a new installation stores.
std::span<const InputBinding<SetupValues>> periodicSetupBindings();

} // namespace grovan
