// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace grovan {

class WindowRegistry;
struct AppState;

/// Registers every calculator window of the program, subsystem by subsystem; the windows that
/// keep application-wide values are handed their part of `state`.
void addProgramWindows(WindowRegistry& windows, AppState& state);

} // namespace grovan
