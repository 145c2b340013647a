// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/inflation_calculator.h"

namespace grovan {

namespace {

constexpr int kLongestPeriodYears = 40;

// One year more of the projection.
void projectOneYear(double rate, double& cost, double& buyingPower)
{
    cost = cost + cost * rate / 100.0;
    buyingPower = buyingPower - buyingPower * rate / (rate + 100.0);
}

} // namespace

void InflationState::initialiseAll()
{
    *this = InflationState{};
}

InflationResults projectInflation(InflationState& state)
{
    state.FutureCost = state.PresentCost;
    state.BuyingPower = state.PresentCost;
    for (int year = 1; year <= state.InflationYears; ++year) {
        projectOneYear(state.InflationRate, state.FutureCost, state.BuyingPower);
    }
    return {state.FutureCost, state.BuyingPower, state.FutureCost > kLargestShownCost};
}

InflationResults calculateInflation(const InflationState& state)
{
    InflationState copy = state;
    return projectInflation(copy);
}

std::vector<InflationYear> inflationYearByYear(const InflationState& state, int fromYear,
                                               int toYear)
{
    std::vector<InflationYear> years;
    if (fromYear < 0 || toYear > kLongestPeriodYears || fromYear > toYear) {
        return years;
    }
    double cost = state.PresentCost;
    double buyingPower = state.PresentCost;
    for (int year = 0; year <= toYear; ++year) {
        if (year > 0) {
            projectOneYear(state.InflationRate, cost, buyingPower);
        }
        if (year >= fromYear) {
            years.push_back({year, cost, buyingPower});
        }
    }
    return years;
}

} // namespace grovan
