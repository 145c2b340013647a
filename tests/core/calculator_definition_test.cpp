// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculator_definition.h"
#include "core/defined_calculator.h"
#include "core/setup_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace grovan {
namespace {

// A toy calculator: doubles its input, counts its calculations in the inputs, and finds no
// answer above 100.
struct ToyInputs
{
    double amount = 0.0;
    double calculations = 0.0;
};

struct ToyResults
{
    double doubled = 0.0;
};

constexpr FieldDescription kAmount{.controlName = "numAmount",
                                   .label = "Amount",
                                   .key = "amount",
                                   .meaning = "",
                                   .unit = "rands",
                                   .kind = FieldKind::Amount,
                                   .sign = FieldSign::None,
                                   .minimum = 0.0,
                                   .maximum = 1000.0,
                                   .integerDigits = 4,
                                   .decimals = 2,
                                   .defaultValue = 0.0,
                                   .displayFormat = "0.00"};
constexpr FieldDescription kDoubled = resultField("numDoubled", "Doubled", "doubled", "", "rands",
                                                  FieldKind::Amount, FieldSign::None, 2, "0.00");

constexpr std::array<InputBinding<ToyInputs>, 1> kInputs{
    bindMember<ToyInputs, &ToyInputs::amount>(kAmount)};
constexpr std::array<ResultBinding<ToyResults>, 1> kResults{
    bindResultMember<ToyResults, &ToyResults::doubled>(kDoubled)};

const CalculatorDefinition<ToyInputs, ToyResults>& toy()
{
    static const CalculatorDefinition<ToyInputs, ToyResults> definition{
        .name = "toy",
        .windowName = "frmToy",
        .inputs = kInputs,
        .results = kResults,
        .validate = [](const ToyInputs& in) -> std::optional<FieldProblem> {
            if (in.amount == 13) {
                return FieldProblem{&kAmount, Message{"Unlucky"}};
            }
            return std::nullopt;
        },
        .calculate = [](const ToyInputs& in, const SetupValues&,
                        TaxableIncomeRecord&) { return ToyResults{in.amount * 2}; },
        .checkOutcome = [](const ToyInputs&, const ToyResults& out) -> std::optional<FieldProblem> {
            if (out.doubled > 200) {
                return FieldProblem{nullptr, Message{"No answer"}};
            }
            return std::nullopt;
        },
        .afterCalculation = [](ToyInputs& in, const ToyResults&) { ++in.calculations; },
    };
    return definition;
}

struct OutcomeCase
{
    const char* name;
    double amount;
    const char* problem; ///< nullptr when the results stand
};

// A refusal, before or after the calculation, leaves the inputs and the last results alone.
const OutcomeCase kCases[] = {
    {"calculated", 50, nullptr},
    {"inputs_refused", 13, "Unlucky"},
    {"outcome_refused", 150, "No answer"},
};

class DefinitionOutcomes : public ::testing::TestWithParam<OutcomeCase>
{};

TEST_P(DefinitionOutcomes, WindowKeepsItsValuesAndTheCommandLineRefuses)
{
    const OutcomeCase& c = GetParam();
    ToyInputs inputs{.amount = c.amount, .calculations = 1};
    ToyResults results{.doubled = 7};
    TaxableIncomeRecord record;
    const auto problem = toy().calculateInto(inputs, SetupValues{}, record, results);

    RawInput raw;
    raw.values.emplace_back("amount", RawValue{RawType::Number, c.amount, {}});
    const auto outcome = DefinedCalculator(toy()).run(raw, RunOptions{});

    if (c.problem == nullptr) {
        EXPECT_FALSE(problem.has_value());
        EXPECT_EQ(results.doubled, c.amount * 2);
        EXPECT_EQ(inputs.calculations, 2);
        EXPECT_TRUE(std::holds_alternative<CalculationOutput>(outcome));
        return;
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->message.text, c.problem);
    EXPECT_EQ(results.doubled, 7);
    EXPECT_EQ(inputs.calculations, 1);
    ASSERT_TRUE(std::holds_alternative<InputError>(outcome));
    EXPECT_EQ(std::get<InputError>(outcome).message, c.problem);
}

INSTANTIATE_TEST_SUITE_P(Definition, DefinitionOutcomes, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A calculator whose window clears the stored employer's UIF rate when it opens, and which
// shows the two rates it calculated with.
constexpr FieldDescription kEmployeeRate =
    setupPercentField("numEmployee", "Employee", "employeeRate");
constexpr FieldDescription kEmployerRate =
    setupPercentField("numEmployer", "Employer", "employerRate");
constexpr std::array<InputBinding<SetupValues>, 2> kRates{
    bindMember<SetupValues, &SetupValues::EmployeeUIF>(kEmployeeRate),
    bindMember<SetupValues, &SetupValues::EmployerUIF>(kEmployerRate)};
constexpr FieldDescription kUsed =
    resultField("", "", "used", "", "percent", FieldKind::Percent, FieldSign::None, 3, "0.000");
constexpr std::array<ResultBinding<ToyResults>, 1> kUsedResult{
    bindResultMember<ToyResults, &ToyResults::doubled>(kUsed)};

const CalculatorDefinition<ToyInputs, ToyResults>& preparing()
{
    static const CalculatorDefinition<ToyInputs, ToyResults> definition{
        .name = "preparing",
        .windowName = "frmPreparing",
        .inputs = kInputs,
        .setup = kRates,
        .results = kUsedResult,
        .calculate =
            [](const ToyInputs&, const SetupValues& setup, TaxableIncomeRecord&) {
                return ToyResults{setup.EmployeeUIF * 100 + setup.EmployerUIF};
            },
        .prepareSetup = [](SetupValues& setup) { setup.EmployerUIF = 0; },
    };
    return definition;
}

struct PreparedCase
{
    const char* name;
    std::vector<std::pair<std::string, double>> given;
    double used; ///< employee's rate x 100 + employer's rate
};

// Stored: 3 % and 5 %. The window clears the employer's when it opens; a rate given is typed in
// after that, as into the window's set-up panel.
const PreparedCase kPreparedCases[] = {
    {"stored_values_prepared", {}, 300},
    {"given_after_preparing", {{"employerRate", 2}}, 302},
    {"all_given_none_stored", {{"employeeRate", 4}, {"employerRate", 6}}, 406},
};

class DefinitionSetup : public ::testing::TestWithParam<PreparedCase>
{};

TEST_P(DefinitionSetup, IsPreparedAsTheWindowOpensThenTakesTheGivenValues)
{
    const PreparedCase& c = GetParam();
    RawInput raw;
    for (const auto& [key, value] : c.given) {
        raw.values.emplace_back(key, RawValue{RawType::Number, value, {}});
    }
    const auto outcome = DefinedCalculator(preparing()).run(raw, RunOptions{[] {
                                                                SetupValues stored;
                                                                stored.EmployeeUIF = 3;
                                                                stored.EmployerUIF = 5;
                                                                return stored;
                                                            }});
    ASSERT_TRUE(std::holds_alternative<CalculationOutput>(outcome));
    const CalculationOutput& output = std::get<CalculationOutput>(outcome);
    ASSERT_EQ(output.results.size(), 1u);
    EXPECT_EQ(output.results[0].value, FieldValue{c.used});
    // The output lists the rates the calculation used.
    ASSERT_EQ(output.inputs.size(), 3u);
    EXPECT_EQ(output.inputs[1].value, FieldValue{std::floor(c.used / 100)});
    EXPECT_EQ(output.inputs[2].value, FieldValue{std::fmod(c.used, 100)});
}

INSTANTIATE_TEST_SUITE_P(Definition, DefinitionSetup, ::testing::ValuesIn(kPreparedCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace grovan
