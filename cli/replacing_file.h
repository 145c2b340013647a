#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

namespace grovan::cli {

/// A file written under a temporary name in its own folder and renamed to its name only once it
/// is complete: a run that stops half-way never leaves a truncated file that looks finished, and
/// an earlier file of that name stays as it was until the new one replaces it whole. A temporary
/// file not committed is removed.
class ReplacingFile
{
public:
    explicit ReplacingFile(std::filesystem::path target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    /// Creates the temporary file; false (see error()) when it cannot be made.
    bool open();
    /// Appends `bytes`; false (see error()) when they could not all be written.
    bool write(std::string_view bytes);
    /// Writes the file through to the disk and renames it to its name; false (see error()) when
    /// that fails, and the temporary file is then removed.
    bool commit();

    /// Why the last operation failed, such as "No space left on device".
    const std::string& error() const { return m_error; }
    const std::filesystem::path& target() const { return m_target; }

private:
    bool fail();
    void discard();

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_descriptor = -1;
    std::string m_error;
};

/// The file a ReplacingFile may replace for the name `file` as given: the file a link points to
/// (renaming over the link would replace the link), or the name itself for a file not there yet.
/// A text saying why not for a folder, a device, /dev/... or /proc/... names (/dev/stdout
/// whatever it stands for) and anything else that is no ordinary file: renaming over those must
/// never happen.
std::variant<std::filesystem::path, std::string> replaceableFile(const std::string& file);

} // namespace grovan::cli
