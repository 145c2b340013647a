#pragma once

namespace grovan {

class CalculatorCatalogue;

/// Every calculator of the program, subsystem by subsystem in the menus' order: the one list
/// from which grovan-cli, the print database and "&Initialise All" learn of them.
const CalculatorCatalogue& programCalculators();

} // namespace grovan
