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

/// `grovan-cli batch NAME FILE.csv [--out RESULTS.csv] [--pdf-dir DIR] [--lang en|af]
/// [--data-dir DIR]`: one calculation per row of a CSV file whose header names inputs and set-up
/// values by their keys. The results are the rows' cells followed by every result and an `error`
/// column, as CSV on standard output or in RESULTS.csv (written whole or not at all). A row that
/// cannot be read or is refused carries the window's message in `error`, its results empty, and
/// the other rows go on. Exit code 0 when every row was calculated, 1 when some were not, 2 when
/// nothing could be done (bad arguments, a missing or empty file, an unknown column) or the file
/// could not be read or the results written to the end.
void addBatchCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators);

} // namespace grovan::cli
