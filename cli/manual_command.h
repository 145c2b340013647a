// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_context.h"

#include <ostream>
#include <string_view>

namespace CLI {
class App;
}

namespace grovan {
class CalculatorCatalogue;
}

namespace grovan::cli {

/// Writes grovan-cli's manual page (man(7) macros): every visible command of `app` with its
/// options as the parser knows them, every calculator of `calculators` with its inputs, set-up
/// values and results as `describe` lists them, the exit codes, files and examples.
void writeManualPage(std::ostream& out, const CLI::App& app, const CalculatorCatalogue& calculators,
                     std::string_view version);

/// `grovan-cli manual-page`, hidden from the help: the manual page on standard output, which the
/// build installs as grovan-cli(1). Call it after every other command was added.
void addManualCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators,
                      std::string_view version);

} // namespace grovan::cli
