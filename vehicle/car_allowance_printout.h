// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The car allowance printout: the one row of table "traveldeduction", printed by "caepnrk.rpt"
// for the deemed cost or by "caeprk.rpt" for the actual costs.

#include "core/schema_database.h"
#include "vehicle/car_allowance_calculator.h"

namespace grovan {

inline constexpr const char* kCarAllowancePrintTable = "traveldeduction";
inline constexpr const char* kCarAllowanceDeemedTemplate = "caepnrk.rpt";
inline constexpr const char* kCarAllowanceActualTemplate = "caeprk.rpt";
inline constexpr const char* kCarAllowancePreviewTitle =
    "Car Allowance - To export printout click on the suitcase button or goto Help";

/// The template of the method: "caeprk.rpt" with an accurate record, "caepnrk.rpt" without.
const char* carAllowanceReportTemplate(const CarAllowanceInputs& inputs);

/// `PrintCarAll1`'s edit of the row, in the order written, from the inputs and the results of
/// the calculation the print button has just run: the eleven fields every printout writes
/// (`TPName` the employee name, `CARNO` the integer 1, `mta01` the description, the allowance,
/// the readings, the typed business distance, the deduction and the split), then the method's
/// group: with no accurate record the value, the days, the fixed cost and the four rates in
/// cents a km (the total rounded to one decimal), the two cost texts and the dates
/// "dd/mm/yyyy"; with one, the six cost amounts, their total and the private use. Fields of the
/// other group are not written, so they keep what an earlier printout left. Always in English.
Row carAllowancePrintRow(const CarAllowanceInputs& inputs, const CarAllowanceResults& results);

/// The table "traveldeduction": one row, edited in place; made with empty texts and zeros when
/// the print database is new.
TableSchema carAllowancePrintTable();

} // namespace grovan
