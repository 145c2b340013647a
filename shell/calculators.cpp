// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/calculators.h"

#include "core/calculator_catalogue.h"
#include "finance/finance_calculators.h"
#include "package/package_calculators.h"
#include "paye/paye_calculators.h"
#include "vehicle/vehicle_calculators.h"

namespace grovan {

const CalculatorCatalogue& programCalculators()
{
    // The definitions are constant tables of the engine, so the catalogue over them is one too.
    static const CalculatorCatalogue catalogue = [] {
        CalculatorCatalogue calculators;
        addPayeCalculators(calculators);
        addPackageCalculators(calculators);
        addVehicleCalculators(calculators);
        addFinanceCalculators(calculators);
        return calculators;
    }();
    return catalogue;
}

} // namespace grovan
