// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_conversion.h"
#include "cli/stored_setup.h"
#include "core/calculator_catalogue.h"
#include "core/field_reader.h"
#include "shell/calculators.h"
#include "tests/support/recording_sink.h"
#include "tests/support/temp_folder.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>
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

const FieldDescription* annualSalaryField()
{
    for (const FieldGroup& group : programCalculators().find("annual")->fields()) {
        for (const FieldDescription* field : group.fields) {
            if (field->key == "salary") {
                return field;
            }
        }
    }
    return nullptr;
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
    const Calculator& annual = *programCalculators().find("annual");
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
    double salary;     ///< the salary read, when accepted
    const char* error; ///< nullptr when accepted
};

// A JSON text is never read as a number, while typed text (a CSV cell, a KEY=VALUE argument) is
// read as a numeric field reads it, blanks ignored and no text read as 0, but it must be the
// number as a whole.
const TypeCase kTypeCases[] = {
    {"json_number", {RawType::Number, 500000, ""}, 500000, nullptr},
    {"typed_number", {RawType::Typed, 0, "500000"}, 500000, nullptr},
    {"typed_number_with_exponent", {RawType::Typed, 0, "5e5"}, 500000, nullptr},
    {"typed_with_blank_before", {RawType::Typed, 0, " 500000"}, 500000, nullptr},
    {"typed_in_groups_of_thousands", {RawType::Typed, 0, "500 000"}, 500000, nullptr},
    {"typed_with_tab_and_line_break", {RawType::Typed, 0, "\t500000\r\n"}, 500000, nullptr},
    {"typed_empty_is_0", {RawType::Typed, 0, ""}, 0, nullptr},
    {"typed_blanks_only_are_0", {RawType::Typed, 0, "   "}, 0, nullptr},
    {"json_text", {RawType::String, 0, "500000"}, 0, "must be a number (rands), not \"500000\""},
    {"typed_text_with_trailing_letters",
     {RawType::Typed, 0, "500000abc"},
     0,
     "must be a number (rands), not \"500000abc\""},
    {"typed_blanks_do_not_join_a_sign",
     {RawType::Typed, 0, "5 - 3"},
     0,
     "must be a number (rands), not \"5 - 3\""},
    {"typed_with_two_signs",
     {RawType::Typed, 0, "+-500000"},
     0,
     "must be a number (rands), not \"+-500000\""},
    {"json_boolean", {RawType::Other, 0, "true"}, 0, "must be a number (rands), not true"},
};

class AnnualInputTypes : public ::testing::TestWithParam<TypeCase>
{};

TEST_P(AnnualInputTypes, ReadSalary)
{
    const Calculator& annual = *programCalculators().find("annual");
    RawInput input;
    input.values.emplace_back("salary", GetParam().raw);
    const auto outcome = annual.run(input, RunOptions{});
    if (GetParam().error == nullptr) {
        ASSERT_TRUE(std::holds_alternative<CalculationOutput>(outcome));
        EXPECT_EQ(std::get<CalculationOutput>(outcome).inputs[1].value,
                  FieldValue{GetParam().salary});
    } else {
        ASSERT_TRUE(std::holds_alternative<InputError>(outcome));
        EXPECT_EQ(std::get<InputError>(outcome).message, GetParam().error);
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, AnnualInputTypes, ::testing::ValuesIn(kTypeCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A CSV header's columns, prepared once; each row's cells are read as `calc` reads KEY=VALUE
// text, an empty cell counting as not given.
const std::vector<std::string> kColumns = {"employeeName",    "age",
                                           "salary",          "startDate",
                                           "endDate",         "beneficiariesJul",
                                           "travelAllowance", "travelInclusionRate"};

struct ColumnCase
{
    const char* name;
    std::vector<std::string_view> cells;
};

// Good rows and each kind of refusal; the expected outcome is calc's for the same inputs.
const ColumnCase kColumnCases[] = {
    {"salary_500000_age_40", {"Jan", "40", "500000", "", "", "", "", ""}},
    {"part_year", {"", "", "250000", "01/09/2021", "", "", "", ""}},
    {"given_inclusion_rate", {"", "", "300000", "", "", "", "100000", "0.2"}},
    {"typed_with_a_blank_after_each_comma",
     {" Jan", " 40", " 250 000", " 01/09/2021", " 28/02/2022", " 2", " 100 000", " 0.2"}},
    {"whole_number_field_rounds_halves_to_even", {"", "40.5", "250000", "", "", "", "", ""}},
    {"more_decimals_than_the_field_takes", {"", "", "250000.125", "", "", "", "", ""}},
    {"not_a_number", {"", "", "12abc", "", "", "", "", ""}},
    {"out_of_range", {"", "", "-1", "", "", "", "", ""}},
    {"invalid_date", {"", "", "", "31/02/2022", "", "", "", ""}},
    {"end_before_start", {"", "", "", "01/12/2021", "30/11/2021", "", "", ""}},
    {"more_than_24_members", {"", "", "", "", "", "30", "", ""}},
    {"age_of_digits_above_its_range", {"", "999", "", "", "", "", "", ""}},
    {"salary_of_ten_digits", {"", "", "1000000000", "", "", "", "", ""}},
    {"name_too_long",
     {std::string_view("ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJK"), "", "", "", "", "",
      "", ""}},
    {"name_of_the_longest_length",
     {std::string_view("ABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJABCDEFGHIJ"), "", "", "", "", "",
      "", ""}},
    // 50 characters of two bytes each: a name's length is counted in characters.
    {"accented_name_of_the_longest_length",
     {std::string_view("éééééééééééééééééééééééééééééééééééééééééééééééééé"), "", "", "", "", "",
      "", ""}},
    {"accented_name_too_long",
     {std::string_view("Zoëéééééééééééééééééééééééééééééééééééééééééééééééé"), "", "", "", "", "",
      "", ""}},
    {"name_not_utf8_in_its_first_eight_bytes", {"Th\xFFndi Mokoena", "", "", "", "", "", "", ""}},
    {"name_not_utf8_after_eight_letters", {"Thandi M\xFFkoena", "", "", "", "", "", "", ""}},
    {"name_with_blanks_around", {"  Thandi Mokoena\t", "", "", "", "", "", "", ""}},
};

class AnnualColumns : public ::testing::TestWithParam<ColumnCase>
{};

TEST_P(AnnualColumns, GiveWhatOneCaseGivenByKeyGives)
{
    const Calculator& annual = *programCalculators().find("annual");
    RawInput byKey;
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        if (!GetParam().cells[i].empty()) {
            byKey.values.emplace_back(
                kColumns[i], RawValue{RawType::Typed, 0.0, std::string(GetParam().cells[i])});
        }
    }
    const RunOptions options{[] {
        return SetupValues{};
    }};
    const auto expected = annual.run(byKey, options);

    auto prepared = annual.columnCases(kColumns);
    ASSERT_TRUE(std::holds_alternative<std::unique_ptr<ColumnCases>>(prepared));
    ColumnCases& columns = *std::get<std::unique_ptr<ColumnCases>>(prepared);
    RunOptions resultsOnly = options;
    resultsOnly.listInputs = false;
    resultsOnly.withPrintout = false;
    CalculationOutput output;
    // Twice, so that the second case runs on the storage the first one left.
    for (int pass = 0; pass < 2; ++pass) {
        const auto error = columns.run(GetParam().cells, resultsOnly, output);
        if (const auto* refused = std::get_if<InputError>(&expected)) {
            ASSERT_TRUE(error.has_value());
            EXPECT_EQ(error->key, refused->key);
            EXPECT_EQ(error->message, refused->message);
            continue;
        }
        ASSERT_FALSE(error.has_value()) << error->message;
        const auto& whole = std::get<CalculationOutput>(expected);
        ASSERT_EQ(output.results.size(), whole.results.size());
        for (std::size_t i = 0; i < whole.results.size(); ++i) {
            EXPECT_EQ(output.results[i].key, whole.results[i].key);
            EXPECT_EQ(output.results[i].value, whole.results[i].value);
        }
        EXPECT_TRUE(output.inputs.empty());
        EXPECT_FALSE(output.printout);

        // A batch's rows give the same results as numbers alone.
        std::vector<double> numbers;
        ASSERT_FALSE(columns.runForResults(GetParam().cells, resultsOnly, numbers).has_value());
        ASSERT_EQ(numbers.size(), whole.results.size());
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const FieldValue& value = whole.results[i].value;
            const double expected = std::holds_alternative<std::int64_t>(value)
                                        ? static_cast<double>(std::get<std::int64_t>(value))
                                        : std::get<double>(value);
            EXPECT_EQ(numbers[i], expected) << whole.results[i].key;
            EXPECT_FALSE(std::signbit(numbers[i])) << whole.results[i].key;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cli, AnnualColumns, ::testing::ValuesIn(kColumnCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnnualColumnsHeader, RefusesAColumnThatIsNoInput)
{
    const Calculator& annual = *programCalculators().find("annual");
    const std::vector<std::string> header = {"age", "salry"};
    const auto prepared = annual.columnCases(header);
    ASSERT_TRUE(std::holds_alternative<InputError>(prepared));
    EXPECT_EQ(std::get<InputError>(prepared).key, "salry");
    EXPECT_EQ(std::get<InputError>(prepared).message,
              "is not an input of the annual calculator (grovan-cli describe annual lists them)");
}

TEST(AnnualColumnsHeader, RefusesAColumnNamedTwice)
{
    // Which of the two cells would count is anybody's guess; the file is refused instead.
    const Calculator& annual = *programCalculators().find("annual");
    const std::vector<std::string> header = {"salary", "age", "salary"};
    const auto prepared = annual.columnCases(header);
    ASSERT_TRUE(std::holds_alternative<InputError>(prepared));
    EXPECT_EQ(std::get<InputError>(prepared).key, "salary");
    EXPECT_EQ(std::get<InputError>(prepared).message, "is given twice");
}

TEST(AnnualColumnsHeader, EmptyCellsKeepTheDefaultsAndRowsOfAnotherLengthAreRefused)
{
    const Calculator& annual = *programCalculators().find("annual");
    const std::vector<std::string> header = {"startDate", "salary"};
    auto prepared = annual.columnCases(header);
    ColumnCases& columns = *std::get<std::unique_ptr<ColumnCases>>(prepared);
    CalculationOutput output;
    const RunOptions options{[] {
        return SetupValues{};
    }};

    // An empty start date is the window's default, 01/03/2021: the whole year of 365 days; so is
    // one of blanks only, as a CSV typed with a blank after each comma has.
    for (const std::string_view empty : {"", "  "}) {
        const std::vector<std::string_view> defaults = {empty, ""};
        ASSERT_FALSE(columns.run(defaults, options, output).has_value());
        EXPECT_EQ(output.results[8].key, "days");
        EXPECT_EQ(output.results[8].value, FieldValue{std::int64_t{365}});
    }

    const std::vector<std::string_view> shortRow = {"01/09/2021"};
    const auto error = columns.run(shortRow, options, output);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message, "the row has 1 cell where the header names 2");
}

TEST(AnnualColumnsHeader, ARowsSetUpValueCountsForThatRowAloneAndTheStoredOnesAreReadOnce)
{
    const Calculator& annual = *programCalculators().find("annual");
    const std::vector<std::string> header = {"salary", "travelAllowance", "travelInclusionRate"};
    auto prepared = annual.columnCases(header);
    ColumnCases& columns = *std::get<std::unique_ptr<ColumnCases>>(prepared);
    int reads = 0;
    SetupValues stored;
    stored.TAIncRate8020 = 0.8;
    RunOptions options{[&reads, &stored] {
        ++reads;
        return stored;
    }};
    options.listInputs = false;
    options.withPrintout = false;
    const auto expected = [&annual, &options](std::string_view rate) {
        RawInput byKey;
        byKey.values.emplace_back("salary", RawValue{RawType::Typed, 0.0, "300000"});
        byKey.values.emplace_back("travelAllowance", RawValue{RawType::Typed, 0.0, "100000"});
        if (!rate.empty()) {
            byKey.values.emplace_back("travelInclusionRate",
                                      RawValue{RawType::Typed, 0.0, std::string(rate)});
        }
        return std::get<CalculationOutput>(annual.run(byKey, options)).results;
    };
    const auto given = expected("0.2");
    const auto storedRate = expected("");
    // The rate changes the tax.
    const auto taxLiability = [](const std::vector<NamedValue>& results) {
        return std::find_if(results.begin(), results.end(),
                            [](const NamedValue& v) { return v.key == "taxLiability"; })
            ->value;
    };
    ASSERT_NE(taxLiability(given), taxLiability(storedRate));
    reads = 0;

    CalculationOutput output;
    for (const std::string_view rate : {"0.2", "", "0.2", ""}) {
        const std::vector<std::string_view> row = {"300000", "100000", rate};
        ASSERT_FALSE(columns.run(row, options, output).has_value());
        const auto& wanted = rate.empty() ? storedRate : given;
        ASSERT_EQ(output.results.size(), wanted.size());
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            EXPECT_EQ(output.results[i].value, wanted[i].value)
                << "rate '" << rate << "', " << wanted[i].key;
        }
    }
    EXPECT_EQ(reads, 1);
}

TEST(AnnualColumnsHeader, ARefusedCellIsQuotedByAShortPrefix)
{
    // The error column of a batch holds the message: a huge bad cell must not be repeated there.
    const Calculator& annual = *programCalculators().find("annual");
    const std::vector<std::string> header = {"salary"};
    auto prepared = annual.columnCases(header);
    ColumnCases& columns = *std::get<std::unique_ptr<ColumnCases>>(prepared);
    const std::string cell = "12abc" + std::string(100'000, '9');
    const std::vector<std::string_view> row = {cell};
    CalculationOutput output;
    const auto error = columns.run(row, RunOptions{}, output);
    ASSERT_TRUE(error.has_value());
    EXPECT_LT(error->message.size(), 200u) << error->message.substr(0, 300);
    EXPECT_TRUE(error->message.starts_with("must be a number (rands), not \"12abc9999"))
        << error->message.substr(0, 300);
    EXPECT_TRUE(error->message.ends_with("\u2026\" (100 005 bytes)"))
        << error->message.substr(0, 300);
}

TEST(Output, NeverWritesANegativeZero)
{
    // A credit that cancels a tax exactly, or 0 times a rate, leaves -0 in the arithmetic.
    EXPECT_EQ(toJson(FieldValue{-0.0}).dump(), "0.0");
    const FieldDescription& salary = *annualSalaryField();
    const FieldValue shown = outputValue(salary, InputValue{-0.0});
    ASSERT_TRUE(std::holds_alternative<double>(shown));
    EXPECT_FALSE(std::signbit(std::get<double>(shown)));
}

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

TEST(StoredSetup, TellsOfAValueOutsideItsRangeOnStandardError)
{
    TempFolder folder;
    RecordingSink sink;
    ASSERT_TRUE(
        SettingsDatabase(folder / "Settings.mdb", sink).save(SetupValues{}, SetupFields::Package));
    SQLite::Database((folder / "Settings.mdb").string(), SQLite::OPEN_READWRITE)
        .exec("UPDATE Setup SET EmployeeUIF = 1e308");
    std::ostringstream err;
    EXPECT_EQ(loadStoredSetup(folder.path(), err), SetupValues{});
    EXPECT_NE(err.str().find("grovan-cli: "), std::string::npos) << err.str();
    EXPECT_NE(err.str().find("\u201cEmployeeUIF\u201d (1E+308, outside 0 to 100; now 1)"),
              std::string::npos)
        << err.str();
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
    const auto outcome = programCalculators().find(c.calculator)->run(c.input, options);
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
