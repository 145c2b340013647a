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
            return inputError(*problem);
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
    // Cases read from cells: each input and set-up field knows its column. What every case
    // starts from is made once: the window's opening inputs, and the set-up values from the
    // stored ones once a case first needs them. A number cell that is a plain amount the field
    // takes as it stands goes straight into its input; anything else is read as the typed text
    // it is, with the field's own refusals.
    class Columns : public ColumnCases
    {
    public:
        Columns(const DefinedCalculator& calculator, std::span<const std::string> keys)
            : m_calculator(calculator), m_def(calculator.m_def), m_columns(keys.size()),
              m_opening(calculator.m_def.openingInputs())
        {
            const auto columnOf = [keys](std::string_view key) {
                const auto found = std::find(keys.begin(), keys.end(), key);
                return found == keys.end() ? kNoColumn
                                           : static_cast<std::size_t>(found - keys.begin());
            };
            for (std::size_t slot = 0; slot < m_def.inputs.size(); ++slot) {
                const auto& binding = m_def.inputs[slot];
                const FieldDescription& field = *binding.field;
                const bool plainNumber = field.kind != FieldKind::Date &&
                                         field.kind != FieldKind::Text &&
                                         binding.setNumber != nullptr;
                if (const std::size_t column = columnOf(field.key); column != kNoColumn) {
                    m_inputColumns.push_back(
                        {column, slot, &field, plainNumber ? binding.setNumber : nullptr,
                         field.kind == FieldKind::Text ? binding.setText : nullptr});
                }
            }
            for (const auto& binding : m_def.setup) {
                m_setupColumns.push_back(columnOf(binding.field->key));
                m_anySetupColumn = m_anySetupColumn || m_setupColumns.back() != kNoColumn;
            }
        }

        std::optional<InputError> run(std::span<const std::string_view> cells,
                                      const RunOptions& options, CalculationOutput& output) override
        {
            if (auto error = calculate(cells, options)) {
                return error;
            }
            m_calculator.fillOutput(m_inputs, *m_setup, m_results, options, output);
            return std::nullopt;
        }

        std::optional<InputError> runForResults(std::span<const std::string_view> cells,
                                                const RunOptions& options,
                                                std::vector<double>& numbers) override
        {
            if (auto error = calculate(cells, options)) {
                return error;
            }
            std::size_t count = m_def.results.size();
            for (const auto& table : m_def.resultTables) {
                count += table.rows * table.columns.size();
            }
            numbers.resize(count); // the same size for every case: no allocation after the first
            double* number = numbers.data();
            for (const auto& binding : m_def.results) {
                *number++ = resultNumber(*binding.field, binding.get(m_results));
            }
            for (const auto& table : m_def.resultTables) {
                for (std::size_t row = 0; row < table.rows; ++row) {
                    for (std::size_t column = 0; column < table.columns.size(); ++column) {
                        *number++ =
                            resultNumber(table.columns[column], table.cell(m_results, row, column));
                    }
                }
            }
            return std::nullopt;
        }

    private:
        static constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

        // Blanks only, as trimmed() takes them off: the cell is not given.
        static bool isBlankCell(std::string_view cell)
        {
            return cell.empty() ||
                   ((cell.front() == ' ' || cell.front() == '\t') && trimmed(cell).empty());
        }

        // Reads, checks and calculates one case into m_inputs, m_setup and m_results, as
        // runCase does for a case given by key.
        std::optional<InputError> calculate(std::span<const std::string_view> cells,
                                            const RunOptions& options)
        {
            if (cells.size() != m_columns) {
                return InputError{{},
                                  "the row has " + std::to_string(cells.size()) +
                                      (cells.size() == 1 ? " cell" : " cells") +
                                      " where the header names " + std::to_string(m_columns)};
            }
            m_inputs = m_opening;
            const auto ownMessage = [this](const FieldDescription& field,
                                           std::optional<double> value) {
                return m_def.refusal(field, value, m_inputs);
            };
            for (const InputColumn& input : m_inputColumns) {
                const std::string_view cell = cells[input.column];
                // The usual cell, a plain amount or a text the field takes, as takeCell takes it
                // but without going through the binding. Digits alone make a whole number, which
                // a number field takes anywhere in its range.
                if (input.setNumber != nullptr) {
                    if (std::uint32_t digits = 0; readPlainDigits(cell, digits)) {
                        if (const double number = digits;
                            number >= input.field->minimum && number <= input.field->maximum) {
                            input.setNumber(m_inputs, number);
                            continue;
                        }
                    } else if (double number = 0.0; readPlainDecimalInFull(cell, number) &&
                                                    takesNumber(*input.field, number)) {
                        input.setNumber(m_inputs, number);
                        continue;
                    }
                } else if (input.setText != nullptr && !isBlankCell(cell)) {
                    if (const auto text = acceptedText(*input.field, cell)) {
                        input.setText(m_inputs, *text);
                        continue;
                    }
                }
                const auto& binding = m_def.inputs[input.slot];
                if (isBlankCell(cell) || takeCell(binding, cell, m_inputs)) {
                    continue;
                }
                if (auto error = readCell(binding, cell, m_inputs, ownMessage)) {
                    return error;
                }
            }
            bool someSetupGiven = false;
            bool allSetupGiven = true;
            if (m_anySetupColumn) {
                m_givenSetup = SetupValues{};
                for (std::size_t slot = 0; slot < m_setupColumns.size(); ++slot) {
                    const std::size_t column = m_setupColumns[slot];
                    const bool given = column != kNoColumn && !isBlankCell(cells[column]);
                    someSetupGiven = someSetupGiven || given;
                    allSetupGiven = allSetupGiven && given;
                    if (given && !takeCell(m_def.setup[slot], cells[column], m_givenSetup)) {
                        if (auto error = readCell(m_def.setup[slot], cells[column], m_givenSetup,
                                                  noOwnMessage)) {
                            return error;
                        }
                    }
                }
            }
            if (auto problem = m_def.check(m_inputs)) {
                return inputError(*problem);
            }
            if (!someSetupGiven) {
                m_setup = &openingStored(options);
            } else {
                const auto isGiven = [&](std::size_t slot) {
                    const std::size_t column = m_setupColumns[slot];
                    return column != kNoColumn && !isBlankCell(cells[column]);
                };
                m_rowSetup = m_calculator.caseSetup(m_givenSetup, isGiven, allSetupGiven, options,
                                                    [&] { return openingStored(options); });
                m_setup = &m_rowSetup;
            }
            TaxableIncomeRecord record;
            if (auto problem = m_def.calculateChecked(m_inputs, *m_setup, record, m_results)) {
                return inputError(*problem);
            }
            return std::nullopt;
        }

        // Takes a cell its field takes as it stands, the usual case: a plain amount inside the
        // field's range (a field reads a number alike however it was given), or text. True when
        // it did; readCell reads the others.
        template <typename Target>
        bool takeCell(const InputBinding<Target>& binding, std::string_view cell, Target& target)
        {
            const FieldDescription& field = *binding.field;
            if (field.kind == FieldKind::Text) {
                const auto text = acceptedText(field, cell);
                if (!text) {
                    return false;
                }
                if (binding.setText != nullptr) {
                    binding.setText(target, *text);
                } else {
                    // The storage of the last case's text is used again.
                    std::get<std::string>(m_text).assign(*text);
                    binding.set(target, m_text);
                }
                return true;
            }
            double number = 0.0;
            if (field.kind == FieldKind::Date || !readPlainDecimal(cell, number) ||
                !takesNumber(field, number)) {
                return false;
            }
            if (binding.setNumber != nullptr) {
                binding.setNumber(target, number);
            } else {
                binding.set(target, number);
            }
            return true;
        }

        // Reads a cell takeCell did not take, with the field's refusals: a plain amount as the
        // number it reads as, anything else as the text typed.
        template <typename Target, typename OwnMessage>
        std::optional<InputError> readCell(const InputBinding<Target>& binding,
                                           std::string_view cell, Target& target,
                                           OwnMessage ownMessage)
        {
            const FieldDescription& field = *binding.field;
            if (field.kind != FieldKind::Date && field.kind != FieldKind::Text &&
                readPlainDecimal(cell, m_raw.number)) {
                m_raw.type = RawType::Number;
            } else {
                m_raw.type = RawType::Typed;
                m_raw.text.assign(cell);
            }
            return readInto(binding, &m_raw, target, ownMessage);
        }

        // The set-up values a case starts from when it does not give them all: the stored ones
        // as a newly opened window prepares them. Read at the first case that needs them; the
        // cases of one batch share their options.
        const SetupValues& openingStored(const RunOptions& options)
        {
            if (!m_openingStored || m_storedFor != &options) {
                m_openingStored =
                    m_def.openingSetup(options.storedSetup ? options.storedSetup() : SetupValues{});
                m_storedFor = &options;
            }
            return *m_openingStored;
        }

        const DefinedCalculator& m_calculator;
        const CalculatorDefinition<Inputs, Results>& m_def;
        std::size_t m_columns;
        // An input the file has a column for: the column, the input's place among the
        // calculator's inputs, and for a number or text field set by a plain store its setter,
        // for the quick reading of its cells.
        struct InputColumn
        {
            std::size_t column;
            std::size_t slot;
            const FieldDescription* field;
            void (*setNumber)(Inputs&, double);
            void (*setText)(Inputs&, std::string_view);
        };
        std::vector<InputColumn> m_inputColumns;
        std::vector<std::size_t> m_setupColumns;
        bool m_anySetupColumn = false;
        const Inputs m_opening;
        std::optional<SetupValues> m_openingStored;
        const RunOptions* m_storedFor = nullptr;
        // The current case; kept between cases for their storage.
        Inputs m_inputs;
        SetupValues m_givenSetup;
        SetupValues m_rowSetup;
        const SetupValues* m_setup = nullptr;
        Results m_results{};
        RawValue m_raw;
        InputValue m_text{std::string()};
    };

    static InputError inputError(const FieldProblem& problem)
    {
        return InputError{problem.field ? std::string(problem.field->key) : "",
                          problem.message.text};
    }

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
            return inputError(*problem);
        }

        const auto isGiven = [&](std::size_t setupSlot) {
            return given(*m_def.setup[setupSlot].field, m_def.inputs.size() + setupSlot) != nullptr;
        };
        const SetupValues setup = caseSetup(givenSetup, isGiven, allSetupGiven, options, [&] {
            return m_def.openingSetup(options.storedSetup());
        });
        TaxableIncomeRecord record;
        Results results{};
        if (auto problem = m_def.calculateChecked(inputs, setup, record, results)) {
            return inputError(*problem);
        }
        fillOutput(inputs, setup, results, options, out);
        return std::nullopt;
    }

    // The set-up values a case runs with, as in the window: the stored ones as a newly opened
    // window prepares them (`openingStored()`, asked only when some are not given; the standard
    // ones, so prepared, when all are given or nothing is stored), then each value given in place
    // of its stored one, as typed into the set-up panel. `isGiven(slot)` says which set-up field
    // was given (slots from 0), `given` holds their values.
    template <typename IsGiven, typename OpeningStored>
    SetupValues caseSetup(const SetupValues& given, const IsGiven& isGiven, bool allGiven,
                          const RunOptions& options, const OpeningStored& openingStored) const
    {
        SetupValues setup =
            allGiven || !options.storedSetup ? m_def.openingSetup({}) : openingStored();
        for (std::size_t slot = 0; slot < m_def.setup.size(); ++slot) {
            if (isGiven(slot)) {
                m_def.setup[slot].set(setup, m_def.setup[slot].get(given));
            }
        }
        return setup;
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
            if (double accepted = raw->number; takesNumber(*binding.field, accepted)) {
                binding.set(target, accepted);
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
