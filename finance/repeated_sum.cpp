// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/repeated_sum.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace grovan {

namespace {

// A total x in [2^e, 2^(e+1)) is a whole multiple of its unit in the last place u. x + step
// rounds to x plus step rounded to a multiple of u, the same amount every time, unless step lies
// exactly halfway between two multiples: then the rounding goes to the even multiple, which
// depends on x. Once x is the result of such a rounding inside the same power of two it is even,
// and adding the even amount keeps it even, so from then on the amount is the same again. Hence:
// after an addition that stays inside one power of two, measure the amount of the next one and
// add it as many times as the power of two leaves room for (with a margin of two units, so that no
// addition taken together could have rounded up to the next power of two). Every sum formed so is
// a multiple of u below 2^(e+1), so it is exact.
bool samePowerOfTwo(double a, double b)
{
    return a > 0.0 && b > 0.0 && std::ilogb(a) == std::ilogb(b);
}

} // namespace

RunningTotal::RunningTotal(double start, double step) : m_start(start), m_step(step), m_value(start)
{
    assert(start >= 0.0 && step > 0.0 && std::isfinite(start) && std::isfinite(step));
}

void RunningTotal::addOne()
{
    m_value = m_value + m_step;
    ++m_count;
    m_runs.push_back({m_count, m_value, 0.0, 1});
}

void RunningTotal::extendTo(std::uint64_t count)
{
    while (m_count < count) {
        const double before = m_value;
        addOne();
        if (!samePowerOfTwo(before, m_value)) {
            continue;
        }
        const double amount = (m_value + m_step) - m_value;
        if (!samePowerOfTwo(m_value, m_value + amount)) {
            continue;
        }
        const int exponent = std::ilogb(m_value);
        const double top = std::ldexp(1.0, exponent + 1);
        const double unit = std::ldexp(1.0, exponent - 52);
        const double room = std::floor((top - 2.0 * unit - m_value) / amount) - 1.0;
        if (room < 1.0) {
            continue;
        }
        // A step below half a unit leaves the total where it is: the room is then endless.
        const std::uint64_t together =
            std::isfinite(room) ? static_cast<std::uint64_t>(room) : count - m_count;
        m_runs.push_back({m_count + 1, m_value + amount, amount, together});
        m_value += static_cast<double>(together) * amount;
        m_count += together;
    }
}

double RunningTotal::after(std::uint64_t count)
{
    if (count == 0) {
        return m_start;
    }
    extendTo(count);
    const auto run = std::upper_bound(m_runs.begin(), m_runs.end(), count,
                                      [](std::uint64_t k, const Run& r) { return k < r.first; }) -
                     1;
    return run->value + static_cast<double>(count - run->first) * run->amount;
}

double repeatedSum(double start, double step, std::uint64_t count)
{
    return RunningTotal(start, step).after(count);
}

} // namespace grovan
