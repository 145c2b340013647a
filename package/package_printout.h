// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The salary-package printout: the one row of table SalPackage that the templates "Grovan.rpt"
// (back-calculation windows) and "Velmora.rpt" (forward windows) print. The package printouts
// are in English only; the window's template and preview title stand in its PackageWindow.

#include "core/schema_database.h"
#include "package/package_calculator.h"

#include <string_view>

namespace grovan {

inline constexpr const char* kPackagePrintTable = "SalPackage";

/// The fields of SalPackage in the order the package windows write them: texts, doubles, and
/// the age and the two beneficiary counts as integers.
TableSchema salPackagePrintTable();

/// The fields a window writes, in order, with the values its fields hold after the calculation
/// that "&Print" runs first: `current` (the inputs, with what that calculation wrote into them)
/// and `last` (its results). Nothing is rounded. The fields a window does not write keep what the
/// record holds, so they are not in the row: `CostToComp` in the back-calculation windows,
/// `ProvDeduct`, `ProvDeductCC` and `RADeduct` in the monthly back-calculation window. The
/// other-expense rows are written only for amounts above 0, and only while their total is above
/// 0 ("" and 0 otherwise); `PlusCompCar1` carries the once-off car cost as plain text (250000
/// gives "(plus a 'once-off' cost of R 250000").
Row salPackagePrintRow(const PackageWindow& window, const PackageInputs& current,
                       const PackageResults& last);

} // namespace grovan
