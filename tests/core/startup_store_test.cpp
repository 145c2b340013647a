// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/startup_store.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

class StartupStoreTest : public ::testing::Test
{
protected:
    TempFolder folder;
    RecordingSink sink;
    StartupStateDatabase store{folder / "bcdv.mdb", sink};
};

TEST_F(StartupStoreTest, StartsWithAboutShownAndNoDisclaimerAccepted)
{
    EXPECT_EQ(store.load(), (StartupState{0, true}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(StartupStoreTest, EachFieldIsWrittenAlone)
{
    ASSERT_TRUE(store.saveAcceptedVersion(205));
    ASSERT_TRUE(store.saveViewAbout(false));
    EXPECT_EQ(store.load(), (StartupState{205, false}));
    ASSERT_TRUE(store.saveViewAbout(true));
    EXPECT_EQ(store.load(), (StartupState{205, true}));
}

TEST_F(StartupStoreTest, ADamagedFileGivesTheInitialStateAndIsKept)
{
    TempFolder::writeFile(folder / "bcdv.mdb", std::string(4096, 'x'));
    EXPECT_EQ(store.load(), StartupState{});
    EXPECT_EQ(sink.messages.size(), 1u);
    ASSERT_TRUE(store.saveAcceptedVersion(100));
    EXPECT_EQ(store.load().VAR1, 100);
}

} // namespace
} // namespace grovan
