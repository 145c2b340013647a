// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files that are no ordinary files, made inside a test's temporary folder. Tests run as root: a
// device is never made or touched outside the folder; /dev/null is only looked at for its numbers.

#include <filesystem>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace grovan::testing {

/// A character device with /dev/null's numbers at `file`, so that writing to it loses nothing.
inline bool makeDeviceNode(const std::filesystem::path& file)
{
    struct stat null
    {};
    return ::stat("/dev/null", &null) == 0 && S_ISCHR(null.st_mode) &&
           ::mknod(file.c_str(), S_IFCHR | 0666, null.st_rdev) == 0;
}

inline bool makeFifo(const std::filesystem::path& file)
{
    return ::mkfifo(file.c_str(), 0666) == 0;
}

/// What stands at `file` without following a link: S_IFREG, S_IFCHR, S_IFIFO, S_IFLNK..., or 0
/// when nothing does.
inline mode_t fileType(const std::filesystem::path& file)
{
    struct stat status
    {};
    return ::lstat(file.c_str(), &status) == 0 ? (status.st_mode & S_IFMT) : 0;
}

} // namespace grovan::testing
