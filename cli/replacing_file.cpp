#include "cli/replacing_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace grovan::cli {

ReplacingFile::ReplacingFile(std::filesystem::path target) : m_target(std::move(target)) {}

ReplacingFile::~ReplacingFile()
{
    discard();
}

bool ReplacingFile::open()
{
    const std::filesystem::path folder =
        m_target.has_parent_path() ? m_target.parent_path() : std::filesystem::path(".");
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on "." + std::string.
    std::string name = ".";
    name += m_target.filename().string();
    name += ".XXXXXX";
    std::string pattern = (folder / name).string();
    m_descriptor = ::mkstemp(pattern.data());
    if (m_descriptor < 0) {
        return fail();
    }
    m_temporary = pattern;
    // mkstemp makes the file private; the finished file gets the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(m_descriptor, 0666 & ~mask) != 0) {
        return fail();
    }
    return true;
}

bool ReplacingFile::write(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(m_descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail();
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool ReplacingFile::commit()
{
    if (::fsync(m_descriptor) != 0) {
        return fail();
    }
    const int closed = ::close(m_descriptor);
    m_descriptor = -1;
    if (closed != 0) {
        return fail();
    }
    if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        return fail();
    }
    m_temporary.clear();
    return true;
}

bool ReplacingFile::fail()
{
    m_error = std::strerror(errno);
    discard();
    return false;
}

void ReplacingFile::discard()
{
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
        m_descriptor = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

std::variant<std::filesystem::path, std::string> replaceableFile(const std::string& file)
{
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (std::filesystem::is_directory(status)) {
        return file + " is a folder, not a file";
    }
    const auto named = std::filesystem::absolute(file, error).lexically_normal().string();
    const bool deviceName = named.starts_with("/dev/") || named.starts_with("/proc/");
    if (deviceName ||
        (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))) {
        return file + " is not an ordinary file";
    }
    if (!std::filesystem::exists(status)) {
        return std::filesystem::path(file);
    }
    return std::filesystem::canonical(file, error);
}

} // namespace grovan::cli
