#pragma once

#include "cli/calculator_adapter.h"
#include "cli/field_reader.h"
#include "core/field_binding.h"
#include "core/income_tax.h"

#include <optional>
#include <span>

namespace grovan::cli {

/// A calculator's engine tables and procedures, as grovan-cli needs them. Only `calculate` and
/// the bindings are required; a calculator without set-up, own messages, checks or printout
/// leaves those empty.
template <typename Inputs, typename Results> struct CalculatorDefinition
{
    std::string_view name = {};
    std::string_view title = {};
    std::span<const InputBinding<Inputs>> inputs = {};
    std::span<const InputBinding<SetupValues>> setup = {};
    std::span<const ResultBinding<Results>> results = {};
    /// The window's own message for a refused field (see `readField`), or nothing.
    std::function<std::optional<Message>(const FieldDescription&, std::optional<double>,
                                         const Inputs&)>
        refusalMessage = {};
    /// The window's checks of a complete set of inputs; nothing when they may be calculated.
    std::function<std::optional<FieldProblem>(const Inputs&)> validate = {};
    std::function<Results(const Inputs&, const SetupValues&, TaxableIncomeRecord&)> calculate = {};
    /// The inputs of a newly opened window, where they are not the Inputs type's own defaults.
    std::function<Inputs()> defaults = {};
    /// What the calculation changes in the window's inputs, if anything.
    std::function<void(Inputs&, const Results&)> afterCalculation = {};
    std::string_view printTable = {};
    std::function<Row(const Inputs&, const Results&, PrintLanguage)> printRow = {};
    /// The report template that prints `printTable`, a file name in the asset folder.
    std::string_view printTemplate = {};
};

/// Runs a calculator from its definition: unknown keys are refused; each given input is read for
/// its field in the window's order (the first refusal ends the case, in the window's words
/// where it has them); inputs not given keep the window's defaults, set-up values not given come
/// from the settings database; then the window's checks, the calculation and the printout row.
template <typename Inputs, typename Results> class TypedCalculator : public CalculatorAdapter
{
public:
    explicit TypedCalculator(CalculatorDefinition<Inputs, Results> definition)
        : m_def(std::move(definition))
    {}

    std::string_view name() const override { return m_def.name; }
    std::string_view title() const override { return m_def.title; }

    std::vector<FieldGroup> fields() const override
    {
        std::vector<FieldGroup> groups{{FieldRole::Input, {}}};
        for (const auto& binding : m_def.inputs) {
            groups.back().fields.push_back(binding.field);
        }
        if (!m_def.setup.empty()) {
            groups.push_back({FieldRole::Setup, {}});
            for (const auto& binding : m_def.setup) {
                groups.back().fields.push_back(binding.field);
            }
        }
        groups.push_back({FieldRole::Result, {}});
        for (const auto& binding : m_def.results) {
            groups.back().fields.push_back(binding.field);
        }
        return groups;
    }

    std::variant<CalculationOutput, InputError> run(const RawInput& input,
                                                    const RunOptions& options) const override
    {
        if (auto unknown = unknownKey(input)) {
            return *unknown;
        }
        Inputs inputs = m_def.defaults ? m_def.defaults() : Inputs{};
        if (auto error = readInputs(input, inputs)) {
            return *error;
        }
        SetupValues given;
        for (const auto& binding : m_def.setup) {
            if (auto error = readInto(binding, input, given, noOwnMessage)) {
                return *error;
            }
        }
        if (m_def.validate) {
            if (auto problem = m_def.validate(inputs)) {
                return InputError{problem->field ? std::string(problem->field->key) : "",
                                  problem->message.text};
            }
        }

        const SetupValues setup = setupFor(input, given, options);
        TaxableIncomeRecord record;
        const Results results = m_def.calculate(inputs, setup, record);
        if (m_def.afterCalculation) {
            m_def.afterCalculation(inputs, results);
        }
        return output(inputs, setup, results);
    }

private:
    // Reads the given inputs in the window's order; the calculator words a refusal where its
    // window has a message, given the inputs read so far (the end date quotes the start date).
    std::optional<InputError> readInputs(const RawInput& input, Inputs& inputs) const
    {
        const auto ownMessage = [&](const FieldDescription& field, std::optional<double> value) {
            return m_def.refusalMessage ? m_def.refusalMessage(field, value, inputs) : std::nullopt;
        };
        for (const auto& binding : m_def.inputs) {
            if (auto error = readInto(binding, input, inputs, ownMessage)) {
                return error;
            }
        }
        return std::nullopt;
    }

    // The set-up values given, over the stored ones (which are read only when some are missing).
    SetupValues setupFor(const RawInput& input, const SetupValues& given,
                         const RunOptions& options) const
    {
        bool allGiven = true;
        for (const auto& binding : m_def.setup) {
            allGiven = allGiven && input.find(binding.field->key) != nullptr;
        }
        SetupValues setup =
            allGiven || !options.storedSetup ? SetupValues{} : options.storedSetup();
        for (const auto& binding : m_def.setup) {
            if (input.find(binding.field->key) != nullptr) {
                binding.set(setup, binding.get(given));
            }
        }
        return setup;
    }

    CalculationOutput output(const Inputs& inputs, const SetupValues& setup,
                             const Results& results) const
    {
        CalculationOutput out;
        out.inputs.reserve(m_def.inputs.size() + m_def.setup.size());
        out.results.reserve(m_def.results.size());
        for (const auto& binding : m_def.inputs) {
            out.inputs.push_back(
                {binding.field->key, outputValue(*binding.field, binding.get(inputs))});
        }
        for (const auto& binding : m_def.setup) {
            out.inputs.push_back(
                {binding.field->key, outputValue(*binding.field, binding.get(setup))});
        }
        for (const auto& binding : m_def.results) {
            out.results.push_back(
                {binding.field->key, outputValue(*binding.field, binding.get(results))});
        }
        if (m_def.printRow) {
            out.printTable = m_def.printTable;
            out.printTemplate = m_def.printTemplate;
            out.printRow = [printRow = m_def.printRow, inputs, results](PrintLanguage language) {
                return printRow(inputs, results, language);
            };
        }
        return out;
    }

    static std::optional<Message> noOwnMessage(const FieldDescription&, std::optional<double>)
    {
        return std::nullopt;
    }

    std::optional<InputError> unknownKey(const RawInput& input) const
    {
        for (const auto& [key, raw] : input.values) {
            if (!knows(m_def.inputs, key) && !knows(m_def.setup, key)) {
                return InputError{key, "is not an input of the " + std::string(m_def.name) +
                                           " calculator (grovan-cli describe " +
                                           std::string(m_def.name) + " lists them)"};
            }
        }
        return std::nullopt;
    }

    template <typename Bindings> static bool knows(const Bindings& bindings, std::string_view key)
    {
        for (const auto& binding : bindings) {
            if (binding.field->key == key) {
                return true;
            }
        }
        return false;
    }

    template <typename Target, typename OwnMessage>
    static std::optional<InputError> readInto(const InputBinding<Target>& binding,
                                              const RawInput& input, Target& target,
                                              OwnMessage ownMessage)
    {
        const RawValue* raw = input.find(binding.field->key);
        if (raw == nullptr) {
            return std::nullopt;
        }
        auto read = readField(*binding.field, *raw);
        if (auto* refusal = std::get_if<Refusal>(&read)) {
            std::optional<Message> own;
            if (refusal->windowMayWord) {
                own = ownMessage(*binding.field, refusal->value);
            }
            return InputError{std::string(binding.field->key), own ? own->text : refusal->message};
        }
        binding.set(target, std::get<InputValue>(read));
        return std::nullopt;
    }

    CalculatorDefinition<Inputs, Results> m_def;
};

} // namespace grovan::cli
