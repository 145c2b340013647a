// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/company_car_validation.h"

#include "core/tax_year_dates.h"
#include "vehicle/company_car_fields.h"

namespace grovan {

Message periodOfUseMessage()
{
    return {"The period of use may only be between 1 and 12 months", "Incorrect period of use!",
            MessageIcon::Error};
}

Message closingDatesMessage()
{
    return {"The dates entered are not correct please enter a dates between " +
                TaxYearStart.text() + " and " + TaxYearEnd.text(),
            "Incorrect Date", MessageIcon::Error};
}

Message registerFullMessage()
{
    return {"The register holds at most 32 767 vehicles; no more can be added.", kProgramTitle,
            MessageIcon::Information};
}

std::optional<Message> companyCarRefusalMessage(const FieldDescription& field,
                                                std::optional<double>,
                                                const CompanyCarRecord& current)
{
    if (&field == &kCarStartDateField) {
        return startDateMessage();
    }
    if (&field == &kCarEndDateField) {
        return endDateMessage(current.CCStartDate);
    }
    if (&field == &kCarDaysField) {
        return periodOfUseMessage();
    }
    return std::nullopt;
}

std::optional<FieldProblem> validateCompanyCar(const CompanyCarRecord& vehicle)
{
    if (auto message = checkStartDate(vehicle.CCStartDate, TaxYearEnd)) {
        return FieldProblem{&kCarStartDateField, std::move(*message)};
    }
    if (auto message = checkEndDate(vehicle.CCEndDate, vehicle.CCStartDate)) {
        return FieldProblem{&kCarEndDateField, std::move(*message)};
    }
    return std::nullopt;
}

std::optional<CompanyCarProblem> validateCompanyCarInputs(const CompanyCarInputs& inputs)
{
    if (inputs.vehicles.size() > kMostCompanyCars) {
        return CompanyCarProblem{0, {nullptr, registerFullMessage()}};
    }
    for (std::size_t i = 0; i < inputs.vehicles.size(); ++i) {
        if (auto problem = validateCompanyCar(inputs.vehicles[i])) {
            return CompanyCarProblem{i + 1, std::move(*problem)};
        }
    }
    return std::nullopt;
}

} // namespace grovan
