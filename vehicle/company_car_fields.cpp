// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/company_car_fields.h"

#include <array>

namespace grovan {

namespace {

using Car = CompanyCarRecord;
using Shared = CompanyCarShared;
using Out = CompanyCarResults;
using Totals = CompanyCarTotals;

constexpr std::array<InputBinding<Car>, 20> kVehicle{
    bindMember<Car, &Car::CCRegNumber>(kRegNumberField),
    bindMember<Car, &Car::CCMake>(kCarMakeField),
    bindMember<Car, &Car::CCModel>(kCarModelField),
    bindMember<Car, &Car::YearOfManfact>(kYearOfManufactureField),
    bindMember<Car, &Car::CCPrice>(kCarPriceField),
    bindMember<Car, &Car::MaintIncluded>(kMaintIncludedField),
    bindMember<Car, &Car::CCStartDate>(kCarStartDateField),
    bindMember<Car, &Car::CCEndDate>(kCarEndDateField),
    bindMember<Car, &Car::StartMileage>(kStartMileageField),
    bindMember<Car, &Car::EndMileage>(kEndMileageField),
    bindMember<Car, &Car::TotalDistance>(kCarTotalDistanceField),
    bindMember<Car, &Car::BusDistance>(kCarBusDistanceField),
    bindMember<Car, &Car::BussMilage>(kLogBookField),
    bindMember<Car, &Car::ActualExpEmployee>(kActualFuelField),
    bindMember<Car, &Car::SARSTable>(kFuelTableField),
    bindMember<Car, &Car::FuelReimbEmployer>(kFuelReimbursedField),
    bindMember<Car, &Car::EmpPaidInsurance>(kInsuranceField),
    bindMember<Car, &Car::EmpPaidLicence>(kLicenceField),
    bindMember<Car, &Car::EmpPaidMaintenance>(kMaintenanceField),
    bindMember<Car, &Car::FB3802ThisCar>(kFb3802ThisCarField),
};

constexpr std::array<InputBinding<Shared>, 2> kShared{
    bindMember<Shared, &Shared::Actual3802>(kActual3802Field),
    bindMember<Shared, &Shared::AutoCalc3802>(kAutoCalc3802Field),
};

constexpr std::array<ResultBinding<Out>, 17> kResults{
    bindResultMember<Out, &Out::CCMonths>(kCarDaysField),
    bindResultMember<Out, &Out::PrivateDistance>(kCarPrivateDistanceField),
    bindResultMember<Out, &Out::FuelComponent>(kFuelComponentField),
    bindResultMember<Out, &Out::Arr_FuelClaim>(kFuelClaimField),
    bindResultMember<Out, &Out::TotAddExpense>(kAdditionalExpensesField),
    bindResultMember<Out, &Out::TrueInclusion>(kTrueInclusionField),
    bindResultMember<Out, &Out::TrueInclusion>(kTrueInclusionAgainField),
    bindResultMember<Out, &Out::FuelExp>(kFuelAndExpensesField),
    bindResultMember<Out, &Out::AdjustTaxableInc>(kAdjustmentField),
    bindResultMember<Out, &Out::SARSDeductionClaim>(kSarsClaimField),
    bindResultMember<Out, &Out::IRP53802>(kIrp53802Field),
    bindResultMember<Out, &Out::MonFB80>(kMonthly80Field),
    bindResultMember<Out, &Out::MonFB20>(kMonthly20Field),
    bindResultMember<Out, &Out::FortFB80>(kFortnightly80Field),
    bindResultMember<Out, &Out::FortFB20>(kFortnightly20Field),
    bindResultMember<Out, &Out::WeekFB80>(kWeekly80Field),
    bindResultMember<Out, &Out::WeekFB20>(kWeekly20Field),
};

constexpr std::array<ResultBinding<Totals>, 2> kTotals{
    bindResultMember<Totals, &Totals::AdjustTaxableInc>(kTotalAdjustmentField),
    bindResultMember<Totals, &Totals::SARSDeductionClaim>(kTotalSarsClaimField),
};

} // namespace

std::span<const InputBinding<CompanyCarRecord>> companyCarVehicleBindings()
{
    return kVehicle;
}

std::span<const InputBinding<CompanyCarShared>> companyCarSharedBindings()
{
    return kShared;
}

std::span<const ResultBinding<CompanyCarResults>> companyCarResultBindings()
{
    return kResults;
}

std::span<const ResultBinding<CompanyCarTotals>> companyCarTotalBindings()
{
    return kTotals;
}

} // namespace grovan
