// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_context.h"

namespace CLI {
class App;
}

namespace grovan {
class CalculatorCatalogue;
}

namespace grovan::cli {

/// `grovan-cli describe NAME [--json]`: every input, set-up value and result of a calculator
/// with its meaning, unit, range and default, as a table or as one JSON object.
void addDescribeCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators);

} // namespace grovan::cli
