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

/// `grovan-cli schedule loan [KEY=VALUE...] [--input FILE] [--kind monthly|annual] [--csv]
/// [--out FILE]`: the loan's amortisation schedule after the calculation the loan window makes
/// (the inputs as `calc loan` takes them, the solved quantity included). The monthly schedule has
/// a row per month, the annual one a row per year; as a table with the window's grid texts, or
/// with `--csv` as CSV for spreadsheets with unrounded amounts (to FILE with `--out`, written
/// whole or not at all). A loan the window shows no schedule for (a principal, period, rate or
/// repayment of 0, or for the annual schedule a period under 13 months) is refused with exit
/// code 2.
void addScheduleCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators);

} // namespace grovan::cli
