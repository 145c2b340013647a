// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The car allowance window's fields, described once: the window builds its controls from these
// descriptions and grovan-cli reads, writes and describes the calculator by the same keys.

#include "core/field_binding.h"
#include "vehicle/car_allowance_calculator.h"
#include "vehicle/vehicle_fields.h"

#include <span>

namespace grovan {

inline constexpr double kCarAllowanceMostRands = 99999999.0;

inline constexpr FieldDescription kCarDescriptionField =
    vehicleTextField("Text1", "Car :", "carDescription", "Which car the allowance is for", 50.0);
inline constexpr FieldDescription kAccurateRecordField = vehicleFlagField(
    "Option4", "Accurate record kept", "accurateRecordKept",
    "1 (\"&Yes\", Option4): the deduction is the business share of the actual costs; "
    "0 (\"&No\", Option3): the business distance at the deemed cost a km of the vehicle's value");
inline constexpr FieldDescription kVehicleValueField =
    vehicleRandField("silgEdit1", "Original value of vehicle", "vehicleValue",
                     "Original value of the vehicle; chooses the row of the vehicle cost table",
                     kCarAllowanceMostRands, 8);
inline constexpr FieldDescription kAllowanceReceivedField =
    vehicleRandField("silgEdit2", "Allowance received", "allowanceReceived",
                     "Travel allowance received; the deduction is at most this (0: not limited)",
                     kCarAllowanceMostRands, 8);
inline constexpr FieldDescription kCloseKmField =
    vehicleKmField("silgEdit3", "Close km reading", "closeKm", "Odometer at the end of the period");
inline constexpr FieldDescription kOpenKmField =
    vehicleKmField("silgEdit4", "Open km reading", "openKm", "Odometer at the start of the period");
inline constexpr FieldDescription kBusinessKmField =
    vehicleKmField("silgEdit5", "Business km", "businessKm",
                   "Business distance; 0 leaves the split of the distance to the deemed rules, "
                   "and the deemed-cost method then claims nothing");
inline constexpr FieldDescription kFuelOilField = vehicleRandField(
    "silgEdit6", "Fuel/Oil", "fuelOil", "Actual fuel and oil costs", kCarAllowanceMostRands, 8);
inline constexpr FieldDescription kRepairsField =
    vehicleRandField("silgEdit7", "Repairs/Miantenance", "repairsMaintenance",
                     "Actual repair and maintenance costs", kCarAllowanceMostRands, 8);
inline constexpr FieldDescription kInsuranceLicenceField =
    vehicleRandField("silgEdit8", "Insurance/Licence", "insuranceLicence",
                     "Actual insurance and licence costs", kCarAllowanceMostRands, 8);
inline constexpr FieldDescription kOtherExpensesField =
    vehicleRandField("silgEdit9", "Other expenses", "otherExpenses", "Other actual costs",
                     kCarAllowanceMostRands, 8);
inline constexpr FieldDescription kWearAndTearField = vehicleRandField(
    "silgEdit10", "Wear and tear", "wearAndTear",
    "Wear and tear; only when no lease payments are given", kCarAllowanceMostRands, 8);
inline constexpr FieldDescription kLeasePaymentsField = vehicleRandField(
    "silgEdit11", "Lease payments", "leasePayments",
    "Lease payments; only when no wear and tear is given", kCarAllowanceMostRands, 8);
inline constexpr FieldDescription kIncludeFuelField =
    vehicleFlagField("Check1", "Include Fuel Costs", "includeFuelCosts",
                     "1: the deemed cost includes the fuel cost a km (and the private use "
                     "without distances takes it off)",
                     1.0);
inline constexpr FieldDescription kIncludeMaintenanceField =
    vehicleFlagField("Check2", "Include Maintenance Costs", "includeMaintenanceCosts",
                     "1: the deemed cost includes the maintenance cost a km (and the private "
                     "use without distances takes it off)",
                     1.0);
inline constexpr FieldDescription kCarAllowanceStartDateField =
    vehicleDateField("dtCarAlStartDate", "Start Date", "startDate",
                     "First day of the period, not after the end date", TaxYearStart);
inline constexpr FieldDescription kCarAllowanceEndDateField =
    vehicleDateField("dtCarAlEndDate", "End Date", "endDate",
                     "Last day of the period, not before the start date", TaxYearEnd);
inline constexpr FieldDescription kCarAllowanceEmployeeNameField = vehicleTextField(
    "Text3", "Employee name :", "employeeName",
    "The employee's name on the printout (max. 50 characters)", 50.0, "(max.50 chrs.)");

inline constexpr FieldDescription kPeriodDaysField =
    vehicleDaysResult("silgEdit12", "Period (number of days)", "periodDays",
                      "Days from the start date to the end date, both included; every "
                      "calculation fills this field in");
inline constexpr FieldDescription kResultBusinessKmField =
    vehicleKmResult("numBusinessDistance", "Business distance", "businessDistance",
                    "Business part of the distance: the typed business km, or the deemed split", 2);
inline constexpr FieldDescription kResultPrivateKmField =
    vehicleKmResult("numPrivateDistance", "Private distance", "privateDistance",
                    "Private part of the distance travelled", 2);
inline constexpr FieldDescription kTotalKmField = vehicleKmResult(
    "numTotalDistance", "Total distance", "totalDistance", "Close km reading - open km reading", 0);
inline constexpr FieldDescription kTotalCostsField =
    vehicleMoneyResult("numTotalCosts", "Total costs", "totalCosts",
                       "Actual costs: fuel/oil, repairs, insurance/licence, other, wear and tear "
                       "and lease payments together");
inline constexpr FieldDescription kLessPrivateUseField = vehicleMoneyResult(
    "numLessPrivateUse", "Less private use", "lessPrivateUse",
    "Actual costs less the deduction; without any distance, the private use deemed from the "
    "vehicle's value, shown as 0 when that exceeds the costs");
inline constexpr FieldDescription kDeductionClaimField =
    vehicleMoneyResult("numDeductionClaim", "Deduction claim", "deductionClaim",
                       "The deduction against the allowance, at most the allowance received");
inline constexpr FieldDescription kFixedCostField =
    vehicleMoneyResult("numFixedCost", "Fixed cost", "fixedCost",
                       "Deemed fixed cost a year of the vehicle's value (vehicle cost table)");
inline constexpr FieldDescription kFixedCentsField = resultField(
    "numFixedCentsPerKm", "", "fixedCentsPerKm",
    "Fixed cost x period days / 365 over the total distance, cut to whole millionths of a rand",
    "cents a km", FieldKind::Amount, FieldSign::None, 3, "##0.000");
inline constexpr FieldDescription kFuelCentsField =
    resultField("numFuelCentsPerKm", "Fuel costs", "fuelCentsPerKm",
                "Deemed fuel cost a km (0 when fuel costs are not included)", "cents a km",
                FieldKind::Amount, FieldSign::None, 1, "##0.0");
inline constexpr FieldDescription kMaintenanceCentsField =
    resultField("numMaintenanceCentsPerKm", "Maintenance costs", "maintenanceCentsPerKm",
                "Deemed maintenance cost a km (0 when maintenance costs are not included)",
                "cents a km", FieldKind::Amount, FieldSign::None, 1, "##0.0");
inline constexpr FieldDescription kTotalCentsField = resultField(
    "numTotalCentsPerKm", "Total costs", "totalCentsPerKm",
    "Fixed + fuel + maintenance cents a km, rounded to one decimal after the claim is worked out",
    "cents a km", FieldKind::Amount, FieldSign::None, 1, "##0.0");

/// The inputs in the window's order: "Car :", the accurate-record choice (1 "&Yes", 0 "&No";
/// `Option4` stands for the pair), the value, the allowance, the readings and the business
/// distance, the six cost amounts, the two include check boxes, the start and end dates, and
/// last the print panel's employee name.
std::span<const InputBinding<CarAllowanceInputs>> carAllowanceInputBindings();

/// Every figure the window shows, each once: the period's days (the days field, which every
/// calculation fills in), the distance split, the actual-cost figures, the deduction and the
/// deemed-cost figures. `carAllowanceLayout` says which of them each method's panel shows.
std::span<const ResultBinding<CarAllowanceResults>> carAllowanceResultBindings();

} // namespace grovan
