// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calendar_date.h"

#include "core/text.h"
#include <charconv>
#include <cstdio>

namespace grovan {

namespace {

// Reads a run of 1..maxDigits digits ending at `separator` (or at the end when it is '\0').
std::optional<int> takeNumber(std::string_view& text, std::size_t minDigits, std::size_t maxDigits,
                              char separator)
{
    const auto end = separator == '\0' ? text.size() : text.find(separator);
    if (end == std::string_view::npos || end < minDigits || end > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    const auto parsed = std::from_chars(text.data(), text.data() + end, value);
    if (parsed.ec != std::errc{} || parsed.ptr != text.data() + end) {
        return std::nullopt;
    }
    text.remove_prefix(separator == '\0' ? end : end + 1);
    return value;
}

} // namespace

std::optional<CalendarDate> CalendarDate::parse(std::string_view text)
{
    text = trimmed(text);
    const auto day = takeNumber(text, 1, 2, '/');
    if (!day) {
        return std::nullopt;
    }
    const auto month = takeNumber(text, 1, 2, '/');
    if (!month) {
        return std::nullopt;
    }
    const auto year = takeNumber(text, 4, 4, '\0');
    if (!year) {
        return std::nullopt;
    }
    return fromYmd(*year, *month, *day);
}

std::optional<CalendarDate> CalendarDate::parseDisplayOrIso(std::string_view text)
{
    std::string_view iso = trimmed(text);
    if (iso.size() == 10 && iso[4] == '-' && iso[7] == '-') {
        const auto year = takeNumber(iso, 4, 4, '-');
        const auto month = year ? takeNumber(iso, 2, 2, '-') : std::nullopt;
        const auto day = month ? takeNumber(iso, 2, 2, '\0') : std::nullopt;
        if (!day) {
            return std::nullopt;
        }
        return fromYmd(*year, *month, *day);
    }
    return parse(text);
}

std::string CalendarDate::text() const
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", day(), month(), year());
    return buffer;
}

std::string CalendarDate::isoText() const
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", year(), month(), day());
    return buffer;
}

int daysInMonth(int year, int month)
{
    const std::chrono::year_month_day_last last{
        std::chrono::year{year},
        std::chrono::month_day_last{std::chrono::month{static_cast<unsigned>(month)}}};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

} // namespace grovan
