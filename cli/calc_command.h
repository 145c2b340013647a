#pragma once

#include "cli/cli_context.h"

namespace CLI {
class App;
}

namespace grovan::cli {

class CalculatorRegistry;

/// `grovan-cli calc NAME [KEY=VALUE...] [--input FILE] [--data-dir DIR] [--lang en|af]
/// [--only inputs|results|printout]`: one calculation from a JSON object of inputs (the file, or
/// standard input when neither a file nor KEY=VALUE arguments are given; the arguments override
/// the object's members), written as one JSON object. Invalid input gives the window's message
/// on standard error, exit code 2 and no output.
void addCalcCommand(CLI::App& app, CliContext& context, const CalculatorRegistry& calculators);

} // namespace grovan::cli
