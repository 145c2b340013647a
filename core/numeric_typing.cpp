// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numeric_typing.h"

#include <algorithm>

namespace grovan {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

TypedDigits countTypedDigits(std::string_view text)
{
    TypedDigits count;
    for (const char c : text) {
        if (c == '.') {
            count.point = true;
        } else if (c == '-') {
            count.minus = true;
        } else if (isDigit(c)) {
            (count.point ? count.fraction : count.integer) += 1;
        }
    }
    return count;
}

bool acceptableEdit(std::string_view after, const TypedDigits& before, const TypingLimits& limits)
{
    const bool minusAllowed = limits.negative || before.minus;
    const bool pointAllowed = limits.decimals > 0 || before.point;
    bool minus = false;
    bool point = false;
    bool digit = false;
    for (const char c : after) {
        if (c == ' ') {
            continue;
        }
        if (c == '-') {
            if (!minusAllowed || minus || digit || point) {
                return false;
            }
            minus = true;
        } else if (c == '.') {
            if (!pointAllowed || point) {
                return false;
            }
            point = true;
        } else if (isDigit(c)) {
            digit = true;
        } else {
            return false;
        }
    }
    const TypedDigits count = countTypedDigits(after);
    return count.integer <= std::max(limits.integerDigits, before.integer) &&
           count.fraction <= std::max(limits.decimals, before.fraction);
}

} // namespace grovan
