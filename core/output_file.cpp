// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/output_file.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grovan {

namespace {

// The paths to remove on an interruption, in slots a signal handler can read: a slot is claimed,
// filled and only then marked as holding a file or a folder, and freed before it is reused.
enum SlotState : int
{
    kFree,
    kClaimed,
    kFile,
    kFolder,
};

struct CleanupSlot
{
    std::atomic<int> state{kFree};
    std::array<char, 4096> path{};
};

static_assert(std::atomic<int>::is_always_lock_free);

std::array<CleanupSlot, 64> g_cleanup;

int claimSlot(const std::filesystem::path& path, InterruptCleanup::Kind kind)
{
    const std::string& text = path.native();
    if (text.size() >= CleanupSlot{}.path.size()) {
        return -1;
    }
    for (std::size_t i = 0; i < g_cleanup.size(); ++i) {
        int expected = kFree;
        if (g_cleanup[i].state.compare_exchange_strong(expected, kClaimed)) {
            std::memcpy(g_cleanup[i].path.data(), text.c_str(), text.size() + 1);
            g_cleanup[i].state.store(kind == InterruptCleanup::Kind::File ? kFile : kFolder);
            return static_cast<int>(i);
        }
    }
    return -1;
}

void freeSlot(int slot)
{
    if (slot >= 0) {
        g_cleanup[static_cast<std::size_t>(slot)].state.store(kFree);
    }
}

// Only async-signal-safe calls: unlink, rmdir, signal, raise.
void onInterrupt(int signal)
{
    for (CleanupSlot& slot : g_cleanup) {
        if (slot.state.load() == kFile) {
            ::unlink(slot.path.data());
        }
    }
    for (CleanupSlot& slot : g_cleanup) {
        if (slot.state.load() == kFolder) {
            ::rmdir(slot.path.data());
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string systemError(int error)
{
    return "cannot be written: " + std::string(std::strerror(error));
}

// What a file's status allows, as outputFileProblem() says it.
std::optional<std::string> problemOf(const std::filesystem::path& file, const struct stat& status)
{
    if (S_ISLNK(status.st_mode)) {
        return "is a symbolic link, which is never followed: name the file itself";
    }
    if (S_ISDIR(status.st_mode)) {
        return "is a folder, not a file";
    }
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) {
        return "is a device, not an ordinary file";
    }
    if (S_ISFIFO(status.st_mode)) {
        return "is a named pipe (FIFO), not an ordinary file";
    }
    if (!S_ISREG(status.st_mode)) {
        return "is not an ordinary file";
    }
    // Root may write any file; a file without any write permission is protected all the same.
    if ((status.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0) {
        return "is write-protected; remove the protection or name another file";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> outputFileProblem(const std::filesystem::path& file)
{
    struct stat status
    {};
    if (::lstat(file.c_str(), &status) != 0) {
        return errno == ENOENT ? std::nullopt : std::optional<std::string>(systemError(errno));
    }
    return problemOf(file, status);
}

OutputFile::OutputFile(std::filesystem::path target) : m_target(std::move(target)) {}

OutputFile::~OutputFile()
{
    discard();
}

bool OutputFile::open()
{
    struct stat existing
    {};
    const bool exists = ::lstat(m_target.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        return failWithSystemError();
    }
    if (exists) {
        if (auto problem = problemOf(m_target, existing)) {
            return fail(*problem);
        }
    }
    const std::filesystem::path folder =
        m_target.has_parent_path() ? m_target.parent_path() : std::filesystem::path(".");
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on "." + std::string.
    std::string name = ".";
    name += m_target.filename().string();
    name += ".XXXXXX";
    std::string pattern = (folder / name).string();
    m_descriptor = ::mkstemp(pattern.data());
    if (m_descriptor < 0) {
        return failWithSystemError();
    }
    m_temporary = pattern;
    m_cleanupSlot = claimSlot(m_temporary, InterruptCleanup::Kind::File);
    // mkstemp makes the file private; the finished file gets the permissions (and owner) of the
    // file it replaces, or those of any new file.
    mode_t mode = 0;
    if (exists) {
        mode = existing.st_mode & 07777;
        if (::geteuid() == 0 && (existing.st_uid != 0 || existing.st_gid != 0) &&
            ::fchown(m_descriptor, existing.st_uid, existing.st_gid) != 0) {
            return failWithSystemError();
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(m_descriptor, mode) != 0) {
        return failWithSystemError();
    }
    return true;
}

bool OutputFile::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failWithSystemError();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool OutputFile::commit()
{
    if (::fsync(m_descriptor) != 0) {
        return failWithSystemError();
    }
    const int closed = ::close(m_descriptor);
    m_descriptor = -1;
    if (closed != 0) {
        return failWithSystemError();
    }
    // What stands at the name may have changed since the file was opened.
    struct stat existing
    {};
    const bool exists = ::lstat(m_target.c_str(), &existing) == 0;
    if (exists) {
        if (auto problem = problemOf(m_target, existing)) {
            return fail(*problem);
        }
        if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
            return failWithSystemError();
        }
    } else if (::renameat2(AT_FDCWD, m_temporary.c_str(), AT_FDCWD, m_target.c_str(),
                           RENAME_NOREPLACE) != 0) {
        // A new name is taken only while nothing stands there; where the file system cannot
        // promise that, a hard link can.
        if (errno != EINVAL && errno != ENOSYS) {
            return failWithSystemError();
        }
        if (::link(m_temporary.c_str(), m_target.c_str()) != 0) {
            return failWithSystemError();
        }
        ::unlink(m_temporary.c_str());
    }
    m_temporary.clear();
    freeSlot(m_cleanupSlot);
    m_cleanupSlot = -1;
    return true;
}

bool OutputFile::fail(std::string error)
{
    m_error = std::move(error);
    discard();
    return false;
}

bool OutputFile::failWithSystemError()
{
    return fail(systemError(errno));
}

void OutputFile::discard()
{
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
    freeSlot(m_cleanupSlot);
    m_cleanupSlot = -1;
}

bool writeMadeFile(const std::filesystem::path& file,
                   const std::function<bool(std::string& bytes)>& make,
                   const std::function<void(const std::string& reason)>& tellNotWritten)
{
    if (const auto problem = outputFileProblem(file)) {
        tellNotWritten(*problem);
        return false;
    }
    std::string bytes;
    if (!make(bytes)) {
        tellNotWritten({});
        return false;
    }
    OutputFile out(file);
    if (!out.open() || !out.write(bytes) || !out.commit()) {
        tellNotWritten(out.error());
        return false;
    }
    return true;
}

void removeTemporaryFilesOnInterrupt()
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current
        {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action
        {};
        action.sa_handler = onInterrupt;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

InterruptCleanup::InterruptCleanup(const std::filesystem::path& path, Kind kind)
    : m_slot(claimSlot(path, kind))
{}

InterruptCleanup::~InterruptCleanup()
{
    freeSlot(m_slot);
}

} // namespace grovan
