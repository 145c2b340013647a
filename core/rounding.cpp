// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rounding.h"

#include "core/decimal_text.h"

#include <cmath>
#include <limits>

namespace grovan {

namespace {

double roundDecimal(double value, int decimals, HalfRule rule)
{
    if (!std::isfinite(value)) {
        return value;
    }
    DecimalText text(value);
    text.roundTo(decimals, rule);
    return text.toDouble();
}

template <typename Int> std::optional<Int> toInteger(double value)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double whole = roundHalfEven(value, 0);
    if (whole < static_cast<double>(std::numeric_limits<Int>::min()) ||
        whole > static_cast<double>(std::numeric_limits<Int>::max())) {
        return std::nullopt;
    }
    return static_cast<Int>(whole);
}

} // namespace

double roundHalfEven(double value, int decimals)
{
    return roundDecimal(value, decimals, HalfRule::ToEven);
}

double roundHalfAwayFromZero(double value, int decimals)
{
    return roundDecimal(value, decimals, HalfRule::AwayFromZero);
}

double roundedDown(double value)
{
    return std::floor(value);
}

double cutToDecimals(double value, int decimals)
{
    if (!std::isfinite(value)) {
        return value;
    }
    DecimalText text(value);
    text.truncateTo(decimals);
    return text.toDouble();
}

std::optional<std::int16_t> toInt16(double value)
{
    return toInteger<std::int16_t>(value);
}

std::optional<std::int32_t> toInt32(double value)
{
    return toInteger<std::int32_t>(value);
}

} // namespace grovan
