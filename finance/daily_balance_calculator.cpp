// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/daily_balance_calculator.h"

#include <algorithm>

namespace grovan {

void DayBalState::initialiseAll()
{
    *this = DayBalState{};
}

bool dayBalDateSet(std::int32_t dayNumber)
{
    return dayNumber >= kNoDate + 2;
}

std::optional<DayBalResults> calculateDailyBalance(const DayBalState& state)
{
    if (!dayBalDateSet(state.DayBalStart) || !dayBalDateSet(state.DayBalEnd)) {
        return std::nullopt;
    }
    DayBalResults results;
    results.days = state.DayBalEnd - state.DayBalStart;
    results.interest = state.DayBalCapital * state.DayBalRate / 100.0 * results.days / 365.0;
    return results;
}

std::pair<CalendarDate, CalendarDate> endDateRange(const DayBalState& state)
{
    if (!dayBalDateSet(state.DayBalStart)) {
        return {kEarliestDayBalDate, kLatestDayBalDate};
    }
    const CalendarDate start = CalendarDate::fromDayNumber(state.DayBalStart);
    return {start, std::min(start.addDays(kLongestSpanDays), kLatestDayBalDate)};
}

std::pair<CalendarDate, CalendarDate> startDateRange(const DayBalState& state)
{
    if (!dayBalDateSet(state.DayBalEnd)) {
        return {kEarliestDayBalDate, kLatestDayBalDate};
    }
    const CalendarDate end = CalendarDate::fromDayNumber(state.DayBalEnd);
    return {std::max(end.addDays(-kLongestSpanDays), kEarliestDayBalDate), end.addDays(-1)};
}

} // namespace grovan
