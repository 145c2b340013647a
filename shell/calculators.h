// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace grovan {

class CalculatorCatalogue;

/// Every calculator of the program, subsystem by subsystem (employees' tax, salary package,
/// vehicle, finance): the one list
/// from which grovan-cli, the print database and "&Initialise All" learn of them.
const CalculatorCatalogue& programCalculators();

} // namespace grovan
