// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The company car fringe benefit: for every car an employee had the full use of in the tax
// year, the taxable value of that right of use and how it differs from what the employer
// declared under IRP5 code 3802.

#include "core/calendar_date.h"
#include "core/tax_year.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace grovan {

/// One vehicle of the register. Money in rands and distance in kilometres; every amount,
/// distance and date the user types is stored as a whole number (halves to even), so only the
/// code 3802 share that the automatic split sets may carry cents. The last three fields are also
/// written by the calculation.
struct CompanyCarRecord
{
    std::string CCRegNumber; ///< a vehicle without one is locked in the window
    std::string CCMake;
    std::string CCModel;
    std::string YearOfManfact;               ///< free text
    double CCPrice = 0.0;                    ///< price including VAT, on which the benefit is based
    bool MaintIncluded = false;              ///< sold with a maintenance plan
    CalendarDate CCStartDate = TaxYearStart; ///< first day of use in the tax year
    CalendarDate CCEndDate = TaxYearEnd;     ///< last day of use in the tax year
    double StartMileage = 0.0;
    double EndMileage = 0.0;
    /// Distance of the period; replaced by end - start mileage when the end mileage is above 0.
    double TotalDistance = 0.0;
    double BusDistance = 0.0; ///< business distance; cut back to the total distance when larger
    bool BussMilage = false;  ///< a log book of business travel was kept
    bool SARSTable = false; ///< fuel deemed from the vehicle cost table instead of the actual cost
    double ActualExpEmployee = 0.0;  ///< actual fuel expenses paid by the employee
    double FuelReimbEmployer = 0.0;  ///< fuel expenses the employer reimbursed
    double EmpPaidInsurance = 0.0;   ///< insurance, when the employee paid all of it
    double EmpPaidLicence = 0.0;     ///< licence fees, when the employee paid all of them
    double EmpPaidMaintenance = 0.0; ///< maintenance, when the employee paid all of it
    double FB3802ThisCar = 0.0;    ///< this vehicle's part of the code 3802 total (typed or split)
    double FuelComponent = 0.0;    ///< deemed fuel cost of the whole distance (0 without the table)
    double AdjustTaxableInc = 0.0; ///< adjustment to taxable income

    bool operator==(const CompanyCarRecord&) const = default;
};

/// The values all vehicles share.
struct CompanyCarShared
{
    /// "Total code 3802 f/benefits on IRP5's": the right-of-use benefit the certificates declare,
    /// whole rands.
    double Actual3802 = 0.0;
    /// Whether the calculation splits `Actual3802` over the vehicles by their days of use.
    bool AutoCalc3802 = false;

    bool operator==(const CompanyCarShared&) const = default;
};

/// One vehicle's results of a calculation, rands unless stated; every calculation starts them
/// from 0. `FuelComponent` and `AdjustTaxableInc` are also written into the vehicle's record.
struct CompanyCarResults
{
    std::int32_t CCMonths = 0;     ///< days of use: end date - start date + 1
    double PrivateDistance = 0.0;  ///< km: total distance - business distance
    double TrueInclusion = 0.0;    ///< true inclusion amount
    double FuelComponent = 0.0;    ///< deemed fuel cost of the distance (fuel table only)
    double Arr_FuelClaim = 0.0;    ///< fuel claim adjusted for private use; may be negative
    double TotAddExpense = 0.0;    ///< insurance, licence and maintenance adjusted for private use
    double FuelExp = 0.0;          ///< fuel claim and additional expenses together
    double AdjustTaxableInc = 0.0; ///< adjustment to taxable income (SARS's claim at price 0)
    double SARSDeductionClaim = 0.0; ///< SARS's claim awarded against taxable income
    double IRP53802 = 0.0;           ///< the IRP5 code 3802 amount for this vehicle
    double MonFB80 = 0.0;            ///< monthly fringe benefit at 80 %
    double MonFB20 = 0.0;
    double FortFB80 = 0.0; ///< fortnightly fringe benefit at 80 %; may carry cents
    double FortFB20 = 0.0;
    double WeekFB80 = 0.0; ///< weekly fringe benefit at 80 %; may carry cents
    double WeekFB20 = 0.0;

    bool operator==(const CompanyCarResults&) const = default;
};

/// The totals over all vehicles.
struct CompanyCarTotals
{
    double AdjustTaxableInc = 0.0;   ///< "Total Adjustment to taxable income"
    double SARSDeductionClaim = 0.0; ///< total of SARS's claims

    bool operator==(const CompanyCarTotals&) const = default;
};

/// An empty vehicle: neither total distance nor price. The calculation skips it.
bool isEmptyVehicle(const CompanyCarRecord& vehicle);

/// `CompCarCalc` over `vehicles` (the first element is vehicle 1) into `results` (as many):
/// every vehicle in order gets its days of use and its total distance (end - start mileage when
/// the end mileage is above 0); an empty vehicle is then skipped: its results stay 0, and its
/// adjustment, its fuel component and (with the automatic split) its code 3802 share become 0.
/// Every other vehicle gets, in this order: business distance cut to the total, private
/// distance; with the automatic split, `Actual3802` x its days / the days of all vehicles;
/// the true inclusion (3.5 % a month of the price, 3.25 % with a maintenance plan, x 12 / 36 600
/// x days, x private / total distance with a log book); the fuel component (total distance x the
/// cost table's fuel rate, fuel table only), the fuel claim and the additional expenses (x
/// private / total distance); fuel and expenses (only with a business distance); the adjustment
/// (true inclusion - fuel and expenses - code 3802 share, never below -`Actual3802`) and SARS's
/// claim (log book, business and total distance only); the IRP5 amount (x days / 365) and the
/// monthly, fortnightly and weekly benefits at 80 % and 20 %. "Round" is to whole rands, halves to
/// even. A vehicle priced 0 takes SARS's claim as its adjustment. A step whose arithmetic fails
/// (a division by a zero distance or day count) is skipped and leaves its value as it was: 0 for
/// a result, the record's previous value for a record field. Returns the totals of this
/// calculation.
CompanyCarTotals CompCarCalc(std::span<CompanyCarRecord> vehicles, const CompanyCarShared& shared,
                             std::span<CompanyCarResults> results);

/// "&Calculate": with exactly one vehicle, its code 3802 share first becomes `Actual3802`; then
/// `CompCarCalc` runs twice.
CompanyCarTotals calculateCompanyCars(std::span<CompanyCarRecord> vehicles,
                                      const CompanyCarShared& shared,
                                      std::span<CompanyCarResults> results);

/// A whole register as grovan-cli takes it: the vehicles in order (the first is vehicle 1) and
/// their shared values.
struct CompanyCarInputs
{
    std::vector<CompanyCarRecord> vehicles;
    CompanyCarShared shared;
};

/// The register after "&Calculate": the records as the calculation left them, each vehicle's
/// results and the totals.
struct CompanyCarCalculation
{
    std::vector<CompanyCarRecord> vehicles;
    std::vector<CompanyCarResults> results;
    CompanyCarTotals totals;
};

/// "&Calculate" on a copy of `inputs`.
CompanyCarCalculation calculateCompanyCars(const CompanyCarInputs& inputs);

} // namespace grovan
