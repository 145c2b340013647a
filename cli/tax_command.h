// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/cli_context.h"

namespace CLI {
class App;
}

namespace grovan::cli {

/// `grovan-cli tax --income N --age N [--json]`: the band of the annual tax table for an annual
/// taxable income, the rebate for the age and the tax after the rebate.
void addTaxCommand(CLI::App& app, CliContext& context);

} // namespace grovan::cli
