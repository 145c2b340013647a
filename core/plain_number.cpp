#include "core/plain_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace grovan {

std::optional<double> readPlainDecimal(std::string_view text)
{
    // Every power of ten up to 10^15 is a double exactly.
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr int kMostDigits = 15;
    std::size_t at = 0;
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        ++at;
    }
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
            ++count;
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point && count > 0) {
            point = true;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0 || count > kMostDigits || (point && decimals == 0)) {
        return std::nullopt;
    }
    // The digits (below 10^15) and the power of ten are both exact, so one division rounds the
    // decimal to the nearest double, as a full reading of its text does.
    double value = static_cast<double>(digits);
    if (decimals > 0) {
        value /= kPowersOfTen[decimals];
    }
    return negative ? -value : value;
}

std::optional<double> parsePlainNumber(std::string_view text)
{
    if (const auto quick = readPlainDecimal(text)) {
        return quick;
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto parsed =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || parsed.ec != std::errc{} || parsed.ptr != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

} // namespace grovan
