#include "cli/describe_command.h"

#include "cli/json_conversion.h"
#include "core/calculator_catalogue.h"
#include "core/field_reader.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>

namespace grovan::cli {

namespace {

struct DescribeArguments
{
    std::string calculator;
    bool json = false;
};

using TextRow = std::vector<std::string>;

// Columns padded to their widest cell; the last column runs on.
void writeTable(std::ostream& out, const std::vector<TextRow>& rows)
{
    std::vector<std::size_t> widths;
    for (const TextRow& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths[i] = std::max(widths[i], row[i].size());
        }
    }
    for (const TextRow& row : rows) {
        std::string line = " ";
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += " " + row[i];
            if (i + 1 < row.size()) {
                line += std::string(widths[i] - row[i].size() + 1, ' ');
            }
        }
        out << line << '\n';
    }
}

std::string rangeText(const FieldDescription& field)
{
    if (field.kind == FieldKind::Text) {
        return "up to " + limitText(field, field.maximum) + " characters";
    }
    std::string range = limitText(field, field.minimum) + " to " + limitText(field, field.maximum);
    if (field.kind == FieldKind::WholeNumber) {
        range += ", whole";
    } else if (field.kind != FieldKind::Date) {
        range += field.decimals == 0 ? ", whole" : ", " + std::to_string(field.decimals) + " dp";
    }
    return range;
}

std::string defaultText(const FieldDescription& field, FieldRole role)
{
    if (field.kind == FieldKind::Text) {
        return "(empty)";
    }
    const std::string value = limitText(field, field.defaultValue);
    return role == FieldRole::Setup ? "stored (new: " + value + ")" : value;
}

void writeText(std::ostream& out, const Calculator& calculator)
{
    out << calculator.name() << ": " << calculator.title() << "\n";
    for (const FieldGroup& group : calculator.fields()) {
        std::vector<TextRow> rows;
        const std::string list(group.list);
        if (group.role == FieldRole::Result) {
            out << (list.empty() ? "\nResults (unrounded in the output; the window shows them as "
                                   "its label and format say)\n"
                                 : "\nResults of each record of \"" + list +
                                       "\" (unrounded, one object per record)\n");
            rows.push_back({"KEY", "UNIT", "WINDOW", "MEANING"});
            for (const FieldDescription* field : group.fields) {
                rows.push_back(
                    {std::string(field->key), std::string(field->unit),
                     field->controlName.empty() ? "(not shown)" : std::string(field->label),
                     std::string(field->meaning)});
            }
        } else {
            if (!list.empty()) {
                out << "\nInputs of each record of \"" + list +
                           "\" (a JSON array of objects; an input not given takes its default)\n";
            } else {
                out << (group.role == FieldRole::Input
                            ? "\nInputs (an input not given takes its default)\n"
                            : "\nSet-up values (the settings database's when not given)\n");
            }
            rows.push_back({"KEY", "UNIT", "RANGE", "DEFAULT", "MEANING"});
            for (const FieldDescription* field : group.fields) {
                rows.push_back({std::string(field->key), std::string(field->unit),
                                rangeText(*field), defaultText(*field, group.role),
                                std::string(field->meaning)});
            }
        }
        writeTable(out, rows);
    }
}

void run(const DescribeArguments& arguments, CliContext& context,
         const CalculatorCatalogue& calculators)
{
    const Calculator* calculator = calculators.find(arguments.calculator);
    if (calculator == nullptr) {
        return;
    }
    if (arguments.json) {
        context.out << describeToJson(*calculator).dump() << '\n';
    } else {
        writeText(context.out, *calculator);
    }
}

} // namespace

void addDescribeCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators)
{
    auto arguments = std::make_shared<DescribeArguments>();
    CLI::App* command = app.add_subcommand(
        "describe", "List a calculator's inputs, set-up values and results with their meaning, "
                    "unit, range and default");
    command->add_option("calculator", arguments->calculator, "The calculator")
        ->required()
        ->check(CLI::IsMember(calculators.names()));
    command->add_flag("--json", arguments->json, "Write the list as one JSON object");
    command->callback(
        [arguments, &context, &calculators] { run(*arguments, context, calculators); });
}

} // namespace grovan::cli
