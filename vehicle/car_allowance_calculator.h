// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The travel (car) allowance calculator: the deduction an employee who receives a travel
// allowance may set off against it, on the actual costs of the vehicle when an accurate record
// was kept, or on the deemed cost a kilometre of the vehicle cost table when none was.

#include "core/calendar_date.h"
#include "core/tax_year.h"

#include <cstdint>
#include <string>

namespace grovan {

/// The car allowance window's inputs. Amounts are rands and distances kilometres, each a whole
/// number as the fields store them (typed values are rounded, halves to even). Everything but
/// the dates and the employee name belongs to `CarAllowanceState` and outlives the window.
struct CarAllowanceInputs
{
    std::string CarDescription;      ///< "Car :"
    bool AccurateRecordKept = false; ///< "&Yes": actual costs; "&No": deemed cost
    double VehicleValue = 0.0;       ///< original value of the vehicle
    double AllowanceReceived = 0.0;  ///< 0: no allowance entered (the claim is then not limited)
    double CloseKmReading = 0.0;
    double OpenKmReading = 0.0;
    double BusinessKm = 0.0; ///< business distance as typed; 0 lets the distance split decide
    double FuelOil = 0.0;
    double RepairsMaintenance = 0.0;
    double InsuranceLicence = 0.0;
    double OtherExpenses = 0.0;
    double WearAndTear = 0.0;   ///< excludes lease payments (only one of the two may be 1 or more)
    double LeasePayments = 0.0; ///< excludes wear and tear
    bool IncludeFuelCosts = true;
    bool IncludeMaintenanceCosts = true;
    /// The period, held by the window alone: the tax year each time the window opens.
    CalendarDate startDate = TaxYearStart;
    CalendarDate endDate = TaxYearEnd;
    /// The print panel's employee name, at most 50 characters; only the printout uses it.
    std::string employeeName;

    bool operator==(const CarAllowanceInputs&) const = default;
};

/// The car allowance results. Distances in kilometres (the split is cut to cents of a
/// kilometre), amounts in rands, rates in cents a kilometre; nothing else is rounded except
/// `TotalCentsPerKm`.
struct CarAllowanceResults
{
    std::int32_t PeriodDays = 0;        ///< end date - start date + 1
    double ResultBusinessKm = 0.0;      ///< business distance of the split
    double ResultPrivateKm = 0.0;       ///< private distance of the split
    double TotalKm = 0.0;               ///< close reading - open reading
    double TotalCosts = 0.0;            ///< actual costs: the six cost amounts together
    double LessPrivateUse = 0.0;        ///< actual costs: the part not claimed
    double DeductionClaim = 0.0;        ///< the deduction, at most the allowance received
    double FixedCost = 0.0;             ///< deemed cost: rands a year, from the vehicle cost table
    double FixedCentsPerKm = 0.0;       ///< deemed cost: the fixed cost spread over the distance
    double FuelCentsPerKm = 0.0;        ///< deemed cost: 0 when fuel costs are not included
    double MaintenanceCentsPerKm = 0.0; ///< deemed cost: 0 when maintenance is not included
    /// Deemed cost: fixed + fuel + maintenance, rounded to one decimal (halves to even) once the
    /// claim has been worked out from the unrounded sum.
    double TotalCentsPerKm = 0.0;

    bool operator==(const CarAllowanceResults&) const = default;
};

/// The business and private parts of the distance travelled, in kilometres.
struct DistanceSplit
{
    double business = 0.0;
    double privateKm = 0.0;
};

/// The distance split both methods share. `totalKm` is T, the distance travelled; `typedBusinessKm`
/// the business distance as typed (b, which always wins when above 0); `periodDays` d. Without a
/// typed business distance a full year deems 18 000 km private, at most T; above 32 000 km the
/// business part is 14 000 km; below 18 000 km all of it is private; a part year scales 18 000
/// and 32 000 by d / 365. Computed parts are cut down to cents of a kilometre.
DistanceSplit splitDistance(double totalKm, double typedBusinessKm, std::int32_t periodDays);

/// The limit of the deduction when no allowance was entered.
inline constexpr double kNoAllowanceLimit = 9999999.97;

/// `CalcCarAllowance`: works out the period's days, then the deemed-cost method (no accurate
/// record, and a vehicle value, period and typed business distance all given; otherwise the
/// deemed-cost results become 0) or the actual-cost method (an accurate record). Results the
/// method does not set keep what `results` held, as the window keeps showing them.
void CalcCarAllowance(const CarAllowanceInputs& inputs, CarAllowanceResults& results);

/// `CalcCarAllowance` from zero results, as grovan-cli calculates a case. Preconditions: the
/// inputs pass `validateCarAllowanceInputs`.
CarAllowanceResults calculateCarAllowance(const CarAllowanceInputs& inputs);

} // namespace grovan
