// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace grovan {

class WindowRegistry;
struct VehicleState;

/// Registers the windows of the vehicle subsystem; `state` holds their application-wide values,
/// which outlive them.
void addVehicleWindows(WindowRegistry& windows, VehicleState& state);

} // namespace grovan
