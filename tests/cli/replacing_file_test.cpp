#include "cli/replacing_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace grovan::cli {
namespace {

using grovan::testing::TempFolder;

std::vector<std::string> filesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(ReplacingFile, ReplacesTheFileOnlyWhenCommitted)
{
    TempFolder folder;
    TempFolder::writeFile(folder / "results.csv", "old results\n");
    {
        ReplacingFile file(folder / "results.csv");
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("new "));
        // Half-way, the old file is still whole and the new text is elsewhere.
        EXPECT_EQ(TempFolder::readFile(folder / "results.csv"), "old results\n");
        ASSERT_TRUE(file.write("results\n"));
        ASSERT_TRUE(file.commit());
    }
    EXPECT_EQ(TempFolder::readFile(folder / "results.csv"), "new results\n");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"results.csv"});
}

TEST(ReplacingFile, AFileNeverCommittedLeavesNothingBehind)
{
    TempFolder folder;
    TempFolder::writeFile(folder / "results.csv", "old results\n");
    {
        ReplacingFile file(folder / "results.csv");
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half of the new"));
    }
    EXPECT_EQ(TempFolder::readFile(folder / "results.csv"), "old results\n");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"results.csv"});
}

TEST(ReplacingFile, ANewFileIsNotMadePrivate)
{
    // The temporary file starts private (mode 600); the results must end as any new file would.
    TempFolder folder;
    const mode_t mask = ::umask(022);
    ReplacingFile file(folder / "results.csv");
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.commit());
    ::umask(mask);
    struct stat status
    {};
    ASSERT_EQ(::stat((folder / "results.csv").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}

TEST(ReplacingFile, AMissingFolderIsTold)
{
    TempFolder folder;
    ReplacingFile file(folder / "no-such-folder" / "results.csv");
    EXPECT_FALSE(file.open());
    EXPECT_EQ(file.error(), "No such file or directory");
}

} // namespace
} // namespace grovan::cli
