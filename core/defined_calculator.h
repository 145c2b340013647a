// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculator.h"
#include "core/calculator_definition.h"
#include "core/field_reader.h"
#include "core/plain_number.h"
#include "core/text.h"

#include <algorithm>
#include <optional>
#include <span>

namespace grovan {

/// Runs a calculator from its definition, with inputs as raw values (JSON, KEY=VALUE text, CSV
/// cells): unknown keys are refused; each given input is read for its field in the window's order
/// (the first refusal ends the case, in the window's words where it has them); inputs not given
/// keep the window's defaults, set-up values not given come from the settings database; then the
/// window's checks, the calculation and the printout.
template <typename Inputs, typename Results> class DefinedCalculator : public Calculator
{
public:
    /// `definition` must outlive the object.
    explicit DefinedCalculator(const CalculatorDefinition<Inputs, Results>& definition)
        : m_def(definition)
    {}

    std::string_view name() const override { return m_def.name; }
    std::string_view title() const override { return m_def.title; }
    std::string_view windowName() const override { return m_def.windowName; }
    std::vector<std::string_view> printTemplates() const override { return m_def.printTemplates; }
    PrintLanguages printLanguages() const override { return m_def.printLanguages; }
    std::vector<TableSchema> printTables() const override
    {
        return m_def.printTables ? m_def.printTables() : std::vector<TableSchema>{};
    }
    bool closedByInitialiseAll() const override { return m_def.closedByInitialiseAll; }

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

    std::vector<ResultTable> resultTables() const override
    {
        std::vector<ResultTable> tables;
        for (const auto& binding : m_def.resultTables) {
            ResultTable& table = tables.emplace_back(ResultTable{binding.table, {}, binding.rows});
            for (const FieldDescription& column : binding.columns) {
                table.columns.push_back(&column);
            }
        }
        return tables;
    }

    std::variant<CalculationOutput, InputError> run(const RawInput& input,
                                                    const RunOptions& options) const override
    {
        for (const auto& [key, raw] : input.values) {
            if (!knows(key)) {
                return notAnInput(key);
            }
        }
        CalculationOutput out;
        const auto given = [&input](const FieldDescription& field, std::size_t) {
            return input.find(field.key);
        };
        if (auto error = runCase(given, options, out)) {
            return *error;
        }
        return out;
    }

    /// Reads one case's inputs and checks them as `run` does, without calculating: the inputs
    /// the calculation would start from, or why they are refused. Set-up values are not read.
    std::variant<Inputs, InputError> checkedInputs(const RawInput& input) const
    {
        for (const auto& [key, raw] : input.values) {
            if (!knows(key)) {
                return notAnInput(key);
            }
        }
        Inputs inputs = m_def.openingInputs();
        const auto given = [&input](const FieldDescription& field, std::size_t) {
            return input.find(field.key);
        };
        if (auto error = readInputs(given, inputs)) {
            return *error;
        }
        if (auto problem = m_def.check(inputs)) {
            return InputError{problem->field ? std::string(problem->field->key) : "",
                              problem->message.text};
        }
        return inputs;
    }

    std::variant<std::unique_ptr<ColumnCases>, InputError>
    columnCases(std::span<const std::string> keys) const override
    {
        for (std::size_t column = 0; column < keys.size(); ++column) {
            if (!knows(keys[column])) {
                return notAnInput(keys[column]);
            }
            if (std::find(keys.begin(), keys.begin() + column, keys[column]) !=
                keys.begin() + column) {
                return InputError{keys[column], "is given twice"};
            }
        }
        return std::make_unique<Columns>(*this, keys);
    }

private:
    // Cases read from cells: each input and set-up field (a slot, inputs first) knows its column.
    class Columns : public ColumnCases
    {
    public:
        Columns(const DefinedCalculator& calculator, std::span<const std::string> keys)
            : m_calculator(calculator), m_columns(keys.size())
        {
            const auto columnOf = [keys](std::string_view key) {
                const auto found = std::find(keys.begin(), keys.end(), key);
                return found == keys.end() ? kNoColumn
                                           : static_cast<std::size_t>(found - keys.begin());
            };
            const auto isNumeric = [](const FieldDescription& field) {
                return field.kind != FieldKind::Date && field.kind != FieldKind::Text;
            };
            for (const auto& binding : calculator.m_def.inputs) {
                m_columnOfSlot.push_back(columnOf(binding.field->key));
                m_numericSlot.push_back(isNumeric(*binding.field));
            }
            for (const auto& binding : calculator.m_def.setup) {
                m_columnOfSlot.push_back(columnOf(binding.field->key));
                m_numericSlot.push_back(isNumeric(*binding.field));
            }
            m_values.resize(m_columnOfSlot.size());
            m_given.resize(m_columnOfSlot.size());
        }

        std::optional<InputError> run(std::span<const std::string_view> cells,
                                      const RunOptions& options, CalculationOutput& output) override
        {
            if (cells.size() != m_columns) {
                return InputError{{},
                                  "the row has " + std::to_string(cells.size()) +
                                      (cells.size() == 1 ? " cell" : " cells") +
                                      " where the header names " + std::to_string(m_columns)};
            }
            for (std::size_t slot = 0; slot < m_columnOfSlot.size(); ++slot) {
                const std::size_t column = m_columnOfSlot[slot];
                if (column == kNoColumn || trimmed(cells[column]).empty()) {
                    m_given[slot] = nullptr;
                    continue;
                }
                RawValue& value = m_values[slot];
                m_given[slot] = &value;
                // A numeric cell that is a plain amount goes on as the number its text reads as
                // (a field reads a number alike however it was given), without the text.
                if (m_numericSlot[slot]) {
                    if (const auto number = readPlainDecimal(cells[column])) {
                        value.type = RawType::Number;
                        value.number = *number;
                        continue;
                    }
                }
                value.type = RawType::Typed;
                value.text.assign(cells[column]);
            }
            const auto given = [this](const FieldDescription&, std::size_t slot) {
                return m_given[slot];
            };
            return m_calculator.runCase(given, options, output);
        }

    private:
        static constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

        const DefinedCalculator& m_calculator;
        std::size_t m_columns;
        std::vector<std::size_t> m_columnOfSlot;
        std::vector<char> m_numericSlot;
        // The cells of the current case, as typed text; kept between cases for their storage.
        std::vector<RawValue> m_values;
        std::vector<const RawValue*> m_given;
    };

    // One case: `given(field, slot)` is the raw value of an input or set-up field, or nothing.
    template <typename Given>
    std::optional<InputError> runCase(const Given& given, const RunOptions& options,
                                      CalculationOutput& out) const
    {
        Inputs inputs = m_def.openingInputs();
        if (auto error = readInputs(given, inputs)) {
            return error;
        }
        SetupValues givenSetup;
        bool allSetupGiven = true;
        std::size_t slot = m_def.inputs.size();
        for (const auto& binding : m_def.setup) {
            const RawValue* raw = given(*binding.field, slot++);
            allSetupGiven = allSetupGiven && raw != nullptr;
            if (auto error = readInto(binding, raw, givenSetup, noOwnMessage)) {
                return error;
            }
        }
        if (auto problem = m_def.check(inputs)) {
            return InputError{problem->field ? std::string(problem->field->key) : "",
                              problem->message.text};
        }

        // The stored set-up values are read only when some are not given. As in the window, the
        // values given then change them one by one, as typed into the set-up panel.
        SetupValues setup = m_def.openingSetup(
            allSetupGiven || !options.storedSetup ? SetupValues{} : options.storedSetup());
        slot = m_def.inputs.size();
        for (const auto& binding : m_def.setup) {
            if (given(*binding.field, slot++) != nullptr) {
                binding.set(setup, binding.get(givenSetup));
            }
        }
        TaxableIncomeRecord record;
        Results results{};
        if (auto problem = m_def.calculateChecked(inputs, setup, record, results)) {
            return InputError{problem->field ? std::string(problem->field->key) : "",
                              problem->message.text};
        }
        fillOutput(inputs, setup, results, options, out);
        return std::nullopt;
    }

    // Reads the given inputs in the window's order; the calculator words a refusal where its
    // window has a message, given the inputs read so far (the end date quotes the start date).
    template <typename Given>
    std::optional<InputError> readInputs(const Given& given, Inputs& inputs) const
    {
        const auto ownMessage = [&](const FieldDescription& field, std::optional<double> value) {
            return m_def.refusal(field, value, inputs);
        };
        std::size_t slot = 0;
        for (const auto& binding : m_def.inputs) {
            if (auto error = readInto(binding, given(*binding.field, slot++), inputs, ownMessage)) {
                return error;
            }
        }
        return std::nullopt;
    }

    void fillOutput(const Inputs& inputs, const SetupValues& setup, const Results& results,
                    const RunOptions& options, CalculationOutput& out) const
    {
        out.inputs.clear();
        out.results.clear();
        if (options.listInputs) {
            for (const auto& binding : m_def.inputs) {
                out.inputs.push_back(
                    {binding.field->key, outputValue(*binding.field, binding.get(inputs))});
            }
            for (const auto& binding : m_def.setup) {
                out.inputs.push_back(
                    {binding.field->key, outputValue(*binding.field, binding.get(setup))});
            }
        }
        for (const auto& binding : m_def.results) {
            out.results.push_back(
                {binding.field->key, outputValue(*binding.field, binding.get(results))});
        }
        // Each table of results is a list of its rows.
        out.resultLists.resize(m_def.resultTables.size());
        for (std::size_t t = 0; t < m_def.resultTables.size(); ++t) {
            const auto& binding = m_def.resultTables[t];
            NamedList& table = out.resultLists[t];
            table.key = binding.table->key;
            table.items.resize(binding.rows);
            for (std::size_t row = 0; row < binding.rows; ++row) {
                table.items[row].clear();
                for (std::size_t column = 0; column < binding.columns.size(); ++column) {
                    table.items[row].push_back(
                        {binding.columns[column].key,
                         outputValue(binding.columns[column], binding.cell(results, row, column))});
                }
            }
        }
        out.printout = nullptr;
        out.printRefusal.clear();
        if (m_def.printout && options.withPrintout) {
            if (auto refused =
                    m_def.printRefusal ? m_def.printRefusal(inputs, results) : std::nullopt) {
                out.printRefusal = refused->text;
                return;
            }
            out.printout = [&def = m_def, inputs, results](PrintLanguage language) {
                return def.printoutIn(inputs, results, language);
            };
        }
    }

    static std::optional<Message> noOwnMessage(const FieldDescription&, std::optional<double>)
    {
        return std::nullopt;
    }

    bool knows(std::string_view key) const
    {
        return knows(m_def.inputs, key) || knows(m_def.setup, key);
    }

    InputError notAnInput(std::string_view key) const
    {
        return InputError{std::string(key), "is not an input of the " + std::string(m_def.name) +
                                                " calculator (grovan-cli describe " +
                                                std::string(m_def.name) + " lists them)"};
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
                                              const RawValue* raw, Target& target,
                                              OwnMessage ownMessage)
    {
        if (raw == nullptr) {
            return std::nullopt;
        }
        // A number the field takes as it stands needs none of the refusals' words.
        if (raw->type == RawType::Number && binding.field->kind != FieldKind::Date &&
            binding.field->kind != FieldKind::Text) {
            if (const auto accepted = acceptedNumber(*binding.field, raw->number)) {
                binding.set(target, *accepted);
                return std::nullopt;
            }
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

    const CalculatorDefinition<Inputs, Results>& m_def;
};

} // namespace grovan
