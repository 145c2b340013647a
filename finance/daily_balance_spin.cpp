// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/daily_balance_spin.h"

#include <algorithm>

namespace grovan {

SpinStep spinDayBalRate(DayBalState& state, SpinDirection direction)
{
    if (state.DayBalRate == 0.0) {
        return {};
    }
    SpinStep step{true, false, true};
    if (direction == SpinDirection::Up) {
        state.DayBalRate = state.DayBalRate + state.DayBalRateStep;
        if (state.DayBalRate > kHighestDayBalRate) {
            state.DayBalRate = state.DayBalRateStep;
        }
    } else {
        state.DayBalRate = state.DayBalRate - state.DayBalRateStep;
        if (state.DayBalRate <= 0.0) {
            step.beep = true;
            state.DayBalRate = kHighestDayBalRate;
        }
    }
    return step;
}

SpinStep spinDayBalDate(DayBalState& state, SpinDirection direction)
{
    if (!dayBalDateSet(state.DayBalStart)) {
        return {};
    }
    const std::int32_t start = state.DayBalStart;
    const std::int32_t latest = endDateRange(state).second.dayNumber();
    if (!dayBalDateSet(state.DayBalEnd)) {
        state.DayBalEnd = direction == SpinDirection::Up ? std::min(start + 1, latest) : start;
        return {true, false, false};
    }
    if (direction == SpinDirection::Up) {
        if (state.DayBalEnd >= latest) {
            return {false, true, false};
        }
        ++state.DayBalEnd;
        return {true, false, false};
    }
    if (state.DayBalEnd <= start) {
        const bool moved = state.DayBalEnd != start;
        state.DayBalEnd = start;
        return {moved, false, false};
    }
    --state.DayBalEnd;
    return {true, false, false};
}

} // namespace grovan
