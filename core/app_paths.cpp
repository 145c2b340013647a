// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app_paths.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grovan {

namespace {

bool isSystemFolder(const std::filesystem::path& folder)
{
    const std::string text = folder.string() + "/";
    for (const char* prefix : {"/usr/", "/opt/", "/bin/", "/sbin/", "/lib/"}) {
        if (text.rfind(prefix, 0) == 0) {
            return true;
        }
    }
    return false;
}

bool isWritableFolder(const std::filesystem::path& folder)
{
    struct stat status
    {};
    return ::access(folder.c_str(), W_OK | X_OK) == 0 && ::stat(folder.c_str(), &status) == 0 &&
           (status.st_mode & 0222) != 0;
}

std::optional<std::filesystem::path> environmentPath(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::filesystem::path(value);
}

} // namespace

AppPaths locateAppPaths(const std::filesystem::path& executable,
                        const std::optional<std::filesystem::path>& xdgDataHome,
                        const std::optional<std::filesystem::path>& home)
{
    std::error_code error;
    std::filesystem::path programFolder =
        std::filesystem::weakly_canonical(std::filesystem::absolute(executable, error), error)
            .parent_path();

    AppPaths paths;
    const std::filesystem::path shared = (programFolder / ".." / kAssetSubdir).lexically_normal();
    const bool installed = std::filesystem::is_directory(shared, error);
    paths.assetDir = installed ? shared : programFolder;

    const bool portable =
        !installed || std::filesystem::exists(programFolder / kPortableMarker, error);
    const bool systemFolder = isSystemFolder(programFolder);
    if (portable && !systemFolder && isWritableFolder(programFolder)) {
        paths.dataDir = programFolder;
        return paths;
    }
    if (portable && !systemFolder) {
        paths.unwritableProgramFolder = programFolder;
    }
    if (xdgDataHome && xdgDataHome->is_absolute()) {
        paths.dataDir = *xdgDataHome / kDataSubdir;
    } else if (home) {
        paths.dataDir = *home / ".local/share" / kDataSubdir;
    } else {
        paths.dataDir = programFolder;
        paths.unwritableProgramFolder.clear();
    }
    return paths;
}

std::optional<std::string> dataFolderNotice(const AppPaths& paths)
{
    std::error_code error;
    if (paths.unwritableProgramFolder.empty() || std::filesystem::exists(paths.dataDir, error)) {
        return std::nullopt;
    }
    return "The program's folder \u201c" + paths.unwritableProgramFolder.string() +
           "\u201d cannot be written, so its databases (the set-up values, the printouts and "
           "the start-up state) are kept in \u201c" +
           paths.dataDir.string() + "\u201d instead.";
}

AppPaths locateAppPathsFromEnvironment(const std::filesystem::path& executable)
{
    std::optional<std::filesystem::path> home = environmentPath("HOME");
    if (!home) {
        if (const passwd* account = ::getpwuid(::getuid());
            account != nullptr && account->pw_dir != nullptr && *account->pw_dir != '\0') {
            home = std::filesystem::path(account->pw_dir);
        }
    }
    return locateAppPaths(executable, environmentPath("XDG_DATA_HOME"), home);
}

} // namespace grovan
