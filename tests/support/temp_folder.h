// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace grovan::testing {

/// A fresh folder below the system's temporary folder, removed with everything in it at the end.
class TempFolder
{
public:
    TempFolder()
    {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("grovan-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

    static void writeFile(const std::filesystem::path& file, const std::string& contents)
    {
        std::ofstream(file, std::ios::binary) << contents;
    }
    static std::string readFile(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path m_path;
};

} // namespace grovan::testing
