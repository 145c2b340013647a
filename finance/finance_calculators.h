#pragma once
// The finance subsystem's calculators, each defined once: its window, grovan-cli and the tests
// drive these definitions.

namespace grovan {

class CalculatorCatalogue;

/// Adds the subsystem's calculators, in the menu's order.
void addFinanceCalculators(CalculatorCatalogue& catalogue);

} // namespace grovan
