#include "cli/calc_command.h"

#include "cli/calculator_registry.h"
#include "cli/json_conversion.h"
#include "cli/stored_setup.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
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
};

std::optional<std::string> readText(const CalcArguments& arguments, CliContext& context)
{
    if (arguments.inputFile.empty()) {
        return std::string(std::istreambuf_iterator<char>(std::cin), {});
    }
    std::ifstream file(arguments.inputFile, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (!file) {
        context.refuse("cannot read " + arguments.inputFile);
        return std::nullopt;
    }
    return text.str();
}

// KEY=VALUE arguments are typed text, read by each field's kind as a CSV cell is.
std::optional<RawInput> readInput(const CalcArguments& arguments, CliContext& context)
{
    RawInput input;
    if (!arguments.inputFile.empty() || arguments.assignments.empty()) {
        const auto text = readText(arguments, context);
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
    for (const std::string& assignment : arguments.assignments) {
        const auto equals = assignment.find('=');
        if (equals == std::string::npos || equals == 0) {
            context.refuse("inputs are given as KEY=VALUE, such as salary=500000, not \"" +
                           assignment + "\"");
            return std::nullopt;
        }
        input.values.emplace_back(assignment.substr(0, equals),
                                  RawValue{RawType::Typed, 0.0, assignment.substr(equals + 1)});
    }
    return input;
}

void run(const CalcArguments& arguments, CliContext& context, const CalculatorRegistry& calculators)
{
    const CalculatorAdapter* calculator = calculators.find(arguments.calculator);
    const auto input = readInput(arguments, context);
    if (calculator == nullptr || !input) {
        return;
    }
    const PrintLanguage language =
        arguments.language == "af" ? PrintLanguage::Afrikaans : PrintLanguage::English;
    RunOptions options;
    options.storedSetup = [&arguments, &context] {
        const auto folder = arguments.dataDir.empty() ? defaultDataFolder(context.err)
                                                      : std::filesystem::path(arguments.dataDir);
        return folder ? loadStoredSetup(*folder, context.err) : SetupValues{};
    };

    auto outcome = calculator->run(*input, options);
    if (auto* error = std::get_if<InputError>(&outcome)) {
        context.refuse(error->key.empty() ? error->message : error->key + ": " + error->message);
        return;
    }
    const nlohmann::ordered_json output =
        outputToJson(std::get<CalculationOutput>(outcome), language);
    if (arguments.only.empty()) {
        context.out << output.dump() << '\n';
    } else if (output.contains(arguments.only)) {
        context.out << output[arguments.only].dump() << '\n';
    } else {
        context.refuse("the " + arguments.calculator + " calculator has no " + arguments.only);
    }
}

} // namespace

void addCalcCommand(CLI::App& app, CliContext& context, const CalculatorRegistry& calculators)
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
    command->add_option("--lang", arguments->language, "Language of the printout values")
        ->check(CLI::IsMember({"en", "af"}));
    command->add_option("--only", arguments->only, "Write only this part of the output")
        ->check(CLI::IsMember({"inputs", "results", "printout"}));
    command->callback(
        [arguments, &context, &calculators] { run(*arguments, context, calculators); });
}

} // namespace grovan::cli
