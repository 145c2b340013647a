#pragma once
// The salary package subsystem's calculators, each defined once: its window, grovan-cli and the
// tests drive these definitions.

#include "core/calculator_definition.h"
#include "package/quick_tax.h"

namespace grovan {

class CalculatorCatalogue;

/// The quick tax calculator: its summary is both its inputs (income and age) and its results.
const CalculatorDefinition<TaxSummary, TaxSummary>& quickTaxCalculator();

/// Adds the subsystem's calculators, in the menu's order.
void addPackageCalculators(CalculatorCatalogue& catalogue);

} // namespace grovan
