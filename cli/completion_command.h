// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_context.h"

#include <ostream>

namespace CLI {
class App;
}

namespace grovan {
class CalculatorCatalogue;
}

namespace grovan::cli {

/// Writes a bash completion script for grovan-cli: the visible commands of `app` with their
/// options and option values as the parser knows them, the calculators of `calculators` where a
/// command takes one, and each calculator's input and set-up keys as KEY= after it.
void writeBashCompletion(std::ostream& out, const CLI::App& app,
                         const CalculatorCatalogue& calculators);

/// `grovan-cli completion bash`, hidden from the help: the completion script on standard output,
/// which the build installs into bash-completion's folder. Call it after every other command was
/// added.
void addCompletionCommand(CLI::App& app, CliContext& context,
                          const CalculatorCatalogue& calculators);

} // namespace grovan::cli
