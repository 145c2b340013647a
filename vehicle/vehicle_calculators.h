// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The vehicle subsystem's calculators, each defined once: its window, grovan-cli and the tests
// drive these definitions.

#include "core/calculator.h"
#include "core/calculator_definition.h"
#include "vehicle/car_allowance_calculator.h"

#include <memory>
#include <string_view>

namespace grovan {

class CalculatorCatalogue;
class CompanyCarRegister;

/// The car allowance ("carallowance", `frmCarAll1`): flat inputs, so grovan-cli runs it from
/// JSON, KEY=VALUE and CSV batches. Its printout edits the one row of "traveldeduction" and
/// prints it with the method's template; English only.
const CalculatorDefinition<CarAllowanceInputs, CarAllowanceResults>& carAllowanceCalculator();

inline constexpr std::string_view kCompanyCarCalculatorName = "companycar";
inline constexpr std::string_view kCompanyCarWindowName = "frmCompCar";

/// The company car ("companycar", `frmCompCar`): a whole register as one JSON object,
///
///     {"actual3802": 36500, "autoCalc3802": 1,
///      "vehicles": [{"regNumber": "CA 1", "price": 300000, ...}, ...]}
///
/// each vehicle's keys those of `companyCarVehicleBindings` (defaults as a new vehicle has them),
/// "autoCalc3802" 1 by default with more than one vehicle. A case is "&Calculate" on the
/// register; the output lists the shared values and every vehicle as the calculation left it,
/// the totals and each vehicle's results, and the printout's lines. Every vehicle is checked as
/// the window's date fields check it; a refusal names the vehicle ("vehicles[1].endDate",
/// counted from 0 as in JSON). Its cases cannot come from CSV columns.
std::unique_ptr<Calculator> makeCompanyCarCalculator();

/// The company car printout of `reg` as it stands (run `reg.calculate()` first, as "&Print"
/// does): one "compcar" line per vehicle, printed by "compcar.rpt".
Printout companyCarPrintout(const CompanyCarRegister& reg);

/// Adds the car allowance and the company car, in the menu's order (company car first).
void addVehicleCalculators(CalculatorCatalogue& catalogue);

} // namespace grovan
