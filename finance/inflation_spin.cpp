// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/inflation_spin.h"

namespace grovan {

namespace {

constexpr double kRateStep = 0.25;
constexpr double kLowestSpunRate = -5.0;
constexpr double kHighestSpunRate = 30.0;
constexpr double kLongestPeriod = 40.0;

} // namespace

SpinStep spinInflationRate(InflationState& state, SpinDirection direction)
{
    SpinStep step{true, false, true};
    if (direction == SpinDirection::Up) {
        state.InflationRate = state.InflationRate + kRateStep;
        step.beep = state.InflationRate == 0.0;
        if (state.InflationRate > kHighestSpunRate) {
            state.InflationRate = kLowestSpunRate;
        }
    } else {
        state.InflationRate = state.InflationRate - kRateStep;
        if (state.InflationRate < kLowestSpunRate) {
            state.InflationRate = kHighestSpunRate;
        }
    }
    return step;
}

SpinStep spinInflationPeriod(InflationState& state, SpinDirection direction)
{
    if (state.InflationYears == 0.0) {
        return {false, false, true};
    }
    SpinStep step{true, false, true};
    if (direction == SpinDirection::Up) {
        state.InflationYears = state.InflationYears + 1.0;
        if (state.InflationYears > kLongestPeriod) {
            state.InflationYears = 1.0;
        }
    } else {
        state.InflationYears = state.InflationYears - 1.0;
        if (state.InflationYears == 0.0) {
            step.beep = true;
            state.InflationYears = kLongestPeriod;
        }
    }
    return step;
}

} // namespace grovan
