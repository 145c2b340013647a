// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/manual_command.h"

#include "cli/command_table.h"
#include "core/calculator_catalogue.h"
#include "core/field_reader.h"

#include <CLI/CLI.hpp>

#include <string>

namespace grovan::cli {

namespace {

// Prose: a backslash would start an escape, and a line starting with a dot or an apostrophe
// would be read as a request.
std::string text(std::string_view prose)
{
    std::string out;
    for (const char c : prose) {
        if (c == '\\') {
            out += "\\e";
        } else {
            if ((c == '.' || c == '\'') && (out.empty() || out.back() == '\n')) {
                out += "\\&";
            }
            out += c;
        }
    }
    return out;
}

// What is typed as it stands (commands, options, keys): hyphens are minus signs, so that the text
// can be copied from the rendered page.
std::string literal(std::string_view typed)
{
    std::string out;
    for (const char c : typed) {
        if (c == '-') {
            out += "\\-";
        } else if (c == '\\') {
            out += "\\e";
        } else {
            out += c;
        }
    }
    return out;
}

// A number grouped in thousands ("999 999 999") stays on one line.
std::string number(std::string_view digits)
{
    std::string out;
    for (const char c : text(digits)) {
        out += c == ' ' ? std::string("\\ ") : std::string(1, c);
    }
    return out;
}

std::string optionSynopsis(const OptionEntry& option)
{
    if (option.positional) {
        return "\\fI" + literal(option.names.front()) + "\\fR" + (option.repeated ? " ..." : "");
    }
    std::string names;
    for (const std::string& name : option.names) {
        names += (names.empty() ? "" : ", ") + ("\\fB" + literal(name) + "\\fR");
    }
    if (!option.valueName.empty()) {
        names += " \\fI" + literal(option.valueName) + "\\fR";
    }
    return names;
}

void writeOptions(std::ostream& out, const std::vector<OptionEntry>& options)
{
    for (const OptionEntry& option : options) {
        out << ".TP\n" << optionSynopsis(option) << '\n' << text(option.description);
        if (option.required && !option.positional) {
            out << " (required)";
        }
        out << '\n';
    }
}

void writeCommandSynopsis(std::ostream& out, const CommandEntry& command)
{
    out << ".B grovan\\-cli " << literal(command.name) << '\n';
    for (const OptionEntry& option : command.options) {
        if (option.names.front() == "-h") {
            continue;
        }
        const std::string shown = option.positional ? optionSynopsis(option)
                                  : option.valueName.empty()
                                      ? "\\fB" + literal(option.names.back()) + "\\fR"
                                      : "\\fB" + literal(option.names.back()) + "\\fR \\fI" +
                                            literal(option.valueName) + "\\fR";
        out << (option.required ? shown : "[" + shown + "]") << '\n';
    }
    out << ".br\n";
}

std::string fieldRange(const FieldDescription& field)
{
    if (field.kind == FieldKind::Text) {
        return "text of up to " + number(limitText(field, field.maximum)) + " characters";
    }
    if (field.kind == FieldKind::Date && field.minimum == 0.0 && field.maximum == 0.0) {
        return "a date";
    }
    return "from " + number(limitText(field, field.minimum)) + " to " +
           number(limitText(field, field.maximum));
}

void writeCalculator(std::ostream& out, const Calculator& calculator)
{
    out << ".SS " << literal(calculator.name()) << '\n' << text(calculator.title()) << ".\n";
    for (const FieldGroup& group : calculator.fields()) {
        switch (group.role) {
        case FieldRole::Input:
            if (!group.list.empty()) {
                out << ".PP\nInputs of each record of the JSON array " << literal(group.list)
                    << "\n(an input not given takes its default):\n";
                break;
            }
            out << ".PP\nInputs (an input not given takes its default):\n";
            break;
        case FieldRole::Setup:
            out << ".PP\nSet-up values (the settings database's when not given):\n";
            break;
        case FieldRole::Result:
            if (!group.list.empty()) {
                out << ".PP\nResults of each record of " << literal(group.list) << ":\n";
                break;
            }
            out << ".PP\nResults:\n";
            break;
        }
        out << ".RS\n";
        for (const FieldDescription* field : group.fields) {
            out << ".TP\n.B " << literal(field->key) << '\n'
                << text(field->meaning) << " (" << text(field->unit);
            if (group.role != FieldRole::Result) {
                out << "; " << fieldRange(*field);
                if (group.role == FieldRole::Input && field->kind != FieldKind::Text) {
                    out << "; default " << number(limitText(*field, field->defaultValue));
                }
            }
            out << ")\n";
        }
        out << ".RE\n";
    }
    // A table among the results, such as the loan comparison's terms: one record a row.
    for (const ResultTable& table : calculator.resultTables()) {
        out << ".PP\nResults of each record of " << literal(table.table->key) << " ("
            << text(table.table->meaning) << "):\n.RS\n";
        for (const FieldDescription* column : table.columns) {
            out << ".TP\n.B " << literal(column->key) << '\n'
                << text(column->meaning) << " (" << text(column->unit) << ")\n";
        }
        out << ".RE\n";
    }
}

constexpr std::string_view kExamples[][2] = {
    {"grovan-cli tax --income 500000 --age 40",
     "The band, rebate and tax after rebate of an annual taxable income."},
    {"grovan-cli describe annual", "Every input, set-up value and result of a calculator."},
    {"grovan-cli calc annual age=40 salary=500000",
     "One calculation: inputs, results and printout values as JSON."},
    {"grovan-cli calc annual --input case.json --only results",
     "The inputs read from a JSON file; only the results written."},
    {"grovan-cli calc annual age=40 salary=500000 --pdf annual.pdf --lang af --name \"T. Nkosi\"",
     "The printout as a PDF file, in Afrikaans, with the employee's name."},
    {"grovan-cli batch monthly payroll.csv --out results.csv --pdf-dir printouts",
     "A whole payroll from a CSV file, with a printout per employee."},
    {"grovan-cli schedule loan principal=1000000 periodMonths=240 annualRate=10 --kind annual "
     "--csv --out schedule.csv",
     "A loan's repayment solved, and its year-by-year schedule as CSV for a spreadsheet."},
};

} // namespace

void writeManualPage(std::ostream& out, const CLI::App& app, const CalculatorCatalogue& calculators,
                     std::string_view version)
{
    const std::vector<CommandEntry> commands = commandTable(app);
    out << ".\\\" Written by grovan-cli manual-page from its own commands and calculators.\n"
        << ".TH GROVAN\\-CLI 1 \"\" \"Grovan 2022 " << literal(version) << "\" \"User Commands\"\n"
        << ".SH NAME\ngrovan\\-cli \\- South African payroll and finance calculators for the "
           "2021/22 tax year\n"
        << ".SH SYNOPSIS\n";
    for (const CommandEntry& command : commands) {
        writeCommandSynopsis(out, command);
    }
    out << ".B grovan\\-cli \\-\\-version\n.SH DESCRIPTION\n"
        << text(app.get_description()) << '\n'
        << ".PP\nThe calculators are those of the desktop program \\fBgrovan\\fR(1), with the same "
           "inputs, checks, messages and printouts. Set-up values not given on the command line "
           "come from the settings database the desktop program keeps.\n"
        << ".SH OPTIONS\n";
    writeOptions(out, programOptions(app));
    out << ".SH COMMANDS\n";
    for (const CommandEntry& command : commands) {
        out << ".SS " << literal(command.name) << '\n' << text(command.description) << ".\n";
        writeOptions(out, command.options);
    }
    out << ".SH CALCULATORS\nThe calculators that \\fBcalc\\fR, \\fBdescribe\\fR and \\fBbatch\\fR "
           "take, with the keys of their inputs and set-up values (for KEY=VALUE arguments, JSON "
           "objects and CSV headers) and of their results. Dates are written dd/mm/yyyy or "
           "yyyy-mm-dd. \\fB\\%grovan\\-cli \\%describe\\fR \\fINAME\\fR lists the same with the "
           "labels the window shows.\n";
    for (const std::string& name : calculators.names()) {
        writeCalculator(out, *calculators.find(name));
    }
    out << ".SH EXIT STATUS\n"
        << ".TP\n"
        << kExitOk << "\nDone.\n"
        << ".TP\n"
        << kExitFailed
        << "\nDone, but some of it failed: \\fBcalc\\fR could not write the PDF file, or "
           "\\fBbatch\\fR left rows with an error (or a printout failed).\n"
        << ".TP\n"
        << kExitBadInput
        << "\nNothing was done: bad arguments, invalid input (the window's message is written "
           "to standard error), or a file that could not be read or written.\n"
        << ".SH ENVIRONMENT\n"
        << ".TP\n.B XDG_DATA_HOME\nThe databases of an installed copy are kept in "
           "\\fI$XDG_DATA_HOME/grovan2022\\fR.\n"
        << ".TP\n.B HOME\nWithout \\fBXDG_DATA_HOME\\fR, the databases are kept in "
           "\\fI$HOME/.local/share/grovan2022\\fR.\n"
        << ".TP\n.B QT_QPA_PLATFORM\nPDF printouts need no display: when it is not set, "
           "grovan\\-cli sets it to \\fBoffscreen\\fR.\n"
        << ".SH FILES\n"
        << ".TP\n.I ~/.local/share/grovan2022/Settings.mdb\nThe settings database (an SQLite "
           "file) shared with the desktop program; \\fB\\-\\-data\\-dir\\fR chooses another "
           "folder. A portable copy (the program's folder holding its assets, or a file "
           "\\fIgrovan2022.portable\\fR beside the program) keeps its databases beside the "
           "program.\n"
        << ".TP\n.I /usr/share/grovan2022\nThe report templates of the printouts.\n"
        << ".TP\n.I /usr/lib/x86_64\\-linux\\-gnu/grovan2022/libgrovan\\-pdf.so\n"
           "Paints the PDF printouts, loaded at the first printout: the rest of grovan\\-cli "
           "runs without Qt (the library folder names the machine's architecture). A portable "
           "copy that keeps its assets beside the program keeps this file there too.\n"
        << ".SH EXAMPLES\n";
    for (const auto& [command, meaning] : kExamples) {
        out << ".PP\n"
            << text(meaning) << "\n.PP\n.RS\n.EX\n"
            << literal(command) << "\n.EE\n.RE\n";
    }
    out << ".SH SEE ALSO\n\\fBgrovan\\fR(1)\n";
}

void addManualCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators,
                      std::string_view version)
{
    CLI::App* command =
        app.add_subcommand("manual-page", "Write the manual page of grovan-cli (man(7) macros)");
    command->group("");
    command->callback([&app, &context, &calculators, version = std::string(version)] {
        writeManualPage(context.out, app, calculators, version);
    });
}

} // namespace grovan::cli
