// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/output_file.h"
#include "tests/support/special_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace grovan {
namespace {

using grovan::testing::fileType;
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

mode_t permissions(const std::filesystem::path& file)
{
    struct stat status
    {};
    return ::stat(file.c_str(), &status) == 0 ? (status.st_mode & 07777) : 0;
}

TEST(OutputFile, ReplacesTheFileOnlyWhenCommitted)
{
    TempFolder folder;
    TempFolder::writeFile(folder / "results.csv", "old results\n");
    {
        OutputFile file(folder / "results.csv");
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

TEST(OutputFile, AFileNeverCommittedLeavesNothingBehind)
{
    TempFolder folder;
    TempFolder::writeFile(folder / "results.csv", "old results\n");
    {
        OutputFile file(folder / "results.csv");
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half of the new"));
    }
    EXPECT_EQ(TempFolder::readFile(folder / "results.csv"), "old results\n");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"results.csv"});
}

TEST(OutputFile, ANewFileIsNotMadePrivate)
{
    // The temporary file starts private (mode 600); the results must end as any new file would.
    TempFolder folder;
    const mode_t mask = ::umask(022);
    OutputFile file(folder / "results.csv");
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.commit());
    ::umask(mask);
    EXPECT_EQ(permissions(folder / "results.csv"), 0644u);
}

TEST(OutputFile, AReplacedFileKeepsItsPermissions)
{
    // Results kept private stay private when a new run replaces them.
    TempFolder folder;
    TempFolder::writeFile(folder / "results.csv", "old results\n");
    ASSERT_EQ(::chmod((folder / "results.csv").c_str(), 0600), 0);
    OutputFile file(folder / "results.csv");
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("new results\n"));
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(TempFolder::readFile(folder / "results.csv"), "new results\n");
    EXPECT_EQ(permissions(folder / "results.csv"), 0600u);
}

TEST(OutputFile, AMissingFolderIsTold)
{
    TempFolder folder;
    OutputFile file(folder / "no-such-folder" / "results.csv");
    EXPECT_FALSE(file.open());
    EXPECT_EQ(file.error(), "cannot be written: No such file or directory");
}

TEST(WriteMadeFile, MakesNothingForARefusedNameAndLeavesTheOldFileWhenMakingFails)
{
    TempFolder folder;
    TempFolder::writeFile(folder / "graph.pdf", "old graph");
    std::filesystem::create_directory(folder / "a-folder");
    int made = 0;
    std::vector<std::string> told;
    const auto tell = [&](const std::string& reason) {
        told.push_back(reason);
    };
    const auto make = [&](bool succeeds) {
        return [&made, succeeds](std::string& bytes) {
            ++made;
            bytes = "new graph";
            return succeeds;
        };
    };

    EXPECT_FALSE(writeMadeFile(folder / "a-folder", make(true), tell));
    EXPECT_EQ(made, 0);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_FALSE(told[0].empty());

    EXPECT_FALSE(writeMadeFile(folder / "graph.pdf", make(false), tell));
    EXPECT_EQ(made, 1);
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1], "");
    EXPECT_EQ(TempFolder::readFile(folder / "graph.pdf"), "old graph");

    EXPECT_TRUE(writeMadeFile(folder / "graph.pdf", make(true), tell));
    EXPECT_EQ(told.size(), 2u);
    EXPECT_EQ(TempFolder::readFile(folder / "graph.pdf"), "new graph");
    EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string>{"a-folder", "graph.pdf"}));
}

struct RefusedCase
{
    const char* name;
    /// Makes what stands at `file`; false when it cannot be made here.
    bool (*make)(const TempFolder& folder, const std::filesystem::path& file);
    mode_t type; ///< what must still stand there afterwards
    const char* problem;
};

bool linkTo(const TempFolder& folder, const std::filesystem::path& file, const char* target)
{
    return ::symlink((folder / target).c_str(), file.c_str()) == 0;
}

// Renaming over any of these would destroy it (as root, a device node of the system); a link
// would make the output land wherever the link points.
const RefusedCase kRefusedCases[] = {
    {"device", [](const TempFolder&, const auto& file) { return testing::makeDeviceNode(file); },
     S_IFCHR, "is a device, not an ordinary file"},
    {"fifo", [](const TempFolder&, const auto& file) { return testing::makeFifo(file); }, S_IFIFO,
     "is a named pipe (FIFO), not an ordinary file"},
    {"link_to_a_file",
     [](const TempFolder& folder, const auto& file) {
         TempFolder::writeFile(folder / "kept.txt", "kept");
         return linkTo(folder, file, "kept.txt");
     },
     S_IFLNK, "is a symbolic link, which is never followed: name the file itself"},
    {"link_to_a_device",
     [](const TempFolder& folder, const auto& file) {
         return testing::makeDeviceNode(folder / "device") && linkTo(folder, file, "device");
     },
     S_IFLNK, "is a symbolic link, which is never followed: name the file itself"},
    {"dangling_link",
     [](const TempFolder& folder, const auto& file) { return linkTo(folder, file, "nowhere"); },
     S_IFLNK, "is a symbolic link, which is never followed: name the file itself"},
    {"folder",
     [](const TempFolder&, const auto& file) { return std::filesystem::create_directory(file); },
     S_IFDIR, "is a folder, not a file"},
    {"write_protected_file",
     [](const TempFolder&, const auto& file) {
         TempFolder::writeFile(file, "kept");
         return ::chmod(file.c_str(), 0444) == 0;
     },
     S_IFREG, "is write-protected; remove the protection or name another file"},
};

class OutputFileRefuses : public ::testing::TestWithParam<RefusedCase>
{};

TEST_P(OutputFileRefuses, AnythingButANewNameOrAWritableFile)
{
    TempFolder folder;
    const std::filesystem::path file = folder / "out.pdf";
    ASSERT_TRUE(GetParam().make(folder, file));
    const auto before = filesIn(folder.path());

    EXPECT_EQ(outputFileProblem(file), GetParam().problem);
    OutputFile output(file);
    EXPECT_FALSE(output.open());
    EXPECT_EQ(output.error(), GetParam().problem);

    EXPECT_EQ(fileType(file), GetParam().type);
    EXPECT_EQ(filesIn(folder.path()), before);
    if (std::filesystem::exists(folder / "kept.txt")) {
        EXPECT_EQ(TempFolder::readFile(folder / "kept.txt"), "kept");
    }
}

INSTANTIATE_TEST_SUITE_P(Output, OutputFileRefuses, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OutputFile, ALinkPlantedWhileTheFileIsWrittenIsNotFollowed)
{
    // A printout folder someone else can write: the name is free when the file is opened, and a
    // link to another file is put there before the file is complete.
    TempFolder folder;
    TempFolder::writeFile(folder / "kept.txt", "kept");
    OutputFile output(folder / "0001-A.pdf");
    ASSERT_TRUE(output.open());
    ASSERT_TRUE(output.write("%PDF"));
    ASSERT_EQ(::symlink((folder / "kept.txt").c_str(), (folder / "0001-A.pdf").c_str()), 0);
    EXPECT_FALSE(output.commit());
    EXPECT_EQ(output.error(), "is a symbolic link, which is never followed: name the file itself");
    EXPECT_EQ(fileType(folder / "0001-A.pdf"), S_IFLNK);
    EXPECT_EQ(TempFolder::readFile(folder / "kept.txt"), "kept");
    EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string>{"0001-A.pdf", "kept.txt"}));
}

struct SignalCase
{
    const char* name;
    int signal;
};

const SignalCase kSignalCases[] = {
    {"interrupt", SIGINT}, {"terminate", SIGTERM}, {"hangup", SIGHUP}};

class OutputFileInterrupted : public ::testing::TestWithParam<SignalCase>
{};

// The test's child process is forked, so that it writes into this test's folder.
TEST_P(OutputFileInterrupted, LeavesNoTemporaryFileAndEndsAsTheSignalWould)
{
    TempFolder folder;
    TempFolder::writeFile(folder / "results.csv", "old results\n");
    const int signal = GetParam().signal;
    EXPECT_EXIT(
        {
            // The test may run with the signal ignored (a background job is started so).
            std::signal(signal, SIG_DFL);
            removeTemporaryFilesOnInterrupt();
            const InterruptCleanup scratch(folder / "scratch", InterruptCleanup::Kind::Folder);
            std::filesystem::create_directory(folder / "scratch");
            OutputFile file(folder / "results.csv");
            if (file.open() && file.write("half of the new")) {
                std::raise(signal);
            }
            std::exit(0);
        },
        ::testing::KilledBySignal(signal), "");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"results.csv"});
    EXPECT_EQ(TempFolder::readFile(folder / "results.csv"), "old results\n");
}

INSTANTIATE_TEST_SUITE_P(Output, OutputFileInterrupted, ::testing::ValuesIn(kSignalCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan
