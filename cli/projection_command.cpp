// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/projection_command.h"

#include "cli/csv_writer.h"
#include "core/defined_calculator.h"
#include "finance/finance_calculators.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <optional>

namespace grovan::cli {

namespace {

// The period field's range, in years.
constexpr int kLastYear = 40;

struct ProjectionArguments
{
    std::vector<std::string> assignments;
    std::optional<int> from;
    std::optional<int> to;
};

void run(const ProjectionArguments& arguments, CliContext& context)
{
    RawInput input;
    for (const std::string& assignment : arguments.assignments) {
        const auto equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0) {
            context.refuse("inputs are given as KEY=VALUE, such as presentCost=100000, not \"" +
                           assignment + "\"");
            return;
        }
        input.values.emplace_back(assignment.substr(0, equals),
                                  RawValue{RawType::Typed, 0.0, assignment.substr(equals + 1)});
    }
    const DefinedCalculator<InflationState, InflationResults> calculator(inflationCalculator());
    auto read = calculator.checkedInputs(input);
    if (const auto* error = std::get_if<InputError>(&read)) {
        context.refuse(error->key.empty() ? error->message : error->key + ": " + error->message);
        return;
    }
    const InflationState state = std::get<InflationState>(read);
    const int from = arguments.from.value_or(0);
    const int to = arguments.to.value_or(static_cast<int>(state.InflationYears));
    if (from < 0 || to > kLastYear || from > to) {
        context.refuse("--from and --to: the years run from 0 to 40, --from not after --to (here " +
                       std::to_string(from) + " to " + std::to_string(to) + ")");
        return;
    }

    CsvWriter writer([&context](std::string_view bytes) {
        context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(context.out);
    });
    for (const char* column : {"year", "futureCost", "buyingPower"}) {
        writer.cell(column);
    }
    writer.endRecord();
    for (const InflationYear& year : inflationYearByYear(state, from, to)) {
        writer.integer(year.year);
        writer.number(year.futureCost);
        writer.number(year.buyingPower);
        writer.endRecord();
    }
    if (!writer.flush() || !context.out.flush()) {
        context.refuse("cannot write the projection to standard output");
    }
}

} // namespace

void addProjectionCommand(CLI::App& app, CliContext& context)
{
    auto arguments = std::make_shared<ProjectionArguments>();
    CLI::App* command = app.add_subcommand(
        "projection", "The inflation projection year by year as CSV: the future cost and the "
                      "buying power after each year (grovan-cli describe inflation lists the "
                      "inputs)");
    command->add_option("inputs", arguments->assignments,
                        "The inflation calculator's inputs as KEY=VALUE, such as "
                        "presentCost=100000 inflationRate=6");
    command->add_option("--from", arguments->from, "The first year of the table (default 0)")
        ->check(CLI::Range(0, kLastYear));
    command
        ->add_option("--to", arguments->to,
                     "The last year of the table (default: the period, the input years)")
        ->check(CLI::Range(0, kLastYear));
    command->callback([arguments, &context] { run(*arguments, context); });
}

} // namespace grovan::cli
