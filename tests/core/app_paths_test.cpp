#include "core/app_paths.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::TempFolder;

TEST(AppPaths, InstalledLayoutFindsSharedAssets)
{
    TempFolder root;
    std::filesystem::create_directories(root / "bin");
    std::filesystem::create_directories(root.path() / "share" / "grovan2022");
    const AppPaths paths = locateAppPaths(root / "bin/grovan", std::nullopt, std::nullopt);
    EXPECT_EQ(paths.assetDir, std::filesystem::canonical(root.path()) / "share/grovan2022");
    // A writable program folder outside the system folders is a portable copy.
    EXPECT_EQ(paths.dataDir, std::filesystem::canonical(root.path()) / "bin");
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

} // namespace
} // namespace grovan
