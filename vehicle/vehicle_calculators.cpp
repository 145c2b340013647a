#include "vehicle/vehicle_calculators.h"

#include "core/calculator_catalogue.h"

namespace grovan {

void addVehicleCalculators(CalculatorCatalogue&) {}

} // namespace grovan
