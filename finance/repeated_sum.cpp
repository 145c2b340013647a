#include "finance/repeated_sum.h"

#include <cassert>
#include <cmath>

namespace grovan {

namespace {

// A total x in [2^e, 2^(e+1)) is a whole multiple of its unit in the last place u. x + step
// rounds to x plus step rounded to a multiple of u, the same amount every time, unless step lies
// exactly halfway between two multiples: then the rounding goes to the even multiple, which
// depends on x. Once x is the result of such a rounding inside the same power of two it is even,
// and adding the even amount keeps it even, so from then on the amount is the same again. Hence:
// take an addition that stays inside one power of two, measure the amount of the next one, and
// add it as many times as the power of two leaves room for (with a margin of two units, so that no
// skipped addition could have rounded up to the next power of two).
bool samePowerOfTwo(double a, double b)
{
    return a > 0.0 && b > 0.0 && std::ilogb(a) == std::ilogb(b);
}

} // namespace

double repeatedSum(double start, double step, std::uint64_t count)
{
    assert(start >= 0.0 && step > 0.0 && std::isfinite(start) && std::isfinite(step));
    double value = start;
    while (count > 0) {
        const double before = value;
        value = value + step;
        --count;
        if (count == 0 || !samePowerOfTwo(before, value)) {
            continue;
        }
        const double amount = (value + step) - value;
        if (!samePowerOfTwo(value, value + amount)) {
            continue;
        }
        const int exponent = std::ilogb(value);
        const double top = std::ldexp(1.0, exponent + 1);
        const double unit = std::ldexp(1.0, exponent - 52);
        const double room = std::floor((top - 2.0 * unit - value) / amount) - 1.0;
        if (room < 1.0) {
            continue;
        }
        const std::uint64_t together =
            room >= static_cast<double>(count) ? count : static_cast<std::uint64_t>(room);
        value += static_cast<double>(together) * amount;
        count -= together;
    }
    return value;
}

} // namespace grovan
