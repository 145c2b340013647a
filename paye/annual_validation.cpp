// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/annual_validation.h"

#include "paye/annual_fields.h"

namespace grovan {

Message tooManyBeneficiariesMessage()
{
    return {"Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!",
            kProgramTitle, MessageIcon::None};
}

std::optional<Message> limitBeneficiaries(std::int16_t& count)
{
    if (count > kMostBeneficiaries) {
        count = kMostBeneficiaries;
        return tooManyBeneficiariesMessage();
    }
    return std::nullopt;
}

std::vector<FieldProblem> duplicateMarch(AnnualInputs& inputs)
{
    std::vector<FieldProblem> problems;
    for (int month = 1; month <= 12; ++month) {
        if (auto message = limitBeneficiaries(inputs.beneficiaries[month])) {
            problems.push_back({&annualBeneficiariesField(month), std::move(*message)});
        }
    }
    for (int month = 1; month <= 12; ++month) {
        inputs.beneficiaries[month] = inputs.beneficiaries[3];
    }
    return problems;
}

std::optional<Message> annualRefusalMessage(const FieldDescription& field,
                                            std::optional<double> value,
                                            const AnnualInputs& current)
{
    if (&field == &annualStartDateField()) {
        return startDateMessage();
    }
    if (&field == &annualEndDateField()) {
        return endDateMessage(current.startDate);
    }
    for (int month = 1; month <= 12; ++month) {
        if (&field == &annualBeneficiariesField(month) && value && *value > kMostBeneficiaries) {
            return tooManyBeneficiariesMessage();
        }
    }
    return std::nullopt;
}

std::optional<FieldProblem> validateAnnualInputs(const AnnualInputs& inputs)
{
    for (const int month : kTaxYearMonths) {
        if (inputs.beneficiaries[month] > kMostBeneficiaries) {
            return FieldProblem{&annualBeneficiariesField(month), tooManyBeneficiariesMessage()};
        }
    }
    if (auto message = checkStartDate(inputs.startDate, TaxYearEnd)) {
        return FieldProblem{&annualStartDateField(), std::move(*message)};
    }
    if (auto message = checkEndDate(inputs.endDate, inputs.startDate)) {
        return FieldProblem{&annualEndDateField(), std::move(*message)};
    }
    return std::nullopt;
}

} // namespace grovan
