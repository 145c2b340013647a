// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_binding.h"
#include "core/message.h"
#include "core/settings_store.h"

#include <span>
#include <string_view>

namespace grovan {

/// A rate of a set-up panel: percent, 0 to 100, three decimals.
constexpr FieldDescription setupPercentField(std::string_view control, std::string_view label,
                                             std::string_view key, std::string_view meaning = {},
                                             double defaultValue = 0.0)
{
    return {
        .controlName = control,
        .label = label,
        .key = key,
        .meaning = meaning,
        .unit = "percent",
        .kind = FieldKind::Percent,
        .sign = FieldSign::Percent,
        .minimum = 0.0,
        .maximum = 100.0,
        .integerDigits = 3,
        .decimals = 3,
        .defaultValue = defaultValue,
        .displayFormat = "##0.000",
    };
}

/// The set-up panel's message for a value typed into `field` outside its range, such as "The
/// Employee UIF portion must be between 0% and 100%." (title "Incorrect Value!", error icon); the
/// field keeps its earlier value and takes the focus back.
Message setupRangeMessage(const FieldDescription& field);

/// The set-up panel of the periodic calculators (annual, monthly, fortnightly, weekly, daily):
/// "Employee UIF portion", "Employer UIF portion", "UIF monthly limit", "Skills levy" and the
/// travel allowance inclusion rate, top to bottom, bound to the shared SetupValues. Each
/// description's default is the value a new installation stores.
std::span<const InputBinding<SetupValues>> periodicSetupBindings();

} // namespace grovan
