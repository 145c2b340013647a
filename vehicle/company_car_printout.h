// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The company car printout: one line of table "compcar" per vehicle of the register, printed by
// "compcar.rpt".

#include "core/schema_database.h"
#include "vehicle/company_car_calculator.h"

#include <span>
#include <vector>

namespace grovan {

class CompanyCarRegister;

inline constexpr const char* kCompanyCarPrintTable = "compcar";
inline constexpr const char* kCompanyCarReportTemplate = "compcar.rpt";
inline constexpr const char* kCompanyCarPreviewTitle =
    "Full use of Company Car - To export printout click on the suitcase button or goto Help";

/// `CompCarPrint`'s lines, vehicle 1 first, from the register as "&Calculate" (which every
/// printout runs first) left it: `vehicles` and `results` side by side. Each line holds the 39
/// fields in order: the vehicle number and the count (integers), the texts, the amounts as
/// stored or calculated (unrounded doubles; the days of use from the dates), "Yes" or "No" for
/// the maintenance plan, the fuel table and the log book, and the dates "dd/mm/yyyy". A vehicle
/// priced 0 prints SARS's claim as its adjustment and a true inclusion of 0; an empty vehicle,
/// which the calculation skipped, prints zero results. An empty register prints no lines.
std::vector<Row> companyCarPrintRows(std::span<const CompanyCarRecord> vehicles,
                                     std::span<const CompanyCarResults> results,
                                     const CompanyCarShared& shared);

/// The lines of every vehicle of `reg` (call `reg.calculate()` first, as the print button does).
std::vector<Row> companyCarPrintRows(const CompanyCarRegister& reg);

/// The line table "compcar": emptied and refilled by every printout.
TableSchema companyCarPrintTable();

} // namespace grovan
