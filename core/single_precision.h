// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace grovan {

/// A value as a single-precision field holds it (the few rates and amounts that some calculators
/// keep in float, such as a loan rate of 10.1 held as 10.1000003814697...). Nothing when the value
/// is beyond the float range, so a caller refuses it rather than storing infinity.
inline std::optional<float> toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

} // namespace grovan
