// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace grovan {

/// Where the program's own library `fileName` is for a program in `programFolder` whose assets
/// are in `assetDir`: in the private library folder at its installed place relative to the
/// program's folder (the build tree mirrors it), or beside the program in a copy that keeps its
/// assets there too.
std::filesystem::path privateLibraryFile(const std::filesystem::path& programFolder,
                                         const std::filesystem::path& assetDir,
                                         std::string_view fileName);

/// Loads `library` with every symbol resolved now (so that a library built against other
/// libraries is refused here rather than failing later) and finds `symbol` in it. Null when the
/// library is missing, damaged or lacks the symbol, with the loader's reason in `reason`, without
/// the file name it starts with. A library whose symbol was found is never closed: what it made
/// may run its code to the end of the program.
void* loadPrivateSymbol(const std::filesystem::path& library, const char* symbol,
                        std::string& reason);

} // namespace grovan
