// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_format.h"

#include "core/decimal_text.h"

#include <cmath>
#include <cstdlib>

namespace grovan {

namespace {

bool isPlaceholder(char c)
{
    return c == '#' || c == '0';
}

struct Pattern
{
    std::string prefix;
    std::string suffix;
    int forcedIntegerDigits = 0;
    bool grouped = false;
    int decimals = 0;
    int forcedDecimals = 0;
};

Pattern parse(std::string_view text)
{
    Pattern pattern;
    const auto first = text.find_first_of("#0.");
    if (first == std::string_view::npos) {
        pattern.prefix = std::string(text);
        return pattern;
    }
    const auto last = text.find_last_of("#0");
    const auto end = (last == std::string_view::npos || last < first) ? first + 1 : last + 1;
    pattern.prefix = std::string(text.substr(0, first));
    pattern.suffix = std::string(text.substr(end));
    const std::string_view body = text.substr(first, end - first);
    const auto point = body.find('.');
    const std::string_view integer = body.substr(0, point);
    for (const char c : integer) {
        if (c == '0') {
            ++pattern.forcedIntegerDigits;
        } else if (c == ' ') {
            pattern.grouped = true;
        }
    }
    if (point != std::string_view::npos) {
        const std::string_view fraction = body.substr(point + 1);
        for (std::size_t i = 0; i < fraction.size(); ++i) {
            if (isPlaceholder(fraction[i])) {
                ++pattern.decimals;
                if (fraction[i] == '0') {
                    pattern.forcedDecimals = pattern.decimals;
                }
            }
        }
    }
    return pattern;
}

std::string groupThousands(const std::string& digits)
{
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out.push_back(' ');
        }
        out.push_back(digits[i]);
    }
    return out;
}

} // namespace

std::string formatNumber(double value, std::string_view patternText)
{
    if (!std::isfinite(value)) {
        return {};
    }
    const Pattern pattern = parse(patternText);
    DecimalText digits(value);
    digits.roundTo(pattern.decimals, HalfRule::AwayFromZero);

    std::string integer = digits.integerDigits();
    const std::size_t minimum =
        static_cast<std::size_t>(pattern.forcedIntegerDigits > 0 ? pattern.forcedIntegerDigits : 1);
    if (integer.size() < minimum) {
        integer.insert(0, minimum - integer.size(), '0');
    }
    std::string fraction = digits.fractionDigits(pattern.decimals);
    while (static_cast<int>(fraction.size()) > pattern.forcedDecimals && !fraction.empty() &&
           fraction.back() == '0') {
        fraction.pop_back();
    }

    std::string out = pattern.prefix;
    if (digits.negative()) {
        out.push_back('-');
    }
    out += pattern.grouped ? groupThousands(integer) : integer;
    if (!fraction.empty() || pattern.forcedDecimals > 0) {
        out.push_back('.');
        out += fraction;
    }
    out += pattern.suffix;
    return out;
}

std::string plainNumberText(double value)
{
    if (!std::isfinite(value)) {
        return {};
    }
    DecimalText digits(value);
    digits.roundToSignificant(15);
    if (digits.isZero()) {
        return "0";
    }
    const std::string& significant = digits.significantDigits();
    const int point = digits.pointPosition();
    std::string out = digits.negative() ? "-" : "";
    const bool scientific = point > 15 || point < -3;
    if (scientific) {
        out.push_back(significant[0]);
        // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict on "." + std::string
        // and on inserting into a short string.
        if (significant.size() > 1) {
            out += '.';
            out.append(significant, 1);
        }
        const int exponent = point - 1;
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        out += exponent < 0 ? "E-" : "E+";
        if (exponentDigits.size() < 2) {
            out += '0';
        }
        out += exponentDigits;
        return out;
    }
    const std::string integer = digits.integerDigits();
    out += integer.empty() ? "0" : integer;
    const int decimals = static_cast<int>(significant.size()) - point;
    if (decimals > 0) {
        out += '.';
        out += digits.fractionDigits(decimals);
    }
    return out;
}

} // namespace grovan
