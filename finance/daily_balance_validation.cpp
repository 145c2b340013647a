// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/daily_balance_validation.h"

#include "finance/daily_balance_fields.h"
#include "finance/daily_balance_spin.h"

namespace grovan {

namespace {

constexpr const char* kOutOfRangeTitle = "DATE OUT OF RANGE";

bool within(std::int32_t day, std::pair<CalendarDate, CalendarDate> range)
{
    return day >= range.first.dayNumber() && day <= range.second.dayNumber();
}

bool fieldTakes(const FieldDescription& field, double value)
{
    return value >= field.minimum && value <= field.maximum;
}

} // namespace

Message invalidDayBalDateMessage()
{
    return {"The date entered is invalid please enter a valid date.", "INVALID DATE",
            MessageIcon::Error};
}

Message endDateOutOfRangeMessage(CalendarDate start)
{
    return {"The date entered is more than 30 years(360 months) after " + start.text() + ".",
            kOutOfRangeTitle, MessageIcon::Error};
}

Message startDateOutOfRangeMessage(CalendarDate end)
{
    return {"The date entered is more than 30 years(360 months) before " + end.text() + ".",
            kOutOfRangeTitle, MessageIcon::Error};
}

Message maximumDayBalRateMessage()
{
    return {"The maximum Interest Rate allowed is 40%", "Incorrect Interest Rate!",
            MessageIcon::Error};
}

std::optional<Message> dailyBalanceRefusalMessage(const FieldDescription& field,
                                                  std::optional<double> rejected,
                                                  const DayBalState& current)
{
    const bool start = &field == &dayBalStartDateField();
    const bool end = &field == &dayBalEndDateField();
    if (start || end) {
        if (!rejected || !fieldTakes(field, *rejected)) {
            return invalidDayBalDateMessage();
        }
        if (start && dayBalDateSet(current.DayBalEnd)) {
            return startDateOutOfRangeMessage(CalendarDate::fromDayNumber(current.DayBalEnd));
        }
        if (end && dayBalDateSet(current.DayBalStart)) {
            return endDateOutOfRangeMessage(CalendarDate::fromDayNumber(current.DayBalStart));
        }
        return invalidDayBalDateMessage();
    }
    if (&field == &dayBalRateField()) {
        return maximumDayBalRateMessage();
    }
    return std::nullopt;
}

std::optional<FieldProblem> validateDailyBalanceInputs(const DayBalState& state)
{
    const FieldDescription& start = dayBalStartDateField();
    const FieldDescription& end = dayBalEndDateField();
    if (!dayBalDateSet(state.DayBalStart) || !fieldTakes(start, state.DayBalStart)) {
        return FieldProblem{&start, invalidDayBalDateMessage()};
    }
    if (!dayBalDateSet(state.DayBalEnd) || !fieldTakes(end, state.DayBalEnd)) {
        return FieldProblem{&end, invalidDayBalDateMessage()};
    }
    if (!within(state.DayBalEnd, endDateRange(state))) {
        return FieldProblem{
            &end, endDateOutOfRangeMessage(CalendarDate::fromDayNumber(state.DayBalStart))};
    }
    const FieldDescription& rate = dayBalRateField();
    if (!fieldTakes(rate, state.DayBalRate)) {
        return FieldProblem{&rate, maximumDayBalRateMessage()};
    }
    return std::nullopt;
}

} // namespace grovan
