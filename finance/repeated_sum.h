// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value a running total reaches when a step is added to it over and over in double precision,
// found without doing every addition.

#include <cstdint>
#include <vector>

namespace grovan {

/// A running total `value = value + step`, added `count` times with each addition rounded to
/// double precision as it goes (so 0 + 0.1 added ten times is 0.9999999999999999, not 1), whose
/// value after any number of additions is found bit for bit without doing them all: within one
/// power of two every addition adds the same amount, so those additions are taken together.
/// Preconditions: `start` >= 0 and `step` > 0, both finite.
class RunningTotal
{
public:
    RunningTotal(double start, double step);

    /// The value after `count` additions. Takes a few additions for each power of two the total
    /// passes on its way there, the first time; a count already passed is looked up.
    double after(std::uint64_t count);

private:
    // From addition `first` on, the value after addition k is value + (k - first) x amount, for
    // `length` additions.
    struct Run
    {
        std::uint64_t first;
        double value;
        double amount;
        std::uint64_t length;
    };

    void extendTo(std::uint64_t count);
    void addOne();

    double m_start;
    double m_step;
    double m_value; // after m_count additions
    std::uint64_t m_count = 0;
    std::vector<Run> m_runs; // every addition from 1 to m_count, in order
};

/// The value after `count` additions of `step` to `start` (see RunningTotal).
double repeatedSum(double start, double step, std::uint64_t count);

} // namespace grovan
