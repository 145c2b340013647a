// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_context.h"

namespace CLI {
class App;
}

namespace grovan::cli {

/// `grovan-cli projection [KEY=VALUE...] [--from N] [--to N]`: the inflation projection year by
/// year, as CSV on standard output: a header "year,futureCost,buyingPower", then one row a year
/// from N to N (0 to 40; by default from 0 to the period, the input `years`), each row holding
/// what a period of that many years gives. The inputs are those of `grovan-cli calc inflation`
/// and are checked as the window checks them: an invalid one gives the window's message on
/// standard error, exit code 2 and no output.
void addProjectionCommand(CLI::App& app, CliContext& context);

} // namespace grovan::cli
