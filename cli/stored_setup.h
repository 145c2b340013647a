// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/settings_store.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string_view>

namespace grovan::cli {

/// The folder of the program's databases when no --data-dir is given: where the desktop program
/// keeps them, found from this program's own location as the desktop program finds its own;
/// made when missing. Nothing (and the reason on `err`) when it cannot be made.
std::optional<std::filesystem::path> defaultDataFolder(std::ostream& err);

/// The folder of the program's read-only files (the report templates), found from this program's
/// own location as the desktop program finds its own.
std::filesystem::path defaultAssetFolder();

/// Where the program's own library `fileName` is, found from this program's own location as the
/// desktop program finds its own.
std::filesystem::path programLibraryFile(std::string_view fileName);

/// The set-up values stored in the settings database of `dataFolder`, as the windows load them;
/// a problem with the file is told on `err` and the values are then a new installation's.
SetupValues loadStoredSetup(const std::filesystem::path& dataFolder, std::ostream& err);

} // namespace grovan::cli
