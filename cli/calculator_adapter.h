#pragma once

#include "cli/raw_input.h"
#include "core/field_description.h"
#include "core/print_language.h"
#include "core/schema_database.h"
#include "core/settings_store.h"

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace grovan::cli {

/// A value of the output, under its key.
struct NamedValue
{
    std::string_view key;
    FieldValue value;
};

/// Everything one calculation gives: the inputs as the window holds them after the calculation
/// (defaults and set-up values filled in), every result unrounded, and the printout row the
/// window would write into its table of the print database, made only when asked for.
struct CalculationOutput
{
    std::vector<NamedValue> inputs;
    std::vector<NamedValue> results;
    std::string_view printTable;    ///< empty for a calculator without a printout
    std::string_view printTemplate; ///< the template printing the table (grovan-cli --pdf)
    std::function<Row(PrintLanguage)> printRow;
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
    /// Whether the output can make the printout row.
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
    /// cell counts as not given: the input keeps its default, the set-up value its stored one.
    /// A row with more or fewer cells than there are columns is refused.
    virtual std::optional<InputError> run(std::span<const std::string_view> cells,
                                          const RunOptions& options, CalculationOutput& output) = 0;
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
};

/// One calculator as grovan-cli runs it: `calc` and `batch` run cases through it, `describe`
/// lists its fields. Each calculator is a TypedCalculator made from its engine's tables.
class CalculatorAdapter
{
public:
    virtual ~CalculatorAdapter() = default;

    /// The name on the command line, such as "annual".
    virtual std::string_view name() const = 0;
    /// One line for `describe` and the help, such as "Annual tax calculator".
    virtual std::string_view title() const = 0;
    /// The inputs, the set-up values and the results, each in the window's order.
    virtual std::vector<FieldGroup> fields() const = 0;
    /// Reads one case, checks it as the window would, and calculates it.
    virtual std::variant<CalculationOutput, InputError> run(const RawInput& input,
                                                            const RunOptions& options) const = 0;
    /// Prepares cases given in columns named `keys`; refuses the first key that is no input or
    /// set-up value of the calculator, or that names a column twice.
    virtual std::variant<std::unique_ptr<ColumnCases>, InputError>
    columnCases(std::span<const std::string> keys) const = 0;
    /// The printout's template file, such as "Annual.rpt"; empty without a printout.
    virtual std::string_view printTemplate() const = 0;
};

} // namespace grovan::cli
