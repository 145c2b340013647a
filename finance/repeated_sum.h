#pragma once
// The value a running total reaches when a step is added to it over and over in double precision,
// found without doing every addition.

#include <cstdint>

namespace grovan {

/// What `for (k times) value = value + step;` leaves in `value`, bit for bit, with each addition
/// rounded to double precision as it goes (so 0 + 0.1 added ten times is 0.9999999999999999, not
/// 1). Preconditions: `start` >= 0 and `step` > 0, both finite. Takes a few additions for each
/// power of two the total passes, however large `count` is: within one power of two every
/// addition adds the same amount, so those additions are taken together.
double repeatedSum(double start, double step, std::uint64_t count);

} // namespace grovan
