#include "core/calculator_definition.h"
#include "core/defined_calculator.h"

#include <gtest/gtest.h>

#include <array>

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

} // namespace
} // namespace grovan
