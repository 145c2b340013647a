// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inflation projection: what an item that costs a given amount today costs after some years of
// constant inflation, and what today's amount is worth in money of the end of that time.

#include <vector>

namespace grovan {

/// The inflation window's application-wide values; they survive closing the window. Rands
/// (whole), years (whole) and percent a year (from -5 to 40), held as doubles.
struct InflationState
{
    double PresentCost = 0.0;
    double InflationYears = 0.0;
    double InflationRate = 0.0;
    double FutureCost = 0.0;  ///< the projected cost after the period
    double BuyingPower = 0.0; ///< today's amount in money of the end of the period

    /// "&Initialise All" (and start-up): every value becomes 0.
    void initialiseAll();
};

/// The largest future cost the window shows and prints.
inline constexpr double kLargestShownCost = 9999999999.0;

/// What the window shows after a projection. Rands, unrounded (shown as whole numbers).
struct InflationResults
{
    double FutureCost = 0.0;  ///< `numAns1`
    double BuyingPower = 0.0; ///< `numAns2`
    /// The label "Amount too large to display" stands instead of `numAns1` when the future cost
    /// is above 9 999 999 999.
    bool tooLarge = false;
};

/// The projection ("&Calculate", every activation and every spin click): starting from the
/// present cost, once a year for each year of the period, cost = cost + cost x rate / 100 and
/// buying power = buying power - buying power x rate / (rate + 100). So after n years the cost is
/// the present cost x (1 + rate/100)^n and the buying power the present cost / (1 + rate/100)^n,
/// accumulated year by year. Stores both in `state`.
InflationResults projectInflation(InflationState& state);

/// `projectInflation` on a copy: the figures for these values, `state` unchanged.
InflationResults calculateInflation(const InflationState& state);

/// One year of the projection: the cost and buying power at the end of year `year` (year 0 is
/// today).
struct InflationYear
{
    int year = 0;
    double futureCost = 0.0;
    double buyingPower = 0.0;
};

/// The projection year by year for the years `fromYear` to `toYear` (0 to 40, the period field's
/// range), accumulated as `projectInflation` does, so the row of year n holds the figures a
/// period of n years gives. Nothing when the range is empty or outside 0 to 40.
std::vector<InflationYear> inflationYearByYear(const InflationState& state, int fromYear,
                                               int toYear);

} // namespace grovan
