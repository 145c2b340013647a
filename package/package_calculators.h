// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The salary package subsystem's calculators, each defined once: its window, grovan-cli and the
// tests drive these definitions.

#include "core/calculator_definition.h"
#include "package/package_calculator.h"
#include "package/quick_tax.h"

namespace grovan {

class CalculatorCatalogue;

/// The salary package calculator of one of the four package windows: `grossup-annual`
/// (`frmGrovanAnn`) and `grossup-monthly` (`frmGrovanMon`) find the gross salary and the cost to
/// company of a net salary required; `takehome-annual` (`frmVelmoraAnn`) and `takehome-monthly`
/// (`frmVelmoraMon`) take a total package apart into take-home pay and cost to company.
///
/// A calculation that stops early is refused and leaves the window's results as they were: the
/// fringe benefits above the net salary required ("Fringe benefits more than salary required!"),
/// a net salary required that no gross salary up to the field's maximum reaches, and an amount of
/// 0, which the window passes over in silence. The printout is in English only.
const CalculatorDefinition<PackageInputs, PackageResults>&
packageCalculator(PackageWindowKind kind);

/// The quick tax calculator: its summary is both its inputs (income and age) and its results.
const CalculatorDefinition<TaxSummary, TaxSummary>& quickTaxCalculator();

/// Adds the subsystem's calculators, in the menu's order.
void addPackageCalculators(CalculatorCatalogue& catalogue);

} // namespace grovan
