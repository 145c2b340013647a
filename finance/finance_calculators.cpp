#include "finance/finance_calculators.h"

#include "core/calculator_catalogue.h"

namespace grovan {

void addFinanceCalculators(CalculatorCatalogue&) {}

} // namespace grovan
