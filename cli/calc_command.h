// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_context.h"
#include "core/raw_input.h"

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace grovan {
class CalculatorCatalogue;
}

namespace grovan::cli {

/// `grovan-cli calc NAME [KEY=VALUE...] [--input FILE] [--data-dir DIR] [--lang en|af]
/// [--only inputs|results|printout] [--pdf FILE] [--name NAME]`: one calculation from a JSON
/// object of inputs (the file, or standard input when neither a file nor KEY=VALUE arguments are
/// given; the arguments override the object's members), written as one JSON object. Invalid
/// input gives the window's message on standard error, exit code 2 and no output.
///
/// `--pdf` also writes the calculator's printout in the `--lang` language to FILE through its
/// report template, as the desktop program prints it (any calculator with a template has it);
/// `--name` is the employee name on it, as typed on the print panel. A PDF that cannot be
/// written leaves exit code 1 after the JSON output.
void addCalcCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators);

/// The inputs of one calculation as `calc` reads them: the JSON object of `inputFile`, or of
/// standard input when neither a file nor `assignments` are given, then the KEY=VALUE
/// `assignments`, which override the object's members. Nothing (refused on `context`) when the
/// file cannot be read, the text is no JSON object or an assignment has no "=".
std::optional<RawInput> readCalculatorInput(const std::vector<std::string>& assignments,
                                            const std::string& inputFile, CliContext& context);

} // namespace grovan::cli
