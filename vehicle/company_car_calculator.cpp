// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/company_car_calculator.h"

#include "core/rounding.h"
#include "vehicle/vehicle_cost_table.h"

#include <cmath>
#include <optional>

namespace grovan {

namespace {

double Round(double value)
{
    return roundHalfEven(value, 0);
}

// A quotient the program can work with; nothing when the division fails (a zero divisor, or a
// result that is no number), so that the step using it is skipped.
std::optional<double> quotient(double dividend, double divisor)
{
    if (divisor == 0.0) {
        return std::nullopt;
    }
    const double q = dividend / divisor;
    if (!std::isfinite(q)) {
        return std::nullopt;
    }
    return q;
}

// The step's result goes into `target` unless its arithmetic failed.
void store(double& target, double value)
{
    if (std::isfinite(value)) {
        target = value;
    }
}

std::int32_t daysOfUse(const CompanyCarRecord& v)
{
    return v.CCEndDate.daysSince(v.CCStartDate) + 1;
}

void calculateVehicle(CompanyCarRecord& v, const CompanyCarShared& shared, std::int64_t allDays,
                      CompanyCarResults& r)
{
    if (v.BusDistance > v.TotalDistance) {
        v.BusDistance = v.TotalDistance;
    }
    r.PrivateDistance = v.TotalDistance - v.BusDistance;

    if (shared.AutoCalc3802) {
        if (const auto part = quotient(r.CCMonths, static_cast<double>(allDays))) {
            store(v.FB3802ThisCar, *part * shared.Actual3802);
        }
    }

    const std::optional<double> privateShare = quotient(r.PrivateDistance, v.TotalDistance);
    const double monthlyPercent = v.MaintIncluded ? 3.25 : 3.5;
    // 36 600 as the calculation has always had it (366 days x 100), where the IRP5 amount below
    // divides by 365.
    const double inclusion = monthlyPercent * 12.0 / 36600.0 * v.CCPrice * r.CCMonths;
    if (!v.BussMilage) {
        store(r.TrueInclusion, Round(inclusion));
    } else if (privateShare) {
        store(r.TrueInclusion, Round(inclusion * *privateShare));
    }

    if (v.SARSTable) {
        store(v.FuelComponent, Round(v.TotalDistance * vehicleCostRow(v.CCPrice).fuelCost));
        if (privateShare) {
            store(r.Arr_FuelClaim, Round((v.FuelComponent - v.FuelReimbEmployer) * *privateShare));
        }
    } else {
        v.FuelComponent = 0.0;
        if (privateShare) {
            store(r.Arr_FuelClaim,
                  Round((v.ActualExpEmployee - v.FuelReimbEmployer) * *privateShare));
        }
    }
    r.FuelComponent = v.FuelComponent;
    if (privateShare) {
        store(
            r.TotAddExpense,
            Round((v.EmpPaidInsurance + v.EmpPaidLicence + v.EmpPaidMaintenance) * *privateShare));
    }
    r.FuelExp = v.BusDistance > 0.0 ? Round(r.Arr_FuelClaim + r.TotAddExpense) : 0.0;

    double adjustment = Round(r.TrueInclusion - r.FuelExp - v.FB3802ThisCar);
    if (adjustment < -shared.Actual3802) {
        adjustment = -shared.Actual3802;
    }
    store(v.AdjustTaxableInc, adjustment);
    if (v.BusDistance > 0.0 && v.TotalDistance > 0.0 && v.BussMilage) {
        store(r.SARSDeductionClaim,
              -(v.BusDistance / v.TotalDistance * v.FB3802ThisCar + r.FuelExp));
    }

    const double monthlyRate = v.MaintIncluded ? 0.0325 : 0.035;
    const double month = v.CCPrice * monthlyRate;
    store(r.IRP53802, Round(month * 12.0 * (r.CCMonths / 365.0)));
    // The monthly amounts are rounded after the share is taken, the fortnightly and weekly ones
    // before it, so that these may carry cents.
    store(r.MonFB80, Round(month * 0.8));
    store(r.MonFB20, Round(month * 0.2));
    const double fortnight = Round(month * 12.0 / 26.0);
    store(r.FortFB80, fortnight * 0.8);
    store(r.FortFB20, fortnight * 0.2);
    const double week = Round(month * 12.0 / 52.0);
    store(r.WeekFB80, week * 0.8);
    store(r.WeekFB20, week * 0.2);

    // A vehicle without a price has no benefit of its own: what remains is SARS's claim.
    if (v.CCPrice == 0.0) {
        v.AdjustTaxableInc = r.SARSDeductionClaim;
    }
    r.AdjustTaxableInc = v.AdjustTaxableInc;
}

} // namespace

bool isEmptyVehicle(const CompanyCarRecord& vehicle)
{
    return vehicle.TotalDistance == 0.0 && vehicle.CCPrice == 0.0;
}

CompanyCarTotals CompCarCalc(std::span<CompanyCarRecord> vehicles, const CompanyCarShared& shared,
                             std::span<CompanyCarResults> results)
{
    std::int64_t allDays = 0;
    for (const CompanyCarRecord& v : vehicles) {
        allDays += daysOfUse(v);
    }
    CompanyCarTotals totals;
    for (std::size_t i = 0; i < vehicles.size(); ++i) {
        CompanyCarRecord& v = vehicles[i];
        CompanyCarResults& r = results[i];
        r = CompanyCarResults{};
        r.CCMonths = daysOfUse(v);
        if (v.EndMileage > 0.0) {
            v.TotalDistance = v.EndMileage - v.StartMileage;
        }
        if (isEmptyVehicle(v)) {
            // Nothing to work out for this vehicle; the others are still calculated.
            if (shared.AutoCalc3802) {
                v.FB3802ThisCar = 0.0;
            }
            v.FuelComponent = 0.0;
            v.AdjustTaxableInc = 0.0;
        } else {
            calculateVehicle(v, shared, allDays, r);
        }
        totals.AdjustTaxableInc += v.AdjustTaxableInc;
        totals.SARSDeductionClaim += r.SARSDeductionClaim;
    }
    return totals;
}

CompanyCarTotals calculateCompanyCars(std::span<CompanyCarRecord> vehicles,
                                      const CompanyCarShared& shared,
                                      std::span<CompanyCarResults> results)
{
    if (vehicles.size() == 1) {
        vehicles.front().FB3802ThisCar = shared.Actual3802;
    }
    CompCarCalc(vehicles, shared, results);
    return CompCarCalc(vehicles, shared, results);
}

CompanyCarCalculation calculateCompanyCars(const CompanyCarInputs& inputs)
{
    CompanyCarCalculation out{
        inputs.vehicles, std::vector<CompanyCarResults>(inputs.vehicles.size()), {}};
    out.totals = calculateCompanyCars(out.vehicles, inputs.shared, out.results);
    return out;
}

} // namespace grovan
