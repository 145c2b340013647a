// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace grovan {

/// Where the program's files live. The read-only assets (report templates, background picture,
/// help document) and the writable databases are two folders, given by whoever starts the engine.
struct AppPaths
{
    std::filesystem::path assetDir;
    std::filesystem::path dataDir;
    /// A portable copy's folder that could not be written, so that its databases went to the
    /// user's data folder instead; empty otherwise.
    std::filesystem::path unwritableProgramFolder = {};

    std::filesystem::path settingsDatabase() const { return dataDir / "Settings.mdb"; }
    std::filesystem::path startupDatabase() const { return dataDir / "bcdv.mdb"; }
    std::filesystem::path printDatabase() const { return dataDir / "Crysprin.mdb"; }
    std::filesystem::path asset(std::string_view fileName) const { return assetDir / fileName; }
};

/// The folder names used below a prefix or the user's data folder.
inline constexpr std::string_view kAssetSubdir = "share/grovan2022";
inline constexpr std::string_view kDataSubdir = "grovan2022";
/// A file of this name beside the program makes an installed layout a portable copy, which keeps
/// its databases beside the program (the build tree has one).
inline constexpr std::string_view kPortableMarker = "grovan2022.portable";

/// Finds the folders for a program at `executable` (a folder counts as writable when the user may
/// write it and, for root, who may write anything, when it grants anyone write permission at
/// all):
/// - assets in `<program folder>/../share/grovan2022` when that exists (an installed copy, and the
///   build tree, which mirrors it), otherwise in the program's folder;
/// - databases beside the program in a portable copy (the assets beside the program, or an
///   installed layout with the portable marker beside it) whose folder is writable and not a
///   system folder; otherwise in `$XDG_DATA_HOME/grovan2022`, or `$HOME/.local/share/grovan2022`
///   when XDG_DATA_HOME is not set or not absolute. An installed copy thus never keeps them in
///   its prefix, wherever that is. The caller passes the two variables' values (or nothing).
AppPaths locateAppPaths(const std::filesystem::path& executable,
                        const std::optional<std::filesystem::path>& xdgDataHome,
                        const std::optional<std::filesystem::path>& home);

/// The same, reading XDG_DATA_HOME and HOME from the environment (the account's home folder when
/// HOME is not set).
AppPaths locateAppPathsFromEnvironment(const std::filesystem::path& executable);

/// What the user is told, once, when a portable copy's folder could not be written and its
/// databases go to the user's data folder: the first time, before anything is made there (the
/// data folder does not exist yet). Nothing otherwise.
std::optional<std::string> dataFolderNotice(const AppPaths& paths);

} // namespace grovan
