// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculator.h"
#include "core/field_binding.h"
#include "core/income_tax.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace grovan {

/// Sets every field of `bindings` in `target` to the largest value the field takes: a number to
/// its maximum, a date to its latest day (a date without limits, and a text, keep theirs).
template <typename Target>
void setToLargest(std::span<const InputBinding<Target>> bindings, Target& target)
{
    for (const InputBinding<Target>& binding : bindings) {
        const FieldDescription& field = *binding.field;
        if (field.kind == FieldKind::Date) {
            if (field.maximum != 0.0) {
                binding.set(target,
                            CalendarDate::fromDayNumber(static_cast<std::int32_t>(field.maximum)));
            }
        } else if (field.kind != FieldKind::Text) {
            binding.set(target, field.maximum);
        }
    }
}

/// One calculator, defined once in the engine: its fields, its checks, its calculation and its
/// printout. The calculator's window, grovan-cli and the tests all drive this definition; none of
/// them restates its sequence (`calculate` below).
///
/// Only `name`, `windowName`, `calculate` and the bindings are required; a calculator without
/// set-up, messages of its own, checks or printout leaves those empty.
template <typename Inputs, typename Results> struct CalculatorDefinition
{
    /// How the command line names the calculator, such as "annual".
    std::string_view name = {};
    /// One line for `describe`, such as "Annual tax calculator (PAYE for a tax year ...)".
    std::string_view title = {};
    /// The window's control name, such as "frmAnnual".
    std::string_view windowName = {};
    std::span<const InputBinding<Inputs>> inputs = {};
    std::span<const InputBinding<SetupValues>> setup = {};
    std::span<const ResultBinding<Results>> results = {};
    /// Results the window shows as tables of like rows, after the single results.
    std::span<const ResultTableBinding<Results>> resultTables = {};
    /// The window's own message for a value a field refuses as typed: `rejected` lies outside
    /// the field's range, or (nothing) a date field's text is no date; `current` holds the
    /// inputs as they stand. Nothing where the window only beeps.
    std::function<std::optional<Message>(const FieldDescription& field,
                                         std::optional<double> rejected, const Inputs& current)>
        refusalMessage = {};
    /// The window's checks of a complete set of inputs; nothing when they may be calculated.
    std::function<std::optional<FieldProblem>(const Inputs&)> validate = {};
    std::function<Results(const Inputs&, const SetupValues&, TaxableIncomeRecord&)> calculate = {};
    /// What the calculation itself found wrong, such as a search that found no answer: the
    /// window shows the message and keeps the results it showed, the command line refuses the
    /// case. Nothing when the results stand.
    std::function<std::optional<FieldProblem>(const Inputs&, const Results&)> checkOutcome = {};
    /// The inputs of a newly opened window, where they are not the Inputs type's own defaults.
    std::function<Inputs()> defaults = {};
    /// What a newly opened window does to the stored set-up values before any is changed, such
    /// as clearing percentages that may not stand together; nothing where it takes them as
    /// stored.
    std::function<void(SetupValues&)> prepareSetup = {};
    /// What the calculation changes in the window's inputs, if anything.
    std::function<void(Inputs&, const Results&)> afterCalculation = {};
    /// The printout of the inputs as they stand and the last results, in a language.
    std::function<Printout(const Inputs&, const Results&, PrintLanguage)> printout = {};
    /// Why results that stand cannot be printed (the window's "&Print" is disabled for them),
    /// or nothing when they can.
    std::function<std::optional<Message>(const Inputs&, const Results&)> printRefusal = {};
    /// Every template file the printout may use.
    std::vector<std::string_view> printTemplates = {};
    PrintLanguages printLanguages = PrintLanguages::EnglishAndAfrikaans;
    /// The print tables the printout writes.
    std::function<std::vector<TableSchema>()> printTables = {};
    bool closedByInitialiseAll = true;

    /// The inputs of a newly opened window.
    Inputs openingInputs() const { return defaults ? defaults() : Inputs{}; }

    /// The set-up values of a newly opened window, from the stored ones.
    SetupValues openingSetup(SetupValues stored) const
    {
        if (prepareSetup) {
            prepareSetup(stored);
        }
        return stored;
    }

    /// The window's message for a refused entry (see `refusalMessage`), or nothing.
    std::optional<Message> refusal(const FieldDescription& field, std::optional<double> rejected,
                                   const Inputs& current) const
    {
        return refusalMessage ? refusalMessage(field, rejected, current) : std::nullopt;
    }

    /// The window's checks of `inputs` before it calculates; nothing when they pass.
    std::optional<FieldProblem> check(const Inputs& inputs) const
    {
        return validate ? validate(inputs) : std::nullopt;
    }

    /// The printout of `inputs` and `results` in `language`, which the printout carries to its
    /// pages.
    Printout printoutIn(const Inputs& inputs, const Results& results, PrintLanguage language) const
    {
        Printout made = printout(inputs, results, language);
        made.language = language;
        return made;
    }

    /// Calculates from inputs that passed `check`. When the outcome stands, `results` takes it
    /// and the inputs take what the calculation changes in them; otherwise both stay as they were
    /// and the problem is returned.
    std::optional<FieldProblem> calculateChecked(Inputs& inputs, const SetupValues& setupValues,
                                                 TaxableIncomeRecord& record,
                                                 Results& results) const
    {
        Results calculated = calculate(inputs, setupValues, record);
        if (checkOutcome) {
            if (auto problem = checkOutcome(inputs, calculated)) {
                return problem;
            }
        }
        results = std::move(calculated);
        if (afterCalculation) {
            afterCalculation(inputs, results);
        }
        return std::nullopt;
    }

    /// The results of every input and set-up value at the largest value its field takes (a
    /// date at its latest day; texts as they open), which a window sizes its result fields for.
    /// Nothing when the calculation refuses that case.
    std::optional<Results> largestResults() const
    {
        Inputs inputs = openingInputs();
        setToLargest(this->inputs, inputs);
        SetupValues setupValues;
        setToLargest(setup, setupValues);
        TaxableIncomeRecord record;
        Results results{};
        if (calculateChecked(inputs, setupValues, record, results)) {
            return std::nullopt;
        }
        return results;
    }

    /// "&Calculate": `check`, then, when the inputs pass, `calculateChecked`. A refused case
    /// changes nothing and says why.
    std::optional<FieldProblem> calculateInto(Inputs& inputs, const SetupValues& setupValues,
                                              TaxableIncomeRecord& record, Results& results) const
    {
        if (auto problem = check(inputs)) {
            return problem;
        }
        return calculateChecked(inputs, setupValues, record, results);
    }
};

/// The printout of a single-row table: `row` edits the table's one row; `templateFile` prints it.
inline Printout singleRowPrintout(std::string_view table, Row row, std::string_view templateFile,
                                  std::string_view previewTitle)
{
    Printout printout;
    printout.writes.push_back({std::string(table), std::move(row)});
    printout.templateFile = templateFile;
    printout.previewTitle = previewTitle;
    return printout;
}

} // namespace grovan
