// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The package windows' fields, described once: the windows build their controls from these
// tables and grovan-cli reads, writes and describes the four calculators by the same keys.

#include "core/field_binding.h"
#include "package/package_calculator.h"

#include <span>

namespace grovan {

/// The inputs in the window's order: the employee column top to bottom ("Taxpayer's age", the
/// net salary required or package, "Company car value", "Travel allowance", "Med. aid fund
/// contributions", the beneficiaries, "Other taxable f/benefits", "R/Fund (Pension, Prov, R/A) ",
/// "Medical deductions" in the back-calculation windows, then the four other-expense rows, a
/// description and an amount each), then the cost-to-company column's inputs (company car,
/// medical aid, R/Fund and the four other-expense amounts), and last the print panel's name.
///
/// The setters are the fields' change handling: an other-expense amount is also copied into
/// its cost-to-company amount (which may then be overwritten); the cost-to-company copies of the
/// package, the travel allowance and the other fringe benefits are `packageCopyBindings`.
std::span<const InputBinding<PackageInputs>> packageInputBindings(const PackageWindow& window);

/// The cost-to-company column's read-only copies, which follow their fields as they change and
/// which only the printout reads: the package (`numCCNetMonSalReq`, forward windows), the travel
/// allowance (`numCCTravAll`) and the other fringe benefits (`numCCOTaxFB`).
std::span<const ResultBinding<PackageInputs>> packageCopyBindings(const PackageWindow& window);

/// The set-up panel top to bottom: "Employee R/Fund contributions", "Employer R/Fund
/// contributions", "Employee UIF portion", "Employer UIF portion", "Skills levy", "UIF monthly
/// limit", the travel allowance inclusion rate (options "80%" / "20%"), the company car fringe
/// benefit rate (options "80%" / "20%") and whether the company car has a maintenance plan
/// (options "Yes" / "No", 1 or 0). In the back-calculation windows setting either R/Fund
/// percentage applies the 27.5 % rule. The provident percentages are kept but not shown.
std::span<const InputBinding<SetupValues>> packageSetupBindings(const PackageWindow& window);

/// The results: the figures the window shows ("UIF contribution", "Tax due", "Tax credit", "Tax
/// deduction", the gross salary or take-home pay, "Total cost to company R", the once-off car
/// cost, and in the cost-to-company column the employer's UIF, the skills levy and the copies of
/// the package, the travel allowance and the other fringe benefits), then the working values of
/// the calculation, which no control shows.
std::span<const ResultBinding<PackageResults>> packageResultBindings(const PackageWindow& window);

} // namespace grovan
