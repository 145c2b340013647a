#include "core/plain_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace grovan {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

std::optional<double> parsePlainNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        // One sign only: "+-12.5" is no number.
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    double value = 0.0;
    const auto parsed =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || parsed.ec != std::errc{} || parsed.ptr != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value + 0.0; // "-0" is 0
}

std::optional<double> parseTypedNumber(std::string_view text)
{
    // Cells without blanks, the usual case, are read where they stand.
    if (std::none_of(text.begin(), text.end(), isBlank)) {
        return text.empty() ? std::optional<double>(0.0) : parsePlainNumber(text);
    }
    std::string packed;
    packed.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(packed),
                 [](char c) { return !isBlank(c); });
    return packed.empty() ? std::optional<double>(0.0) : parsePlainNumber(packed);
}

} // namespace grovan
