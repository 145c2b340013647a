// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stored_setup.h"

#include "cli/stream_sink.h"
#include "core/app_paths.h"
#include "core/private_library.h"

namespace grovan::cli {

namespace {

std::filesystem::path programFile()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path("grovan-cli") : executable;
}

AppPaths programPaths()
{
    return locateAppPathsFromEnvironment(programFile());
}

} // namespace

std::optional<std::filesystem::path> defaultDataFolder(std::ostream& err)
{
    std::error_code error;
    const AppPaths paths = programPaths();
    const std::filesystem::path& folder = paths.dataDir;
    if (const auto notice = dataFolderNotice(paths)) {
        err << "grovan-cli: " << *notice << '\n';
    }
    std::filesystem::create_directories(folder, error);
    if (error) {
        err << "grovan-cli: cannot make the data folder " << folder << ": " << error.message()
            << '\n';
        return std::nullopt;
    }
    return folder;
}

std::filesystem::path defaultAssetFolder()
{
    return programPaths().assetDir;
}

std::filesystem::path programLibraryFile(std::string_view fileName)
{
    const std::filesystem::path program = programFile();
    return privateLibraryFile(program.parent_path(),
                              locateAppPathsFromEnvironment(program).assetDir, fileName);
}

SetupValues loadStoredSetup(const std::filesystem::path& dataFolder, std::ostream& err)
{
    StreamSink sink(err);
    return SettingsDatabase(AppPaths{{}, dataFolder}.settingsDatabase(), sink).load();
}

} // namespace grovan::cli
