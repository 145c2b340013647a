// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/schedule_command.h"

#include "cli/calc_command.h"
#include "cli/csv_writer.h"
#include "core/calculator_catalogue.h"
#include "core/output_file.h"
#include "finance/loan_definition.h"
#include "finance/loan_fields.h"
#include "finance/loan_schedule.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>

namespace grovan::cli {

namespace {

struct ScheduleArguments
{
    std::string calculator;
    std::vector<std::string> assignments;
    std::string inputFile;
    std::string kind = "monthly";
    bool csv = false;
    std::string outFile;
};

double numberOf(const FieldValue& value)
{
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        return static_cast<double>(*whole);
    }
    if (const auto* number = std::get_if<double>(&value)) {
        return *number;
    }
    return 0.0;
}

// The loan as the calculation left it: every input of the output, read back by its key.
LoanInputs calculatedLoan(const CalculationOutput& output)
{
    LoanInputs loan;
    for (const auto& binding : loanInputBindings()) {
        for (const NamedValue& value : output.inputs) {
            if (value.key == binding.field->key) {
                binding.set(loan, numberOf(value.value));
            }
        }
    }
    return loan;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The grid's texts in columns padded to their widest cell, numbers to the right.
std::string tableText(const ScheduleGrid& grid)
{
    std::array<std::string, 4> header;
    std::array<std::size_t, 4> widths{};
    for (std::size_t c = 0; c < 4; ++c) {
        header[c] = trimmed(grid.header[c]);
        widths[c] = header[c].size();
        for (const auto& row : grid.rows) {
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    std::string text;
    const auto line = [&](const std::array<std::string, 4>& cells) {
        for (std::size_t c = 0; c < 4; ++c) {
            text += std::string(widths[c] - cells[c].size() + (c == 0 ? 0 : 2), ' ') + cells[c];
        }
        text += '\n';
    };
    line(header);
    for (const auto& row : grid.rows) {
        line(row);
    }
    return text;
}

// The schedule with unrounded amounts: a row per month or per year.
void writeCsv(CsvWriter& writer, const LoanState& loan, bool annual)
{
    const auto row = [&writer](std::size_t number, double capital, double interest,
                               double balance) {
        writer.integer(static_cast<std::int64_t>(number));
        writer.number(capital);
        writer.number(interest);
        writer.number(balance);
        writer.endRecord();
    };
    for (const char* cell :
         {annual ? "Year" : "Month", annual ? "Capital payments" : "Capital payment",
          "Interest payment", "Balance"}) {
        writer.cell(cell);
    }
    writer.endRecord();
    if (annual) {
        const AnnualSchedule years = CalcAnnAmort(loan);
        for (std::size_t y = 0; y < years.YearCapital.size(); ++y) {
            row(y + 1, years.YearCapital[y], years.YearInterest[y], years.YearBalance[y]);
        }
    } else {
        const MonthlySchedule months = monthlySchedule(loan);
        for (std::size_t k = 0; k < months.MonthCapital.size(); ++k) {
            row(k + 1, months.MonthCapital[k], months.MonthInterest[k], months.MonthBalance[k]);
        }
    }
}

void run(const ScheduleArguments& arguments, CliContext& context,
         const CalculatorCatalogue& calculators)
{
    const Calculator* calculator = calculators.find(loanCalculator().name);
    auto input = readCalculatorInput(arguments.assignments, arguments.inputFile, context);
    if (calculator == nullptr || !input) {
        return;
    }
    RunOptions options;
    options.withPrintout = false;
    auto outcome = calculator->run(*input, options);
    if (auto* error = std::get_if<InputError>(&outcome)) {
        context.refuse(error->key.empty() ? error->message : error->key + ": " + error->message);
        return;
    }
    const LoanInputs loan = calculatedLoan(std::get<CalculationOutput>(outcome));
    const bool annual = arguments.kind == "annual";
    const auto grid = annual ? annualScheduleGrid(loan) : monthlyScheduleGrid(loan);
    if (!grid) {
        context.refuse(annual ? "no annual schedule: the principal, interest rate and monthly "
                                "repayment must be non-zero and the period at least 13 months"
                              : "no monthly schedule: the principal, period, interest rate and "
                                "monthly repayment must all be non-zero");
        return;
    }

    std::optional<OutputFile> outFile;
    if (!arguments.outFile.empty()) {
        outFile.emplace(arguments.outFile);
        if (!outFile->open()) {
            context.refuse("--out: " + arguments.outFile + " " + outFile->error() +
                           " (without --out the schedule goes to standard output)");
            return;
        }
    }
    const auto sink = [&outFile, &context](std::string_view bytes) {
        if (outFile) {
            return outFile->write(bytes);
        }
        context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(context.out);
    };
    bool written = false;
    if (arguments.csv) {
        CsvWriter writer(sink);
        writeCsv(writer, loan, annual);
        written = writer.flush();
    } else {
        written = sink(tableText(*grid));
    }
    if (written && outFile) {
        written = outFile->commit();
    }
    if (!written) {
        context.err << "grovan-cli: the schedule could not be written"
                    << (outFile ? ": " + arguments.outFile + " " + outFile->error() : std::string())
                    << '\n';
        context.exitCode = kExitFailed;
    }
}

} // namespace

void addScheduleCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators)
{
    auto arguments = std::make_shared<ScheduleArguments>();
    CLI::App* command = app.add_subcommand(
        "schedule", "Write a loan's monthly or annual amortisation schedule, as a table or as CSV "
                    "(the inputs as calc takes them)");
    command->add_option("calculator", arguments->calculator, "The calculator with a schedule")
        ->required()
        ->check(CLI::IsMember({std::string(loanCalculator().name)}));
    command->add_option("inputs", arguments->assignments,
                        "Inputs as KEY=VALUE, such as principal=100000; they override the --input "
                        "file's, and standard input is not read when they are given");
    command
        ->add_option("--input", arguments->inputFile,
                     "Read the JSON object from this file instead of standard input")
        ->check(CLI::ExistingFile);
    command->add_option("--kind", arguments->kind, "The monthly or the annual schedule")
        ->check(CLI::IsMember({"monthly", "annual"}));
    command->add_flag("--csv", arguments->csv,
                      "Write CSV for spreadsheets, amounts unrounded, instead of a table");
    command->add_option("--out", arguments->outFile,
                        "Write to this file instead of standard output");
    command->callback(
        [arguments, &context, &calculators] { run(*arguments, context, calculators); });
}

} // namespace grovan::cli
