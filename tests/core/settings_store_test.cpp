// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_store.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

namespace grovan {
namespace {

using testing::RecordingSink;
using testing::TempFolder;

class SettingsStoreTest : public ::testing::Test
{
protected:
    TempFolder folder;
    RecordingSink sink;
    std::filesystem::path file = folder / "Settings.mdb";
    SettingsDatabase settings{file, sink};

    // Runs SQL on the file directly, as a damaged or hand-made file would be.
    void execute(const std::string& sql)
    {
        SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
        db.exec(sql);
    }

    std::vector<std::filesystem::path> setAsideFiles() const
    {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
            if (entry.path().filename().string().find(".damaged-") != std::string::npos) {
                found.push_back(entry.path());
            }
        }
        return found;
    }
};

TEST_F(SettingsStoreTest, NewInstallationHoldsThe2021Values)
{
    const SetupValues values = settings.load();
    EXPECT_EQ(values.EmployeeUIF, 1.0);
    EXPECT_EQ(values.EmployerUIF, 1.0);
    EXPECT_EQ(values.SkillLevy, 1.0);
    EXPECT_EQ(values.UIFLimit, 17712.0);
    EXPECT_EQ(values.TAIncRate8020, 0.8);
    EXPECT_EQ(values.CompCarFBRate8020, 0.8);
    EXPECT_FALSE(values.CompCarMPYesNo);
    EXPECT_EQ(values.PensionCont + values.EmployerPenCont + values.ProvCont +
                  values.EmployerProvCont,
              0.0);
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_TRUE(sink.messages.empty()) << "a first start is not news";
}

SetupValues packageValues()
{
    SetupValues values;
    values.EmployeeUIF = 1.5;
    values.EmployerUIF = 2.5;
    values.SkillLevy = 0.75;
    values.UIFLimit = 15000;
    values.TAIncRate8020 = 0.2;
    values.PensionCont = 7.5;
    values.EmployerPenCont = 10;
    values.ProvCont = 5;
    values.EmployerProvCont = 6;
    values.CompCarFBRate8020 = 0.2;
    values.CompCarMPYesNo = true;
    return values;
}

TEST_F(SettingsStoreTest, PackageCalculatorsSaveAllElevenFields)
{
    ASSERT_TRUE(settings.save(packageValues(), SetupFields::Package));
    EXPECT_EQ(settings.load(), packageValues());
}

TEST_F(SettingsStoreTest, PeriodicCalculatorsSaveOnlyTheFiveSharedFields)
{
    ASSERT_TRUE(settings.save(packageValues(), SetupFields::Package));
    SetupValues periodic; // every field different from packageValues()
    periodic.EmployeeUIF = 0.9;
    periodic.EmployerUIF = 1.1;
    periodic.SkillLevy = 1.25;
    periodic.UIFLimit = 20000;
    periodic.TAIncRate8020 = 0.8;
    ASSERT_TRUE(settings.save(periodic, SetupFields::Periodic));

    SetupValues expected = packageValues();
    expected.EmployeeUIF = 0.9;
    expected.EmployerUIF = 1.1;
    expected.SkillLevy = 1.25;
    expected.UIFLimit = 20000;
    expected.TAIncRate8020 = 0.8;
    EXPECT_EQ(settings.load(), expected);
}

TEST_F(SettingsStoreTest, ASavedValueIsWhatTheNextCalculatorLoads)
{
    SetupValues monthly = settings.load();
    monthly.EmployeeUIF = 2.0;
    ASSERT_TRUE(settings.save(monthly, SetupFields::Periodic));
    SettingsDatabase weekly(file, sink);
    EXPECT_EQ(weekly.load().EmployeeUIF, 2.0);
}

TEST_F(SettingsStoreTest, AnOddInclusionRateIsKeptAndSelectsNoOption)
{
    SetupValues values;
    values.TAIncRate8020 = 0.5;
    ASSERT_TRUE(settings.save(values, SetupFields::Periodic));
    const SetupValues loaded = settings.load();
    EXPECT_EQ(loaded.TAIncRate8020, 0.5);
    EXPECT_EQ(inclusionOptionFor(loaded.TAIncRate8020), InclusionOption::Neither);
}

TEST(InclusionOption, OnlyExactRatesSelectAnOption)
{
    EXPECT_EQ(inclusionOptionFor(0.8), InclusionOption::Rate80);
    EXPECT_EQ(inclusionOptionFor(0.2), InclusionOption::Rate20);
    EXPECT_EQ(inclusionOptionFor(0.5), InclusionOption::Neither);
    EXPECT_EQ(inclusionOptionFor(0.8000001), InclusionOption::Neither);
    EXPECT_EQ(inclusionOptionFor(80), InclusionOption::Neither);
}

TEST_F(SettingsStoreTest, AFileThatIsNotADatabaseIsKeptAsideAndReplaced)
{
    const std::string garbage = "these are not the settings you are looking for";
    TempFolder::writeFile(file, garbage);
    TempFolder::writeFile(file.string() + "-journal", "stale journal");

    EXPECT_EQ(settings.load(), SetupValues{});
    std::filesystem::path kept;
    for (const auto& aside : setAsideFiles()) {
        if (!aside.string().ends_with("-journal")) {
            kept = aside;
        }
    }
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(TempFolder::readFile(kept), garbage) << "never deleted";
    EXPECT_FALSE(std::filesystem::exists(file.string() + "-journal"))
        << "a stale journal must not be replayed into the new file";
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].icon, MessageIcon::Warning);
    EXPECT_NE(sink.messages[0].text.find(kept.string()), std::string::npos)
        << "the user is told where the old file is";

    EXPECT_TRUE(settings.save(packageValues(), SetupFields::Package));
    EXPECT_EQ(settings.load(), packageValues());
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(SettingsStoreTest, ATruncatedDatabaseIsKeptAsideAndReplaced)
{
    ASSERT_TRUE(settings.save(packageValues(), SetupFields::Package));
    const std::string whole = TempFolder::readFile(file);
    TempFolder::writeFile(file, whole.substr(0, 100) + std::string(200, '\x7f'));
    EXPECT_EQ(settings.load(), SetupValues{});
    EXPECT_EQ(setAsideFiles().size(), 1u);
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(SettingsStoreTest, AMissingTableIsRestoredAndToldOnce)
{
    execute("CREATE TABLE Other (x INTEGER)");
    EXPECT_EQ(settings.load(), SetupValues{});
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("Setup"), std::string::npos);
    EXPECT_EQ(settings.load(), SetupValues{});
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(SettingsStoreTest, AMissingRecordIsRestoredAndToldOnce)
{
    ASSERT_TRUE(settings.save(packageValues(), SetupFields::Package));
    execute("DELETE FROM Setup");
    EXPECT_EQ(settings.load(), SetupValues{});
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("record"), std::string::npos);
    settings.load();
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(SettingsStoreTest, AMissingFieldIsRestoredAndTheOthersKept)
{
    execute("CREATE TABLE Setup (EmployeeUIF REAL, EmployerUIF REAL, SkillLevy REAL, "
            "TAIncRate8020 REAL, PensionCont REAL, EmployerPenCont REAL, ProvCont REAL, "
            "EmployerProvCont REAL, CompCarFBRate8020 REAL, CompCarMPYesNo INTEGER)");
    execute("INSERT INTO Setup VALUES (2, 3, 4, 0.2, 5, 6, 7, 8, 0.2, 1)");
    const SetupValues loaded = settings.load();
    EXPECT_EQ(loaded.UIFLimit, 17712.0);
    EXPECT_EQ(loaded.EmployeeUIF, 2.0);
    EXPECT_EQ(loaded.TAIncRate8020, 0.2);
    EXPECT_TRUE(loaded.CompCarMPYesNo);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("UIFLimit"), std::string::npos);
    settings.load();
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(SettingsStoreTest, AValueOfTheWrongKindIsRestored)
{
    execute("CREATE TABLE Setup (EmployeeUIF, EmployerUIF, SkillLevy, UIFLimit, TAIncRate8020, "
            "PensionCont, EmployerPenCont, ProvCont, EmployerProvCont, CompCarFBRate8020, "
            "CompCarMPYesNo)");
    execute("INSERT INTO Setup VALUES (1.5, 1, 1, 'lots', 0.8, 0, 0, 0, 0, 0.8, 7)");
    const SetupValues loaded = settings.load();
    EXPECT_EQ(loaded.UIFLimit, 17712.0);
    EXPECT_EQ(loaded.EmployeeUIF, 1.5);
    EXPECT_FALSE(loaded.CompCarMPYesNo);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("UIFLimit"), std::string::npos);
    EXPECT_NE(sink.messages[0].text.find("CompCarMPYesNo"), std::string::npos);
}

TEST_F(SettingsStoreTest, TheFirstOfSeveralRecordsIsTheOneUsed)
{
    settings.load();
    execute("INSERT INTO Setup VALUES (9, 9, 9, 9, 0.2, 9, 9, 9, 9, 0.2, 1)");
    EXPECT_EQ(settings.load(), SetupValues{});
    SetupValues changed;
    changed.SkillLevy = 3;
    ASSERT_TRUE(settings.save(changed, SetupFields::Periodic));
    EXPECT_EQ(settings.load().SkillLevy, 3.0);
    SQLite::Database db(file.string());
    EXPECT_EQ(db.execAndGet("SELECT SkillLevy FROM Setup ORDER BY rowid DESC LIMIT 1").getDouble(),
              9.0);
}

TEST_F(SettingsStoreTest, AnUnwritableLocationGivesDefaultsAndAMessage)
{
    TempFolder::writeFile(folder / "blocker", "");
    SettingsDatabase nowhere(folder / "blocker/Settings.mdb", sink);
    EXPECT_EQ(nowhere.load(), SetupValues{});
    EXPECT_FALSE(nowhere.save(packageValues(), SetupFields::Package));
    EXPECT_EQ(sink.messages.size(), 2u);
}

} // namespace
} // namespace grovan

namespace grovan {
namespace {

struct StoredValueCase
{
    const char* name;
    const char* sql;            ///< what another program (or a hand) did to the stored record
    double SetupValues::*field; ///< the field it damaged
    double loaded;              ///< what the field loads as
    const char* told;           ///< what the message says of it; nullptr for no message
};

// Values outside the range its set-up field takes (or no number at all) would be used silently:
// infinite or negative UIF, a levy above the salary. Each is restored alone, the rest kept.
const StoredValueCase kStoredValueCases[] = {
    {"uif_far_too_large", "UPDATE Setup SET EmployeeUIF = 1e308", &SetupValues::EmployeeUIF, 1.0,
     "the value of \u201cEmployeeUIF\u201d (1E+308, outside 0 to 100; now 1)"},
    {"uif_infinite", "UPDATE Setup SET EmployerUIF = 9e999", &SetupValues::EmployerUIF, 1.0,
     "the value of \u201cEmployerUIF\u201d (infinity, no number it can use; now 1)"},
    {"uif_negative", "UPDATE Setup SET EmployeeUIF = -5", &SetupValues::EmployeeUIF, 1.0,
     "(-5, outside 0 to 100; now 1)"},
    {"levy_above_100_percent", "UPDATE Setup SET SkillLevy = 150", &SetupValues::SkillLevy, 1.0,
     "the value of \u201cSkillLevy\u201d (150, outside 0 to 100; now 1)"},
    {"uif_limit_above_its_digits", "UPDATE Setup SET UIFLimit = 1000000", &SetupValues::UIFLimit,
     17712.0, "(1000000, outside 0 to 999999; now 17712)"},
    {"inclusion_rate_above_1", "UPDATE Setup SET TAIncRate8020 = 8", &SetupValues::TAIncRate8020,
     0.8, "(8, outside 0 to 1; now 0.8)"},
    {"fund_rate_negative", "UPDATE Setup SET ProvCont = -1", &SetupValues::ProvCont, 0.0,
     "(-1, outside 0 to 100; now 0)"},
    {"company_car_rate_above_1", "UPDATE Setup SET CompCarFBRate8020 = 80",
     &SetupValues::CompCarFBRate8020, 0.8, "(80, outside 0 to 1; now 0.8)"},
    {"empty_value", "UPDATE Setup SET SkillLevy = NULL", &SetupValues::SkillLevy, 1.0,
     "the value of \u201cSkillLevy\u201d (empty, not a number; now 1)"},
    {"uif_limit_0_is_kept", "UPDATE Setup SET UIFLimit = 0", &SetupValues::UIFLimit, 0.0, nullptr},
    {"uif_100_percent_is_kept", "UPDATE Setup SET EmployeeUIF = 100", &SetupValues::EmployeeUIF,
     100.0, nullptr},
};

class StoredSetupValues : public ::testing::TestWithParam<StoredValueCase>
{
protected:
    TempFolder folder;
    RecordingSink sink;
    std::filesystem::path file = folder / "Settings.mdb";
    SettingsDatabase settings{file, sink};
};

TEST_P(StoredSetupValues, AreUsedOnlyWithinTheirFieldsRange)
{
    const StoredValueCase& c = GetParam();
    SetupValues stored = packageValues();
    ASSERT_TRUE(settings.save(stored, SetupFields::Package));
    {
        SQLite::Database db(file.string(), SQLite::OPEN_READWRITE);
        db.exec(c.sql);
    }
    const SetupValues loaded = settings.load();
    EXPECT_EQ(loaded.*c.field, c.loaded);
    SetupValues others = loaded;
    others.*c.field = stored.*c.field;
    EXPECT_EQ(others, stored) << "only the damaged value is restored";
    if (c.told == nullptr) {
        EXPECT_TRUE(sink.messages.empty());
        return;
    }
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find(c.told), std::string::npos) << sink.messages[0].text;
    // The value was restored in the file: the next window is not told again.
    EXPECT_EQ(settings.load(), loaded);
    EXPECT_EQ(sink.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Settings, StoredSetupValues, ::testing::ValuesIn(kStoredValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, AYesNoFieldHolding7IsRestoredAloneNotTheWholeFile)
{
    // The table's own rule (0 or 1) was switched off to write the 7, so the file's check reports
    // a broken rule: that is one bad value, not a damaged file.
    ASSERT_TRUE(settings.save(packageValues(), SetupFields::Package));
    execute("PRAGMA ignore_check_constraints = ON; UPDATE Setup SET CompCarMPYesNo = 7");
    SetupValues expected = packageValues();
    expected.CompCarMPYesNo = false;
    EXPECT_EQ(settings.load(), expected);
    EXPECT_TRUE(setAsideFiles().empty());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].text.find("\u201cCompCarMPYesNo\u201d (7, neither yes nor no"),
              std::string::npos)
        << sink.messages[0].text;
    // The record can be written again.
    EXPECT_TRUE(settings.save(packageValues(), SetupFields::Package));
    EXPECT_EQ(settings.load(), packageValues());
}

TEST_F(SettingsStoreTest, ANumberStoredAsTextIsReadAsThatNumber)
{
    execute("CREATE TABLE Setup (EmployeeUIF, EmployerUIF, SkillLevy, UIFLimit, TAIncRate8020, "
            "PensionCont, EmployerPenCont, ProvCont, EmployerProvCont, CompCarFBRate8020, "
            "CompCarMPYesNo)");
    execute("INSERT INTO Setup VALUES ('2.5', ' 1.25', 1, '17 712', 0.8, 0, 0, 0, 0, 0.8, 0)");
    const SetupValues loaded = settings.load();
    EXPECT_EQ(loaded.EmployeeUIF, 2.5);
    EXPECT_EQ(loaded.EmployerUIF, 1.25);
    EXPECT_EQ(loaded.UIFLimit, 17712.0);
    EXPECT_TRUE(sink.messages.empty()) << sink.messages[0].text;
}

TEST_F(SettingsStoreTest, ALockedFileIsWaitedForThenTheStandardValuesAreUsedAndSaid)
{
    ASSERT_TRUE(settings.save(packageValues(), SetupFields::Package));
    {
        SQLite::Database other(file.string(), SQLite::OPEN_READWRITE);
        other.exec("BEGIN EXCLUSIVE");
        EXPECT_FALSE(settings.loadStored().has_value());
        other.exec("ROLLBACK");
    }
    ASSERT_EQ(sink.messages.size(), 1u);
    const std::string& text = sink.messages[0].text;
    EXPECT_NE(text.find("could not be opened: another program is using it"), std::string::npos)
        << text;
    EXPECT_NE(text.find("(the database library said \u201cdatabase is locked\u201d)"),
              std::string::npos)
        << text;
    EXPECT_TRUE(text.ends_with("The standard set-up values are used for now.")) << text;
    EXPECT_EQ(settings.load(), packageValues());
}

TEST_F(SettingsStoreTest, OnlyTheChangedValuesAreSavedOverValuesNeverLoaded)
{
    // A window that could not load the stored values shows the standard ones; the user changes
    // the skills levy and confirms. The other stored values must survive.
    ASSERT_TRUE(settings.save(packageValues(), SetupFields::Package));
    const SetupValues shown;
    SetupValues typed = shown;
    typed.SkillLevy = 2.0;
    ASSERT_TRUE(settings.saveChanged(shown, typed, SetupFields::Periodic));
    SetupValues expected = packageValues();
    expected.SkillLevy = 2.0;
    EXPECT_EQ(settings.load(), expected);
    // Nothing changed: nothing is written, not even to a file that cannot be opened.
    EXPECT_TRUE(SettingsDatabase(folder / "missing-folder/file" / "Settings.mdb", sink)
                    .saveChanged(shown, shown, SetupFields::Package));
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace grovan
