// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/calc_command.h"

#include "cli/json_conversion.h"
#include "cli/pdf_printout.h"
#include "cli/stored_setup.h"
#include "cli/stream_sink.h"
#include "core/calculator_catalogue.h"
#include "core/utf8_text.h"

#include <CLI/CLI.hpp>

#include <array>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>

namespace grovan::cli {

namespace {

struct CalcArguments
{
    std::string calculator;
    std::vector<std::string> assignments;
    std::string inputFile;
    std::string dataDir;
    std::string language = "en";
    std::string only;
    std::string pdfFile;
    std::string name;
    bool nameGiven = false;
};

// The input that the printouts of the employees'-tax calculators carry as the employee's name.
constexpr std::string_view kEmployeeNameKey = "employeeName";

bool hasInput(const Calculator& calculator, std::string_view key)
{
    for (const FieldGroup& group : calculator.fields()) {
        for (const FieldDescription* field : group.fields) {
            if (group.role == FieldRole::Input && field->key == key) {
                return true;
            }
        }
    }
    return false;
}

// The longest JSON input taken: far more than any calculator's inputs need, and a bound for
// input that never ends (--input /dev/zero).
constexpr std::size_t kLongestInput = std::size_t{1} << 20;

// Reads at most kLongestInput bytes; nothing (the user told why) for more, or when the input
// cannot be read.
std::optional<std::string> readLimited(std::istream& in, const std::string& name,
                                       CliContext& context)
{
    std::string text;
    std::array<char, 65536> buffer;
    while (in.read(buffer.data(), buffer.size()) || in.gcount() > 0) {
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > kLongestInput) {
            context.refuse(name + " holds more than 1 MiB; the inputs of a calculation are a JSON "
                                  "object far shorter than that");
            return std::nullopt;
        }
    }
    if (in.bad()) {
        context.refuse("cannot read " + name);
        return std::nullopt;
    }
    return text;
}

std::optional<std::string> readText(const std::string& inputFile, CliContext& context)
{
    if (inputFile.empty()) {
        return readLimited(std::cin, "standard input", context);
    }
    std::ifstream file(inputFile, std::ios::binary);
    if (!file) {
        context.refuse("cannot read " + inputFile);
        return std::nullopt;
    }
    return readLimited(file, inputFile, context);
}

} // namespace

// KEY=VALUE arguments are typed text, read by each field's kind as a CSV cell is.
std::optional<RawInput> readCalculatorInput(const std::vector<std::string>& assignments,
                                            const std::string& inputFile, CliContext& context)
{
    RawInput input;
    if (!inputFile.empty() || assignments.empty()) {
        const auto text = readText(inputFile, context);
        if (!text) {
            return std::nullopt;
        }
        auto parsed = rawInputFromJson(*text);
        if (auto* problem = std::get_if<std::string>(&parsed)) {
            context.refuse(*problem);
            return std::nullopt;
        }
        input = std::move(std::get<RawInput>(parsed));
    }
    // The arguments override the object's inputs, but one argument may not contradict another.
    std::set<std::string> assigned;
    for (const std::string& assignment : assignments) {
        const auto equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0) {
            context.refuse("inputs are given as KEY=VALUE, such as salary=500000, not " +
                           quotedText(assignment));
            return std::nullopt;
        }
        std::string key = assignment.substr(0, equals);
        if (!assigned.insert(key).second) {
            context.refuse(escapedText(key) + ": is given twice");
            return std::nullopt;
        }
        input.values.emplace_back(std::move(key),
                                  RawValue{RawType::Typed, 0.0, assignment.substr(equals + 1)});
    }
    return input;
}

namespace {

void run(const CalcArguments& arguments, CliContext& context,
         const CalculatorCatalogue& calculators)
{
    const Calculator* calculator = calculators.find(arguments.calculator);
    auto input = readCalculatorInput(arguments.assignments, arguments.inputFile, context);
    if (calculator == nullptr || !input) {
        return;
    }
    const bool pdf = !arguments.pdfFile.empty();
    if (pdf && !pdfPrintoutAvailable()) {
        context.refuse("--pdf: this grovan-cli was built without the report pages, so it cannot "
                       "write PDF printouts");
        return;
    }
    if (arguments.nameGiven) {
        if (!hasInput(*calculator, kEmployeeNameKey)) {
            context.refuse("--name: the " + arguments.calculator +
                           " calculator's printout carries no employee name");
            return;
        }
        // The name is only ever text on the printout: it names no file.
        input->values.emplace_back(std::string(kEmployeeNameKey),
                                   RawValue{RawType::String, 0.0, arguments.name});
    }
    const PrintLanguage language =
        arguments.language == "af" ? PrintLanguage::Afrikaans : PrintLanguage::English;
    if (language == PrintLanguage::Afrikaans &&
        calculator->printLanguages() == PrintLanguages::EnglishOnly) {
        context.refuse("--lang af: the " + arguments.calculator +
                       " calculator's printout is in English only");
        return;
    }
    RunOptions options;
    options.storedSetup = [&arguments, &context] {
        const auto folder = arguments.dataDir.empty() ? defaultDataFolder(context.err)
                                                      : std::filesystem::path(arguments.dataDir);
        return folder ? loadStoredSetup(*folder, context.err) : SetupValues{};
    };

    auto outcome = calculator->run(*input, options);
    if (auto* error = std::get_if<InputError>(&outcome)) {
        const std::string key = arguments.nameGiven && error->key == kEmployeeNameKey
                                    ? "--name"
                                    : escapedText(error->key);
        context.refuse(key.empty() ? error->message : key + ": " + error->message);
        return;
    }
    const CalculationOutput& calculation = std::get<CalculationOutput>(outcome);
    const bool printRefused = !calculation.printRefusal.empty();
    if (pdf && !calculation.printout && !printRefused) {
        context.refuse("--pdf: the " + arguments.calculator + " calculator has no printout");
        return;
    }
    if (printRefused && arguments.only == "printout") {
        context.refuse("printout: not made: " + calculation.printRefusal);
        return;
    }
    // A calculator may print nothing for some inputs, as its window then prints nothing.
    if (pdf && !printRefused && calculation.printout(language).templateFile.empty()) {
        context.refuse("--pdf: the " + arguments.calculator +
                       " calculator prints nothing for these inputs");
        return;
    }
    const nlohmann::ordered_json output = outputToJson(calculation, language);
    // Every text of the output was read as UTF-8; should one ever slip through, it is written
    // with a replacement character rather than end the program.
    constexpr auto replace = nlohmann::ordered_json::error_handler_t::replace;
    if (arguments.only.empty()) {
        context.out << output.dump(-1, ' ', false, replace) << '\n';
    } else if (output.contains(arguments.only)) {
        context.out << output[arguments.only].dump(-1, ' ', false, replace) << '\n';
    } else {
        context.refuse("the " + arguments.calculator + " calculator has no " + arguments.only);
        return;
    }
    if (pdf && printRefused) {
        // The results stand; only the printout is not made, as the window would not print it.
        context.err << "grovan-cli: --pdf: not written: " << calculation.printRefusal << '\n';
        context.exitCode = kExitFailed;
        return;
    }
    StreamSink printMessages(context.err);
    if (pdf && !writePrintoutPdf(calculation, language, calculators.printSchema(),
                                 defaultAssetFolder(), arguments.pdfFile, printMessages)) {
        context.exitCode = kExitFailed;
    }
}

} // namespace

void addCalcCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators)
{
    auto arguments = std::make_shared<CalcArguments>();
    CLI::App* command = app.add_subcommand(
        "calc", "Run one calculation: a JSON object of inputs in, a JSON object of inputs, "
                "results and printout values out (grovan-cli describe NAME lists the inputs)");
    command->add_option("calculator", arguments->calculator, "The calculator")
        ->required()
        ->check(CLI::IsMember(calculators.names()));
    command->add_option("inputs", arguments->assignments,
                        "Inputs as KEY=VALUE, such as salary=500000; they override the --input "
                        "file's, and standard input is not read when they are given");
    command
        ->add_option("--input", arguments->inputFile,
                     "Read the JSON object from this file instead of standard input")
        ->check(CLI::ExistingFile);
    command
        ->add_option("--data-dir", arguments->dataDir,
                     "The folder of the settings database (default: the program's own)")
        ->check(CLI::ExistingDirectory);
    command->add_option("--lang", arguments->language, "Language of the printout (values and PDF)")
        ->check(CLI::IsMember({"en", "af"}));
    command->add_option("--pdf", arguments->pdfFile,
                        "Also write the printout to this PDF file, as the program prints it");
    CLI::Option* name = command->add_option(
        "--name", arguments->name, "The employee's name on the printout (at most 50 characters)");
    command->add_option("--only", arguments->only, "Write only this part of the output")
        ->check(CLI::IsMember({"inputs", "results", "printout"}));
    command->callback([arguments, name, &context, &calculators] {
        arguments->nameGiven = name->count() > 0;
        run(*arguments, context, calculators);
    });
}

} // namespace grovan::cli
