// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/monthly_validation.h"

#include "paye/annual_validation.h"
#include "paye/monthly_fields.h"

namespace grovan {

namespace {

constexpr const char* kDateTitle = "Incorrect Date";

bool inTaxYear(CalendarDate date)
{
    return date >= TaxYearStart && date <= TaxYearEnd;
}

} // namespace

Message monthMismatchMessage()
{
    return {"The Start and End dates entered must be for the same Month", kDateTitle,
            MessageIcon::Error};
}

Message startAfterEndMessage()
{
    return {"The Start date entered must be before the End date", kDateTitle, MessageIcon::Error};
}

std::optional<Message> checkMonthlyStartDate(std::optional<CalendarDate> date)
{
    if (!date || !inTaxYear(*date)) {
        return startDateMessage();
    }
    return std::nullopt;
}

std::optional<Message> checkMonthlyEndDate(std::optional<CalendarDate> date, CalendarDate start)
{
    if (!date || !inTaxYear(*date)) {
        return endDateMessage(start);
    }
    return std::nullopt;
}

std::optional<FieldProblem> checkMonthlyPeriod(const MonthlyInputs& inputs)
{
    if (inputs.startDate.month() != inputs.endDate.month()) {
        return FieldProblem{&monthlyEndDateField(), monthMismatchMessage()};
    }
    if (inputs.startDate.day() > inputs.endDate.day()) {
        return FieldProblem{&monthlyStartDateField(), startAfterEndMessage()};
    }
    return std::nullopt;
}

std::optional<Message> monthlyRefusalMessage(const FieldDescription& field, std::optional<double>,
                                             const MonthlyInputs& current)
{
    if (&field == &monthlyStartDateField()) {
        return startDateMessage();
    }
    if (&field == &monthlyEndDateField()) {
        return endDateMessage(current.startDate);
    }
    return std::nullopt;
}

std::optional<FieldProblem> validateMonthlyInputs(const MonthlyInputs& inputs)
{
    if (auto message = checkMonthlyStartDate(inputs.startDate)) {
        return FieldProblem{&monthlyStartDateField(), std::move(*message)};
    }
    if (auto message = checkMonthlyEndDate(inputs.endDate, inputs.startDate)) {
        return FieldProblem{&monthlyEndDateField(), std::move(*message)};
    }
    return checkMonthlyPeriod(inputs);
}

} // namespace grovan
