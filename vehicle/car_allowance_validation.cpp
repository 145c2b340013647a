// SPDX-License-Identifier: GPL-3.0-or-later
#include "vehicle/car_allowance_validation.h"

#include "core/tax_year_dates.h"
#include "vehicle/car_allowance_fields.h"

namespace grovan {

Message singlePaymentMessage()
{
    return {"Only one amount for either Wear & Tear or Lease payments will be accepted",
            "Single Payment", MessageIcon::Error};
}

std::optional<FieldProblem> enterCarAllowanceValue(CarAllowanceInputs& inputs,
                                                   const InputBinding<CarAllowanceInputs>& binding,
                                                   const InputValue& value)
{
    const FieldDescription& field = *binding.field;
    const bool wear = &field == &kWearAndTearField;
    if (!wear && &field != &kLeasePaymentsField) {
        binding.set(inputs, value);
        return std::nullopt;
    }
    const double amount = std::get<double>(value);
    double& entered = wear ? inputs.WearAndTear : inputs.LeasePayments;
    const double other = wear ? inputs.LeasePayments : inputs.WearAndTear;
    if (amount > 0.0 && other >= 1.0) {
        entered = 0.0;
        return FieldProblem{&field, singlePaymentMessage()};
    }
    if (amount >= 0.0) {
        entered = amount;
    }
    return std::nullopt;
}

WindowReply refuseCarAllowanceDate(CarAllowanceInputs& inputs, const FieldDescription& dateField,
                                   bool windowVisible)
{
    const bool start = &dateField == &kCarAllowanceStartDateField;
    WindowReply reply{start ? startDateMessage() : endDateMessage(inputs.startDate), nullptr};
    if (windowVisible) {
        reply.focus = &dateField;
    } else if (start) {
        inputs.startDate = TaxYearStart;
    } else {
        inputs.endDate = TaxYearEnd;
    }
    return reply;
}

std::optional<Message> carAllowanceRefusalMessage(const FieldDescription& field,
                                                  std::optional<double>,
                                                  const CarAllowanceInputs& current)
{
    if (&field == &kCarAllowanceStartDateField) {
        return startDateMessage();
    }
    if (&field == &kCarAllowanceEndDateField) {
        return endDateMessage(current.startDate);
    }
    return std::nullopt;
}

std::optional<FieldProblem> validateCarAllowanceInputs(const CarAllowanceInputs& inputs)
{
    if (inputs.WearAndTear >= 1.0 && inputs.LeasePayments >= 1.0) {
        return FieldProblem{&kLeasePaymentsField, singlePaymentMessage()};
    }
    if (auto message = checkStartDate(inputs.startDate, TaxYearEnd)) {
        return FieldProblem{&kCarAllowanceStartDateField, std::move(*message)};
    }
    if (auto message = checkEndDate(inputs.endDate, inputs.startDate)) {
        return FieldProblem{&kCarAllowanceEndDateField, std::move(*message)};
    }
    return std::nullopt;
}

} // namespace grovan
