// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/startup_store.h"
#include "shell/startup_sequence.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

// Records which windows start-up showed, in order, and answers the disclaimer as told.
class FakeDialogs : public StartupDialogs
{
public:
    explicit FakeDialogs(bool accept) : m_accept(accept) {}
    void showAbout() override { shown.push_back("About"); }
    bool askDisclaimer() override
    {
        shown.push_back("Disclaimer");
        return m_accept;
    }
    std::vector<std::string> shown;

private:
    bool m_accept;
};

struct StartupCase
{
    const char* name;
    ProgramVersion version;
    StartupState stored;
    bool accept; // the user's answer, when the disclaimer is shown
    std::vector<std::string> expectedShown;
    StartupOutcome expectedOutcome;
    std::int64_t expectedVAR1;
};

// Version numbers as the disclaimer counts them: the three numbers' digits joined, so 2.0.5 is
// 205 and 1.0.12 is 1012.
const StartupCase kCases[] = {
    {"NewerVersionShowsTheDisclaimer",
     {2, 0, 5},
     {204, false},
     true,
     {"Disclaimer"},
     StartupOutcome::Continue,
     205},
    {"SameVersionDoesNotAsk", {2, 0, 5}, {205, false}, true, {}, StartupOutcome::Continue, 205},
    {"OlderVersionDoesNotAsk", {2, 0, 5}, {1012, false}, true, {}, StartupOutcome::Continue, 1012},
    {"DeclineEndsAndLeavesVAR1",
     {2, 0, 5},
     {204, false},
     false,
     {"Disclaimer"},
     StartupOutcome::EndProgram,
     204},
    {"AboutComesBeforeTheDisclaimer",
     {2, 0, 5},
     {204, true},
     true,
     {"About", "Disclaimer"},
     StartupOutcome::Continue,
     205},
    {"AboutAloneWhenAlreadyAccepted",
     {2, 0, 5},
     {205, true},
     true,
     {"About"},
     StartupOutcome::Continue,
     205},
    {"DeclineAfterAboutStillEnds",
     {2, 0, 5},
     {204, true},
     false,
     {"About", "Disclaimer"},
     StartupOutcome::EndProgram,
     204},
    {"TwoDigitRevisionIsCountedAsDigits",
     {1, 0, 12},
     {999, false},
     true,
     {"Disclaimer"},
     StartupOutcome::Continue,
     1012},
    {"FirstRunAcceptsTheCurrentVersion",
     {1, 0, 0},
     {0, true},
     true,
     {"About", "Disclaimer"},
     StartupOutcome::Continue,
     100},
};

class StartupSequenceTest : public ::testing::TestWithParam<StartupCase>
{
protected:
    TempFolder folder;
    RecordingSink sink;
    StartupStateDatabase store{folder / "bcdv.mdb", sink};
};

TEST_P(StartupSequenceTest, ShowsTheWindowsAndStoresTheAnswer)
{
    const StartupCase& c = GetParam();
    ASSERT_TRUE(store.saveAcceptedVersion(c.stored.VAR1));
    ASSERT_TRUE(store.saveViewAbout(c.stored.ViewAbout));
    FakeDialogs dialogs(c.accept);

    EXPECT_EQ(runStartupDialogs(store, c.version, dialogs), c.expectedOutcome);

    EXPECT_EQ(dialogs.shown, c.expectedShown);
    EXPECT_EQ(store.load(), (StartupState{c.expectedVAR1, c.stored.ViewAbout}));
    EXPECT_TRUE(sink.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupSequenceTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartupSequence, DamagedStoreAsksAgainAndRecordsTheAcceptance)
{
    TempFolder folder;
    RecordingSink sink;
    TempFolder::writeFile(folder / "bcdv.mdb", std::string(4096, 'x'));
    StartupStateDatabase store(folder / "bcdv.mdb", sink);
    FakeDialogs dialogs(true);

    EXPECT_EQ(runStartupDialogs(store, {2, 0, 5}, dialogs), StartupOutcome::Continue);

    EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"About", "Disclaimer"}));
    EXPECT_EQ(sink.messages.size(), 1u); // the damaged file is reported and kept aside
    EXPECT_EQ(store.load().VAR1, 205);
}

} // namespace
} // namespace grovan
