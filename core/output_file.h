// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace grovan {

/// Why the program may not write its output (results, a PDF printout) to `file`, or nothing when
/// it may: `file` must be a new name or an ordinary file that may be written. Never a device, a
/// named pipe, a socket or a folder, and never a symbolic link (a link is not followed: the file
/// behind it could be anything, such as a device); a write-protected file is refused as a shell
/// redirect refuses it, root's files included (a file without any write permission). The text
/// follows the file's name, such as "is a device, not an ordinary file".
std::optional<std::string> outputFileProblem(const std::filesystem::path& file);

/// A file the program writes, written under a temporary name in its own folder and renamed to its
/// name only once it is complete: a run that stops half-way never leaves a truncated file that
/// looks finished, and an earlier file of that name stays as it was until the new one replaces it
/// whole. Only what outputFileProblem() allows is ever replaced, checked when the file is opened
/// and again just before the rename; a replaced file keeps its permissions (and, for root, its
/// owner). A temporary file not committed is removed, also when the program is interrupted
/// (removeTemporaryFilesOnInterrupt()).
class OutputFile
{
public:
    explicit OutputFile(std::filesystem::path target);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    /// Checks the target and creates the temporary file; false (see error()) when either fails.
    bool open();
    /// Appends `bytes`; false (see error()) when they could not all be written.
    bool write(std::string_view bytes);
    /// Writes the file through to the disk and renames it to its name; false (see error()) when
    /// that fails, and the temporary file is then removed.
    bool commit();

    /// Why the last operation failed, to follow the file's name: "is a device, not an ordinary
    /// file", "cannot be written: No space left on device".
    const std::string& error() const { return m_error; }
    const std::filesystem::path& target() const { return m_target; }

private:
    bool fail(std::string error);
    bool failWithSystemError();
    void discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_descriptor = -1;
    int m_cleanupSlot = -1;
    std::string m_error;
};

/// Makes the file `file` of the bytes `make` puts into its argument, through an OutputFile. The
/// name is checked before `make` is asked, so that nothing is made for a file that may not be
/// written, and again before the file is renamed. False when the name is refused, `make` fails or
/// the file cannot be written; `tellNotWritten` is then given the reason, to follow the file's
/// name, or an empty text when `make` failed.
bool writeMadeFile(const std::filesystem::path& file,
                   const std::function<bool(std::string& bytes)>& make,
                   const std::function<void(const std::string& reason)>& tellNotWritten);

/// From now on SIGINT, SIGTERM and SIGHUP (where they are not ignored) first remove the temporary
/// files of the output files not yet committed, and the paths held by InterruptCleanup objects,
/// then end the program as the signal would have.
void removeTemporaryFilesOnInterrupt();

/// Removes a path if the program is interrupted while the object lives (see
/// removeTemporaryFilesOnInterrupt()): a file, or a folder, which is removed after the files and
/// only when it is empty by then. The object removes nothing itself.
class InterruptCleanup
{
public:
    enum class Kind
    {
        File,
        Folder,
    };

    InterruptCleanup(const std::filesystem::path& path, Kind kind);
    ~InterruptCleanup();
    InterruptCleanup(const InterruptCleanup&) = delete;
    InterruptCleanup& operator=(const InterruptCleanup&) = delete;

private:
    int m_slot;
};

} // namespace grovan
