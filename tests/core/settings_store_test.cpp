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
