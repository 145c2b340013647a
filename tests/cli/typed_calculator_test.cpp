#include "cli/calculator_registry.h"
#include "cli/stored_setup.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace grovan::cli {
namespace {

using grovan::testing::RecordingSink;
using grovan::testing::TempFolder;

RawInput typed(std::initializer_list<std::pair<const char*, const char*>> values)
{
    RawInput input;
    for (const auto& [key, text] : values) {
        input.values.emplace_back(key, RawValue{RawType::Typed, 0.0, text});
    }
    return input;
}

const FieldValue* resultOf(const CalculationOutput& output, std::string_view key)
{
    for (const NamedValue& value : output.results) {
        if (value.key == key) {
            return &value.value;
        }
    }
    return nullptr;
}

class AnnualThroughTheCli : public ::testing::Test
{
protected:
    const CalculatorAdapter& annual = *CalculatorRegistry::standard().find("annual");
    int storedSetupReads = 0;
    SetupValues stored;
    RunOptions options{[this] {
        ++storedSetupReads;
        return stored;
    }};
};

TEST_F(AnnualThroughTheCli, UsesTheStoredInclusionRateWhenNoneIsGiven)
{
    // 300 000 + 0.2 x 100 000 = 320 000: 38 916 + 103 800 x 0.26 - 15 714 = 50 190.
    stored.TAIncRate8020 = 0.2;
    const auto outcome =
        annual.run(typed({{"salary", "300000"}, {"travelAllowance", "100000"}}), options);
    ASSERT_TRUE(std::holds_alternative<CalculationOutput>(outcome));
    EXPECT_EQ(*resultOf(std::get<CalculationOutput>(outcome), "taxLiability"), FieldValue{50190.0});
    EXPECT_EQ(storedSetupReads, 1);
}

TEST_F(AnnualThroughTheCli, ReadsNoSettingsWhenEverySetupValueIsGiven)
{
    const auto outcome = annual.run(typed({{"employeeUif", "1"},
                                           {"employerUif", "1"},
                                           {"uifLimit", "17712"},
                                           {"skillsLevy", "1"},
                                           {"travelInclusionRate", "0.8"}}),
                                    options);
    EXPECT_TRUE(std::holds_alternative<CalculationOutput>(outcome));
    EXPECT_EQ(storedSetupReads, 0);
}

TEST_F(AnnualThroughTheCli, RefusedInputNeverReadsTheSettings)
{
    const auto outcome =
        annual.run(typed({{"startDate", "01/12/2021"}, {"endDate", "30/11/2021"}}), options);
    ASSERT_TRUE(std::holds_alternative<InputError>(outcome));
    EXPECT_EQ(std::get<InputError>(outcome).key, "endDate");
    EXPECT_EQ(storedSetupReads, 0);
}

struct TypeCase
{
    const char* name;
    RawValue raw;
    const char* error; ///< nullptr when accepted
};

// A JSON text is never read as a number, while typed text (a CSV cell, a KEY=VALUE argument) is
// read strictly: the whole text must be the number.
const TypeCase kTypeCases[] = {
    {"json_number", {RawType::Number, 500000, ""}, nullptr},
    {"typed_number", {RawType::Typed, 0, "500000"}, nullptr},
    {"typed_number_with_exponent", {RawType::Typed, 0, "5e5"}, nullptr},
    {"json_text", {RawType::String, 0, "500000"}, "must be a number (rands), not \"500000\""},
    {"typed_text_with_trailing_letters",
     {RawType::Typed, 0, "500000abc"},
     "must be a number (rands), not \"500000abc\""},
    {"typed_empty", {RawType::Typed, 0, ""}, "must be a number (rands), not \"\""},
    {"json_boolean", {RawType::Other, 0, "true"}, "must be a number (rands), not true"},
};

class AnnualInputTypes : public ::testing::TestWithParam<TypeCase>
{};

TEST_P(AnnualInputTypes, ReadSalary)
{
    const CalculatorAdapter& annual = *CalculatorRegistry::standard().find("annual");
    RawInput input;
    input.values.emplace_back("salary", GetParam().raw);
    const auto outcome = annual.run(input, RunOptions{});
    if (GetParam().error == nullptr) {
        ASSERT_TRUE(std::holds_alternative<CalculationOutput>(outcome));
        EXPECT_EQ(std::get<CalculationOutput>(outcome).inputs[1].value, FieldValue{500000.0});
    } else {
        ASSERT_TRUE(std::holds_alternative<InputError>(outcome));
        EXPECT_EQ(std::get<InputError>(outcome).message, GetParam().error);
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, AnnualInputTypes, ::testing::ValuesIn(kTypeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StoredSetup, ReadsTheValuesAWindowSaved)
{
    TempFolder folder;
    RecordingSink sink;
    SetupValues saved;
    saved.TAIncRate8020 = 0.2;
    saved.UIFLimit = 15000;
    ASSERT_TRUE(SettingsDatabase(folder / "Settings.mdb", sink).save(saved, SetupFields::Periodic));

    std::ostringstream err;
    const SetupValues loaded = loadStoredSetup(folder.path(), err);
    EXPECT_EQ(loaded.TAIncRate8020, 0.2);
    EXPECT_EQ(loaded.UIFLimit, 15000);
    EXPECT_EQ(err.str(), "");
}

TEST(StoredSetup, TellsOfADamagedFileAndUsesTheStandardValues)
{
    TempFolder folder;
    TempFolder::writeFile(folder / "Settings.mdb", "not a database at all");
    std::ostringstream err;
    EXPECT_EQ(loadStoredSetup(folder.path(), err), SetupValues{});
    EXPECT_NE(err.str().find("grovan-cli: "), std::string::npos) << err.str();
}

struct PeriodCase
{
    const char* name;
    const char* calculator;
    RawInput input;
    const char* errorKey; ///< nullptr when the case is calculated
    const char* message;
};

// The calculators whose windows open with inputs other than zeros, and whose checks may fault no
// one field. Figures: 20 000 x 26 = 520 000 a year, 113 925 after the rebate, / 26.
const PeriodCase kPeriodCases[] = {
    {"fortnight_starts_from_14_of_14_days", "fortnightly", typed({{"salary", "20000"}}), nullptr,
     nullptr},
    {"week_starts_from_7_of_7_days", "weekly", typed({{"salary", "10000"}}), nullptr, nullptr},
    {"days_above_normal_fault_no_one_field", "fortnightly",
     typed({{"normalDays", "10"}, {"thisDays", "11"}}), "",
     "The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'."},
    {"no_days_fault_this_period", "weekly", typed({{"thisDays", "0"}}), "thisDays",
     "The number of 'This work week' days must be 1 or more."},
    {"month_dates_fault_the_end_date", "monthly",
     typed({{"startDate", "01/04/2021"}, {"endDate", "01/05/2021"}}), "endDate",
     "The Start and End dates entered must be for the same Month"},
};

class PeriodicThroughTheCli : public ::testing::TestWithParam<PeriodCase>
{};

TEST_P(PeriodicThroughTheCli, StartsFromTheWindowAndNamesTheField)
{
    const PeriodCase& c = GetParam();
    int storedSetupReads = 0;
    const RunOptions options{[&storedSetupReads] {
        ++storedSetupReads;
        return SetupValues{};
    }};
    const auto outcome = CalculatorRegistry::standard().find(c.calculator)->run(c.input, options);
    if (c.errorKey != nullptr) {
        ASSERT_TRUE(std::holds_alternative<InputError>(outcome));
        EXPECT_EQ(std::get<InputError>(outcome).key, c.errorKey);
        EXPECT_EQ(std::get<InputError>(outcome).message, c.message);
        EXPECT_EQ(storedSetupReads, 0);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<CalculationOutput>(outcome));
    const auto& output = std::get<CalculationOutput>(outcome);
    EXPECT_NEAR(std::get<double>(*resultOf(output, "taxLiability")),
                std::string_view(c.calculator) == "weekly" ? 113925.0 / 52 : 113925.0 / 26, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cli, PeriodicThroughTheCli, ::testing::ValuesIn(kPeriodCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan::cli
