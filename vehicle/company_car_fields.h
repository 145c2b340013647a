// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The company car window's fields, described once: the window builds its controls from these
// descriptions and grovan-cli reads, writes and describes each vehicle of the register, the
// shared values and the totals by the same keys.

#include "core/field_binding.h"
#include "vehicle/company_car_calculator.h"
#include "vehicle/vehicle_fields.h"

#include <span>

namespace grovan {

inline constexpr double kCompanyCarMostRands = 99999999.0;

inline constexpr FieldDescription kRegNumberField =
    vehicleTextField("txtCCRegNumber", "Vehicle registration number", "regNumber",
                     "Registration number; a vehicle without one is locked in the window", 15.0);
inline constexpr FieldDescription kCarMakeField =
    vehicleTextField("txtCCMake", "Car Make", "make", "Make of the vehicle", 30.0);
inline constexpr FieldDescription kCarModelField =
    vehicleTextField("txtCCModel", "Car Model", "model", "Model of the vehicle", 30.0);
inline constexpr FieldDescription kYearOfManufactureField =
    vehicleTextField("txtYearOfManfact", "Year of manufacture", "yearOfManufacture",
                     "Year of manufacture, free text", 10.0);
inline constexpr FieldDescription kCarPriceField =
    vehicleRandField("numCCPrice", "Price of vehicle (incl VAT)", "price",
                     "Price including VAT, on which the benefit is based", kCompanyCarMostRands, 8);
inline constexpr FieldDescription kMaintIncludedField =
    vehicleFlagField("chkMaintIncluded", "Maint. plan included?", "maintenancePlan",
                     "1: sold with a maintenance plan (3.25 % a month instead of 3.5 %)");
inline constexpr FieldDescription kCarStartDateField =
    vehicleDateField("dtCCStartDate", "Start date", "startDate",
                     "First day of use in the tax year, not after the end date", TaxYearStart);
inline constexpr FieldDescription kCarEndDateField =
    vehicleDateField("dtCCEndDate", "End date", "endDate",
                     "Last day of use in the tax year, not before the start date", TaxYearEnd);
inline constexpr FieldDescription kStartMileageField =
    vehicleKmField("numStartMileage", "Start mileage", "startMileage",
                   "Odometer at the start of the period", "kms");
inline constexpr FieldDescription kEndMileageField =
    vehicleKmField("numEndMileage", "End mileage", "endMileage",
                   "Odometer at the end of the period; above 0 it gives the total distance", "kms");
inline constexpr FieldDescription kCarTotalDistanceField = vehicleKmField(
    "numTotalDistance", "Total distance", "totalDistance",
    "Distance of the period; replaced by end - start mileage when an end mileage is given", "kms");
inline constexpr FieldDescription kCarBusDistanceField =
    vehicleKmField("numBusDistance", "Business distance", "businessDistance",
                   "Business distance; cut back to the total distance when larger", "kms");
inline constexpr FieldDescription kLogBookField = vehicleFlagField(
    "chkBussMilage", "Did you keep a log book detailing business mileage?", "logBook",
    "1: a log book was kept (the true inclusion counts the private share of the distance)");
inline constexpr FieldDescription kActualFuelField = vehicleRandField(
    "numActualExpEmployee", "Actual fuel expenses paid by the employee", "actualFuel",
    "Actual fuel expenses paid by the employee (without the fuel "
    "table)",
    kCompanyCarMostRands, 8);
inline constexpr FieldDescription kFuelTableField =
    vehicleFlagField("chkSARSTable", "Or use SARS's cents/km fuel table?", "fuelTable",
                     "1: the fuel cost is the total distance at the vehicle cost table's fuel rate "
                     "for the price");
inline constexpr FieldDescription kFuelReimbursedField = vehicleRandField(
    "numFuelReimbEmployer", "Fuel expenses reimbursement\nby employer", "fuelReimbursed",
    "Fuel expenses the employer reimbursed", kCompanyCarMostRands, 8);
inline constexpr FieldDescription kInsuranceField =
    vehicleRandField("numEmpPaidInsurance", "Employee paid ALL insurance costs", "insurance",
                     "Insurance, when the employee paid all of it", kCompanyCarMostRands, 8);
inline constexpr FieldDescription kLicenceField =
    vehicleRandField("numEmpPaidLicence", "Employee paid ALL licensing fees", "licence",
                     "Licence fees, when the employee paid all of them", kCompanyCarMostRands, 8);
inline constexpr FieldDescription kMaintenanceField =
    vehicleRandField("numEmpPaidMaintenance", "Employee paid ALL maintenance costs", "maintenance",
                     "Maintenance, when the employee paid all of it", kCompanyCarMostRands, 8);
/// Typed in whole rands; the automatic split may give it cents.
inline constexpr FieldDescription kFb3802ThisCarField{
    .controlName = "numFB3802ThisCar",
    .label = "Code 3802 f/benefit for this car",
    .key = "fb3802ThisCar",
    .meaning = "This vehicle's part of the code 3802 total: typed, or the total x its days / "
               "the days of all vehicles under the automatic split (the whole total with one "
               "vehicle)",
    .unit = "rands",
    .kind = FieldKind::Amount,
    .sign = FieldSign::Rand,
    .minimum = 0.0,
    .maximum = kCompanyCarMostRands,
    .integerDigits = 8,
    .decimals = 0,
    .defaultValue = 0.0,
    .displayFormat = kVehicleMoneyFormat,
};

inline constexpr FieldDescription kActual3802Field = vehicleRandField(
    "numActual3802", "Total code 3802 f/benefits on IRP5's", "actual3802",
    "Right-of-use fringe benefits declared on the employee's IRP5 certificates, for all vehicles",
    kCompanyCarMostRands, 8);
inline constexpr FieldDescription kAutoCalc3802Field = vehicleFlagField(
    "chkAutoCalc3802", "Auto-calculate f/benefit splits", "autoCalc3802",
    "1: the code 3802 total is split over the vehicles by their days of use (switched on when a "
    "second vehicle is added; not given, 1 with more than one vehicle)");

inline constexpr FieldDescription kCarDaysField = vehicleDaysResult(
    "numCCMonths", "No of days", "days", "Days of use: end date - start date + 1");
inline constexpr FieldDescription kCarPrivateDistanceField =
    vehicleKmResult("numPrivateDistance", "Private distance", "privateDistance",
                    "Total distance - business distance", 0);
inline constexpr FieldDescription kFuelComponentField =
    vehicleMoneyResult("numFuelComponent", "Fuel component", "fuelComponent",
                       "Total distance x the fuel rate of the price's row in the vehicle cost "
                       "table, in whole rands; 0 without the fuel table");
inline constexpr FieldDescription kFuelClaimField =
    vehicleMoneyResult("numFuelClaim", "Fuel claim (adjusted for mileage)", "fuelClaim",
                       "(Fuel component or actual fuel - reimbursement) x private / total "
                       "distance, whole rands; may be negative");
inline constexpr FieldDescription kAdditionalExpensesField = vehicleMoneyResult(
    "numTotAddExpense", "Total additional expenses (adjusted for mileage)", "additionalExpenses",
    "(Insurance + licence + maintenance) x private / total distance, whole rands");
inline constexpr FieldDescription kTrueInclusionField =
    vehicleMoneyResult("numTrueInclusion", "True inclusion amount", "trueInclusion",
                       "3.5 % (3.25 % with a maintenance plan) x 12 / 36 600 x price x days, x "
                       "private / total distance with a log book; whole rands");
inline constexpr FieldDescription kTrueInclusionAgainField =
    vehicleMoneyResult("numTrueInclusion_1", "True inclusion amount", "trueInclusionAgain",
                       "The true inclusion amount, shown a second time");
inline constexpr FieldDescription kFuelAndExpensesField =
    vehicleMoneyResult("numFuelExp", "Less fuel && expenses", "fuelAndExpenses",
                       "Fuel claim + additional expenses when there is a business distance, "
                       "whole rands");
inline constexpr FieldDescription kAdjustmentField = vehicleMoneyResult(
    "numAdjustTaxableInc", "Adjustment to taxable income\n(adjusted for private mileage)",
    "adjustment",
    "True inclusion - fuel and expenses - this car's code 3802 part, whole rands, never below "
    "minus the code 3802 total; SARS's claim for a vehicle priced 0");
inline constexpr FieldDescription kSarsClaimField = vehicleMoneyResult(
    "numAdjustTaxableIncSARS", "(SARS's claim awarded against taxable income)", "sarsClaim",
    "With a log book: -(business / total distance x code 3802 part + fuel and expenses)");
inline constexpr FieldDescription kIrp53802Field =
    vehicleMoneyResult("numIRP53802", "IRP5 code 3802 amount for this car", "irp5Code3802",
                       "Price x 3.5 % (3.25 %) x 12 x days / 365, whole rands");
inline constexpr FieldDescription kMonthly80Field =
    vehicleMoneyResult("numMonFB80", "Monthly f/benefit amount for this car", "monthly80",
                       "Price x 3.5 % (3.25 %) x 80 %, whole rands");
inline constexpr FieldDescription kMonthly20Field =
    vehicleMoneyResult("numMonFB20", "", "monthly20", "Price x 3.5 % (3.25 %) x 20 %, whole rands");
inline constexpr FieldDescription kFortnightly80Field =
    vehicleMoneyResult("numFortFB80", "Fortnightly f/benefit amount for this car", "fortnightly80",
                       "Price x 3.5 % (3.25 %) x 12 / 26 in whole rands, x 80 %");
inline constexpr FieldDescription kFortnightly20Field = vehicleMoneyResult(
    "numFortFB20", "", "fortnightly20", "Price x 3.5 % (3.25 %) x 12 / 26 in whole rands, x 20 %");
inline constexpr FieldDescription kWeekly80Field =
    vehicleMoneyResult("numWeekFB80", "Weekly f/benefit amount for this car", "weekly80",
                       "Price x 3.5 % (3.25 %) x 12 / 52 in whole rands, x 80 %");
inline constexpr FieldDescription kWeekly20Field = vehicleMoneyResult(
    "numWeekFB20", "", "weekly20", "Price x 3.5 % (3.25 %) x 12 / 52 in whole rands, x 20 %");

inline constexpr FieldDescription kTotalAdjustmentField =
    vehicleMoneyResult("numTotAdjustTaxableInc", "Total Adjustment to taxable income",
                       "totalAdjustment", "The adjustments to taxable income of all vehicles");
inline constexpr FieldDescription kTotalSarsClaimField = vehicleMoneyResult(
    "numTotAdjustTaxableIncSARS", "(SARS's claim awarded against taxable income)", "totalSarsClaim",
    "SARS's claims of all vehicles");

/// The column headings over the 80 % and 20 % fringe benefits.
inline constexpr const char* kFringeBenefit80Heading = "80%";
inline constexpr const char* kFringeBenefit20Heading = "20%";

/// One vehicle's inputs in the window's order, from "Vehicle registration number" to "Code 3802
/// f/benefit for this car". The total distance, the business distance and (under the automatic
/// split) the code 3802 part hold what the last calculation made of them.
std::span<const InputBinding<CompanyCarRecord>> companyCarVehicleBindings();

/// The values the vehicles share: "Total code 3802 f/benefits on IRP5's" and "Auto-calculate
/// f/benefit splits".
std::span<const InputBinding<CompanyCarShared>> companyCarSharedBindings();

/// One vehicle's results in the window's order, every result field the window shows for the
/// current vehicle (the true inclusion twice).
std::span<const ResultBinding<CompanyCarResults>> companyCarResultBindings();

/// The two totals over all vehicles.
std::span<const ResultBinding<CompanyCarTotals>> companyCarTotalBindings();

} // namespace grovan
