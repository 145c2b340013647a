// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/field_description.h"
#include "core/print_language.h"
#include "core/raw_input.h"
#include "core/schema_database.h"
#include "core/settings_store.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace grovan {

/// A value of the output, under its key.
struct NamedValue
{
    std::string_view key;
    FieldValue value;
};

/// A list of records under its key, such as a register's vehicles: each record's values in
/// order.
struct NamedList
{
    std::string_view key;
    std::vector<std::vector<NamedValue>> items;
};

/// What one printout writes into the print database and which template prints it.
struct Printout
{
    /// The writes in order: the edits of single-row tables, the lines of line tables.
    std::vector<TableWrite> writes;
    std::string_view templateFile; ///< a file name in the asset folder, such as "Annual.rpt"
    /// The preview window's title; empty leaves the title the last preview had.
    std::string_view previewTitle;
    /// The language the labels were written in; the pages' own words ("Page 1 of 2") follow it.
    PrintLanguage language = PrintLanguage::English;
};

/// Which languages a calculator's printout comes in.
enum class PrintLanguages
{
    EnglishAndAfrikaans,
    EnglishOnly,
};

/// Everything one calculation gives: the inputs as the window holds them after the calculation
/// (defaults and set-up values filled in), every result unrounded, and the printout the window
/// would write, made only when asked for.
struct CalculationOutput
{
    std::vector<NamedValue> inputs;
    std::vector<NamedValue> results;
    /// The inputs and results that come as lists of records (a register's vehicles, the loan
    /// comparison's terms), after the values above; empty for a calculator whose inputs and
    /// results are flat lists. A table of results (see `Calculator::resultTables()`) is one of
    /// `resultLists`, in the order the tables are listed.
    std::vector<NamedList> inputLists;
    std::vector<NamedList> resultLists;
    /// Empty for a calculator without a printout, when the printout was not asked for, or when
    /// the window makes none of this case (`printRefusal` then says why).
    std::function<Printout(PrintLanguage)> printout;
    /// Why the window makes no printout of this case (such as R/Fund contributions above the
    /// allowable deduction, or a loan without a principal); empty when it does or when the
    /// calculator has no printout.
    std::string printRefusal;
};

/// Why a case was not calculated: the key of the input at fault (empty when no one input is)
/// and the message, which is the window's own where the window has one.
struct InputError
{
    std::string key;
    std::string message;
};

/// How a case is run.
struct RunOptions
{
    /// The stored set-up values; asked only when some set-up value is not given and every
    /// input is valid, so a refused case never touches the settings database.
    std::function<SetupValues()> storedSetup;
    /// Whether the output lists the inputs (a batch repeats its own cells instead).
    bool listInputs = true;
    /// Whether the output can make the printout.
    bool withPrintout = true;
};

/// Cases whose inputs come in the same columns, such as the rows of a CSV file: the columns'
/// keys are checked once, and each case is read from its cells as typed text.
class ColumnCases
{
public:
    virtual ~ColumnCases() = default;

    /// Reads one case from its cells, one per column, checks it as the window would and
    /// calculates it into `output`, whose vectors keep their storage from case to case. An empty
    /// cell, or one of blanks only, counts as not given: the input keeps its default, the set-up
    /// value its stored one. A row with more or fewer cells than there are columns is refused.
    /// Cases run with the same options object read the stored set-up values once, at the first
    /// case that needs them.
    virtual std::optional<InputError> run(std::span<const std::string_view> cells,
                                          const RunOptions& options, CalculationOutput& output) = 0;
    /// As `run`, for a case whose output is its results alone (a batch's row): each single
    /// result, then each table's cells row by row, as numbers (see `resultNumber`), into
    /// `numbers`.
    virtual std::optional<InputError> runForResults(std::span<const std::string_view> cells,
                                                    const RunOptions& options,
                                                    std::vector<double>& numbers) = 0;
};

/// What a group of fields is to the calculator.
enum class FieldRole
{
    Input,
    Setup,
    Result
};

struct FieldGroup
{
    FieldRole role;
    std::vector<const FieldDescription*> fields;
    /// The key of the list whose every record holds these fields (a register's "vehicles"); empty
    /// for fields of the case itself.
    std::string_view list = {};
};

/// Results a window shows as a table of like rows (the loan comparison's six terms): `table`
/// names the whole (its key is the list's in the output, its control the window's grid), the
/// columns describe each row's figures.
struct ResultTable
{
    const FieldDescription* table;
    std::vector<const FieldDescription*> columns;
    std::size_t rows;
};

/// One calculator of the program, whatever its inputs and results: grovan-cli's `calc` and
/// `batch` run cases through it and `describe` lists its fields; the catalogue of calculators
/// gives the print database its tables and "&Initialise All" its windows. Each is a
/// DefinedCalculator made from the calculator's definition, which its window drives as well.
class Calculator
{
public:
    virtual ~Calculator() = default;

    /// The name on the command line, such as "annual".
    virtual std::string_view name() const = 0;
    /// One line for `describe` and the help, such as "Annual tax calculator".
    virtual std::string_view title() const = 0;
    /// The window's control name, such as "frmAnnual".
    virtual std::string_view windowName() const = 0;
    /// The inputs, the set-up values and the results, each in the window's order.
    virtual std::vector<FieldGroup> fields() const = 0;
    /// The tables among the results, after the single results; none for most calculators.
    virtual std::vector<ResultTable> resultTables() const { return {}; }
    /// Reads one case, checks it as the window would, and calculates it.
    virtual std::variant<CalculationOutput, InputError> run(const RawInput& input,
                                                            const RunOptions& options) const = 0;
    /// Prepares cases given in columns named `keys`; refuses the first key that is no input or
    /// set-up value of the calculator, or that names a column twice.
    virtual std::variant<std::unique_ptr<ColumnCases>, InputError>
    columnCases(std::span<const std::string> keys) const = 0;
    /// The printout's template files (one for most printouts); empty without a printout.
    virtual std::vector<std::string_view> printTemplates() const = 0;
    /// The languages the printout comes in.
    virtual PrintLanguages printLanguages() const = 0;
    /// The print tables the printout writes, with their fields.
    virtual std::vector<TableSchema> printTables() const = 0;
    /// Whether "&Initialise All" closes the calculator's window.
    virtual bool closedByInitialiseAll() const = 0;
    /// Whether its cases can come in columns (a CSV batch): not where they hold lists of records.
    virtual bool runsInColumns() const { return true; }
};

} // namespace grovan
