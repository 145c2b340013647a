// SPDX-License-Identifier: GPL-3.0-or-later
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

std::string joined(const std::vector<std::string>& items, const std::string& last = " and ")
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? last : ", ") + items[i];
    }
    return text;
}

// The fields a printout row writes more than once, each with what it is given in turn where
// that is a text.
std::vector<std::string> fieldsWrittenTwice(const Row& row)
{
    std::vector<std::string> names;
    for (const Field& field : row) {
        const auto count = std::count_if(row.begin(), row.end(),
                                         [&](const Field& f) { return f.name == field.name; });
        if (count > 1 && std::find(names.begin(), names.end(), field.name) == names.end()) {
            names.push_back(field.name);
        }
    }
    std::vector<std::string> described;
    for (const std::string& name : names) {
        std::vector<std::string> texts;
        for (const Field& field : row) {
            if (const auto* text = std::get_if<std::string>(&field.value);
                text != nullptr && field.name == name) {
                texts.push_back("\"" + *text + "\"");
            }
        }
        described.push_back(texts.empty() ? name
                                          : name + " (first " + joined(texts, ", then ") + ")");
    }
    return described;
}

void writePrintout(std::ostream& out, const Calculator& calculator)
{
    if (calculator.printTemplates().empty()) {
        return;
    }
    out << "\nPrintout (calc --only printout lists it, calc --pdf FILE prints it)\n";
    std::vector<std::string> tables;
    for (const TableSchema& table : calculator.printTables()) {
        tables.push_back(table.name);
    }
    std::vector<std::string> templates;
    for (const std::string_view name : calculator.printTemplates()) {
        templates.emplace_back(name);
    }
    writeTable(out, {{"tables", joined(tables)},
                     {"templates", joined(templates, " or ")},
                     {"languages", calculator.printLanguages() == PrintLanguages::EnglishOnly
                                       ? "English only (--lang af is refused)"
                                       : "English or Afrikaans (--lang en or af)"}});
    out << "  The printout lists each field once, in the order it is first written, with what the\n"
           "  table holds once the printout is written.\n";
    // The default case shows which fields the printout writes twice.
    RunOptions options;
    options.storedSetup = [] {
        return SetupValues{};
    };
    const auto output = calculator.run(RawInput{}, options);
    const auto* calculated = std::get_if<CalculationOutput>(&output);
    if (calculated == nullptr || !calculated->printout) {
        return;
    }
    for (const TableWrite& write : calculated->printout(PrintLanguage::English).writes) {
        const auto* row = std::get_if<Row>(&write.contents);
        const std::vector<std::string> twice =
            row == nullptr ? std::vector<std::string>{} : fieldsWrittenTwice(*row);
        if (!twice.empty()) {
            out << "  Written twice into " << write.table << ": " << joined(twice)
                << "; the listing shows the second write.\n";
        }
    }
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
            // A table's columns, each under the table's key: "terms[].repayment".
            for (const ResultTable& table : calculator.resultTables()) {
                rows.push_back({std::string(table.table->key),
                                std::to_string(table.rows) + " " + std::string(table.table->unit),
                                "(a list)", std::string(table.table->meaning)});
                for (const FieldDescription* column : table.columns) {
                    rows.push_back(
                        {std::string(table.table->key) + "[]." + std::string(column->key),
                         std::string(column->unit), std::string(column->label),
                         std::string(column->meaning)});
                }
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
    writePrintout(out, calculator);
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
