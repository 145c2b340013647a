// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace grovan {
namespace {

using testing::TempFolder;

TEST(AppPaths, InstalledLayoutFindsSharedAssets)
{
    TempFolder root;
    std::filesystem::create_directories(root / "bin");
    std::filesystem::create_directories(root.path() / "share" / "grovan2022");
    const AppPaths paths = locateAppPaths(root / "bin/grovan", std::nullopt, "/home/clerk");
    EXPECT_EQ(paths.assetDir, std::filesystem::canonical(root.path()) / "share/grovan2022");
    EXPECT_EQ(paths.settingsDatabase().filename(), "Settings.mdb");
    EXPECT_EQ(paths.startupDatabase().filename(), "bcdv.mdb");
    EXPECT_EQ(paths.printDatabase().filename(), "Crysprin.mdb");
}

TEST(AppPaths, AssetsBesideTheProgramWithoutSharedFolder)
{
    TempFolder root;
    const AppPaths paths = locateAppPaths(root / "grovan", std::nullopt, std::nullopt);
    EXPECT_EQ(paths.assetDir, std::filesystem::canonical(root.path()));
    EXPECT_EQ(paths.asset("Annual.rpt"), std::filesystem::canonical(root.path()) / "Annual.rpt");
}

// Where the databases go for a program in a writable temporary folder, laid out as each row says.
// (Tests run as root, for whom every folder is writable, so an unwritable folder is not a row.)
struct DataFolderCase
{
    const char* name;
    bool sharedAssets;  ///< <folder>/share/grovan2022 beside <folder>/bin, as installed
    bool portableMark;  ///< the portable marker beside the program
    const char* xdg;    ///< XDG_DATA_HOME, or nullptr when not set
    const char* expect; ///< "program" for the program's folder, else the absolute path
};

const DataFolderCase kDataFolderCases[] = {
    // An unpacked package (dpkg -x) or a `cmake --install --prefix ~/somewhere`: the user's data
    // folder, never the prefix.
    {"InstalledCopyUsesXdgDataHome", true, false, "/home/clerk/.data",
     "/home/clerk/.data/grovan2022"},
    {"InstalledCopyWithoutXdgUsesHome", true, false, nullptr,
     "/home/clerk/.local/share/grovan2022"},
    // The build tree mirrors the installed layout and is marked portable.
    {"MarkedInstalledLayoutIsPortable", true, true, "/home/clerk/.data", "program"},
    // The program with its assets in one folder (a copy on a stick).
    {"ProgramWithAssetsIsPortable", false, false, "/home/clerk/.data", "program"},
};

class DataFolder : public ::testing::TestWithParam<DataFolderCase>
{};

TEST_P(DataFolder, FollowsTheLayout)
{
    const DataFolderCase& row = GetParam();
    TempFolder root;
    const std::filesystem::path bin = row.sharedAssets ? root / "bin" : root.path();
    std::filesystem::create_directories(bin);
    if (row.sharedAssets) {
        std::filesystem::create_directories(root.path() / "share" / "grovan2022");
    }
    if (row.portableMark) {
        TempFolder::writeFile(bin / std::string(kPortableMarker), "");
    }
    const std::optional<std::filesystem::path> xdg =
        row.xdg ? std::optional<std::filesystem::path>(row.xdg) : std::nullopt;
    const AppPaths paths = locateAppPaths(bin / "grovan", xdg, "/home/clerk");
    const std::filesystem::path expected = std::string_view(row.expect) == "program"
                                               ? std::filesystem::canonical(bin)
                                               : std::filesystem::path(row.expect);
    EXPECT_EQ(paths.dataDir, expected);
}

INSTANTIATE_TEST_SUITE_P(Layouts, DataFolder, ::testing::ValuesIn(kDataFolderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AppPaths, SystemInstallKeepsDataInTheUsersFolder)
{
    const AppPaths xdg = locateAppPaths("/usr/bin/grovan",
                                        std::filesystem::path("/home/clerk/.data"), "/home/clerk");
    EXPECT_EQ(xdg.dataDir, "/home/clerk/.data/grovan2022");
    const AppPaths home = locateAppPaths("/usr/bin/grovan", std::nullopt, "/home/clerk");
    EXPECT_EQ(home.dataDir, "/home/clerk/.local/share/grovan2022");
    // A relative XDG_DATA_HOME is to be ignored.
    const AppPaths relative =
        locateAppPaths("/usr/bin/grovan", std::filesystem::path("data"), "/home/clerk");
    EXPECT_EQ(relative.dataDir, "/home/clerk/.local/share/grovan2022");
}

TEST(AppPaths, AnUnwritableProgramFolderMovesTheDatabasesAndSaysSoOnce)
{
    // A copy on a write-protected stick, or unpacked into a folder made read-only: root could
    // still write there, but a folder without any write permission is not meant to be written.
    TempFolder root;
    const std::filesystem::path program = root / "stick";
    std::filesystem::create_directories(program);
    ASSERT_EQ(::chmod(program.c_str(), 0555), 0);
    const AppPaths paths = locateAppPaths(program / "grovan", root / "data", "/home/clerk");
    ::chmod(program.c_str(), 0755);
    EXPECT_EQ(paths.dataDir, root / "data" / "grovan2022");
    EXPECT_EQ(paths.unwritableProgramFolder, std::filesystem::canonical(program));

    const auto notice = dataFolderNotice(paths);
    ASSERT_TRUE(notice.has_value());
    EXPECT_NE(notice->find(std::filesystem::canonical(program).string()), std::string::npos);
    EXPECT_NE(notice->find((root / "data" / "grovan2022").string()), std::string::npos);
    // Once the databases are there, the next start says nothing.
    std::filesystem::create_directories(paths.dataDir);
    EXPECT_FALSE(dataFolderNotice(paths).has_value());
    // Nor does a copy whose own folder is written.
    EXPECT_FALSE(
        dataFolderNotice(locateAppPaths(program / "grovan", root / "other", "/home/clerk")));
}

} // namespace
} // namespace grovan
