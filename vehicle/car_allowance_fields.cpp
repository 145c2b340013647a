// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/car_allowance_fields.h"

#include <array>

namespace grovan {

namespace {

using In = CarAllowanceInputs;
using Out = CarAllowanceResults;

constexpr std::array<InputBinding<In>, 18> kInputs{
    bindMember<In, &In::CarDescription>(kCarDescriptionField),
    bindMember<In, &In::AccurateRecordKept>(kAccurateRecordField),
    bindMember<In, &In::VehicleValue>(kVehicleValueField),
    bindMember<In, &In::AllowanceReceived>(kAllowanceReceivedField),
    bindMember<In, &In::CloseKmReading>(kCloseKmField),
    bindMember<In, &In::OpenKmReading>(kOpenKmField),
    bindMember<In, &In::BusinessKm>(kBusinessKmField),
    bindMember<In, &In::FuelOil>(kFuelOilField),
    bindMember<In, &In::RepairsMaintenance>(kRepairsField),
    bindMember<In, &In::InsuranceLicence>(kInsuranceLicenceField),
    bindMember<In, &In::OtherExpenses>(kOtherExpensesField),
    bindMember<In, &In::WearAndTear>(kWearAndTearField),
    bindMember<In, &In::LeasePayments>(kLeasePaymentsField),
    bindMember<In, &In::IncludeFuelCosts>(kIncludeFuelField),
    bindMember<In, &In::IncludeMaintenanceCosts>(kIncludeMaintenanceField),
    bindMember<In, &In::startDate>(kCarAllowanceStartDateField),
    bindMember<In, &In::endDate>(kCarAllowanceEndDateField),
    bindMember<In, &In::employeeName>(kCarAllowanceEmployeeNameField),
};

constexpr std::array<ResultBinding<Out>, 12> kResults{
    bindResultMember<Out, &Out::PeriodDays>(kPeriodDaysField),
    bindResultMember<Out, &Out::ResultBusinessKm>(kResultBusinessKmField),
    bindResultMember<Out, &Out::ResultPrivateKm>(kResultPrivateKmField),
    bindResultMember<Out, &Out::TotalKm>(kTotalKmField),
    bindResultMember<Out, &Out::TotalCosts>(kTotalCostsField),
    bindResultMember<Out, &Out::LessPrivateUse>(kLessPrivateUseField),
    bindResultMember<Out, &Out::DeductionClaim>(kDeductionClaimField),
    bindResultMember<Out, &Out::FixedCost>(kFixedCostField),
    bindResultMember<Out, &Out::FixedCentsPerKm>(kFixedCentsField),
    bindResultMember<Out, &Out::FuelCentsPerKm>(kFuelCentsField),
    bindResultMember<Out, &Out::MaintenanceCentsPerKm>(kMaintenanceCentsField),
    bindResultMember<Out, &Out::TotalCentsPerKm>(kTotalCentsField),
};

} // namespace

std::span<const InputBinding<CarAllowanceInputs>> carAllowanceInputBindings()
{
    return kInputs;
}

std::span<const ResultBinding<CarAllowanceResults>> carAllowanceResultBindings()
{
    return kResults;
}

} // namespace grovan
