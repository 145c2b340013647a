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

} // namespace
} // namespace grovan::cli
