// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/car_allowance_calculator.h"

#include "core/rounding.h"
#include "vehicle/vehicle_cost_table.h"

#include <algorithm>

namespace grovan {

namespace {

constexpr double kDaysInYear = 365.0;

// The parts cut here are never negative, so cutting towards zero is rounding down.
double cutToCents(double km)
{
    return cutToDecimals(km, 2);
}

// Deemed private distance of a full year, scaled to the period.
double deemedPrivateKm(std::int32_t days)
{
    return 18000.0 * days / kDaysInYear;
}

void limitToAllowance(const CarAllowanceInputs& in, CarAllowanceResults& r)
{
    const double limit = in.AllowanceReceived != 0.0 ? in.AllowanceReceived : kNoAllowanceLimit;
    if (r.DeductionClaim > limit) {
        r.DeductionClaim = limit;
    }
}

void applySplit(const CarAllowanceInputs& in, CarAllowanceResults& r)
{
    r.TotalKm = in.CloseKmReading - in.OpenKmReading;
    const DistanceSplit split = splitDistance(r.TotalKm, in.BusinessKm, r.PeriodDays);
    r.ResultBusinessKm = split.business;
    r.ResultPrivateKm = split.privateKm;
}

void clearDeemedResults(CarAllowanceResults& r)
{
    r.ResultBusinessKm = 0.0;
    r.ResultPrivateKm = 0.0;
    r.TotalKm = 0.0;
    r.FixedCost = 0.0;
    r.FixedCentsPerKm = 0.0;
    r.FuelCentsPerKm = 0.0;
    r.MaintenanceCentsPerKm = 0.0;
    r.TotalCentsPerKm = 0.0;
    r.DeductionClaim = 0.0;
}

void deemedCost(const CarAllowanceInputs& in, CarAllowanceResults& r)
{
    applySplit(in, r);
    const VehicleCostRow& row = vehicleCostRow(in.VehicleValue);
    r.FixedCost = row.fixedCost;
    const double fuelRate = in.IncludeFuelCosts ? row.fuelCost : 0.0;
    const double maintenanceRate = in.IncludeMaintenanceCosts ? row.maintenanceCost : 0.0;

    double fixedPerKm = r.TotalKm < 1.0 ? 0.0 : r.FixedCost / r.TotalKm;
    if (r.PeriodDays > 0 && r.PeriodDays < kDaysInYear) {
        fixedPerKm *= r.PeriodDays / kDaysInYear;
    }
    r.FixedCentsPerKm = cutToDecimals(fixedPerKm, 6) * 100.0;
    r.FuelCentsPerKm = fuelRate * 100.0;
    r.MaintenanceCentsPerKm = maintenanceRate * 100.0;
    const double totalCents = r.FixedCentsPerKm + r.FuelCentsPerKm + r.MaintenanceCentsPerKm;
    r.DeductionClaim = r.ResultBusinessKm * totalCents / 100.0;
    r.TotalCentsPerKm = roundHalfEven(totalCents, 1);
    limitToAllowance(in, r);
}

void actualCost(const CarAllowanceInputs& in, CarAllowanceResults& r)
{
    r.TotalCosts = in.FuelOil + in.RepairsMaintenance + in.InsuranceLicence + in.OtherExpenses +
                   in.WearAndTear + in.LeasePayments;
    applySplit(in, r);
    if (in.CloseKmReading != 0.0 || in.OpenKmReading != 0.0 || in.BusinessKm != 0.0) {
        r.DeductionClaim = r.TotalKm > 1.0 ? r.TotalCosts * r.ResultBusinessKm / r.TotalKm : 0.0;
        r.LessPrivateUse = r.TotalCosts - r.DeductionClaim;
        limitToAllowance(in, r);
        return;
    }
    // No distance at all: the private use is deemed from the vehicle's value. Where it exceeds
    // the costs, "Less private use" shows 0 although nothing is claimed.
    const double value = in.VehicleValue;
    const double days = r.PeriodDays;
    double privateUse = value * 0.025 * 12.0 * days / kDaysInYear;
    if (value > 0.0) {
        if (in.IncludeFuelCosts) {
            privateUse -= 0.0022 * value * days / kDaysInYear * 12.0;
        }
        if (in.IncludeMaintenanceCosts) {
            privateUse -= 0.0018 * value * days / kDaysInYear * 12.0;
        }
    }
    r.LessPrivateUse = privateUse > r.TotalCosts ? 0.0 : privateUse;
    r.DeductionClaim = std::max(r.TotalCosts - privateUse, 0.0);
    if (in.AllowanceReceived != 0.0 && r.DeductionClaim > in.AllowanceReceived) {
        r.DeductionClaim = in.AllowanceReceived;
    }
}

} // namespace

DistanceSplit splitDistance(double totalKm, double typedBusinessKm, std::int32_t periodDays)
{
    const double t = totalKm;
    const double b = typedBusinessKm;
    const std::int32_t d = periodDays;
    DistanceSplit s;
    const auto typedWins = [&] {
        if (b > 0.0) {
            s.business = b;
            s.privateKm = t - b;
        }
    };
    const auto deemedPrivateAtMostTotal = [&] {
        s.privateKm = cutToCents(deemedPrivateKm(d));
        if (s.privateKm > t) {
            s.business = 0.0;
            s.privateKm = t;
        } else {
            s.business = t - s.privateKm;
        }
    };

    if (t > 32000.0) {
        s.business = 14000.0 * d / kDaysInYear;
        s.privateKm = cutToCents(t - s.business);
        typedWins();
    } else {
        deemedPrivateAtMostTotal();
    }
    if (t < 18000.0) {
        s.business = 0.0;
        s.privateKm = t;
        typedWins();
    }
    typedWins();
    if (d < kDaysInYear && t < 32001.0) {
        const double limit = 32000.0 * d / kDaysInYear;
        if (t > limit) {
            s.business = cutToCents(limit - deemedPrivateKm(d));
            s.privateKm = t - s.business;
        } else {
            deemedPrivateAtMostTotal();
        }
    }
    typedWins();
    return s;
}

void CalcCarAllowance(const CarAllowanceInputs& inputs, CarAllowanceResults& results)
{
    results.PeriodDays = inputs.endDate.daysSince(inputs.startDate) + 1;
    if (inputs.VehicleValue == 0.0 || results.PeriodDays == 0 || inputs.BusinessKm == 0.0) {
        clearDeemedResults(results);
    } else if (!inputs.AccurateRecordKept) {
        deemedCost(inputs, results);
    }
    if (inputs.AccurateRecordKept) {
        actualCost(inputs, results);
    }
}

CarAllowanceResults calculateCarAllowance(const CarAllowanceInputs& inputs)
{
    CarAllowanceResults results;
    CalcCarAllowance(inputs, results);
    return results;
}

} // namespace grovan
