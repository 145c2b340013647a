// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace grovan {

/// A calendar day, held as its day number: the number of days since 30/12/1899, which is day 0
/// (so 01/03/2021 is day 44256). Day arithmetic is plain integer arithmetic on day numbers.
class CalendarDate
{
public:
    constexpr CalendarDate() = default;

    static constexpr CalendarDate fromDayNumber(std::int32_t dayNumber)
    {
        return CalendarDate(dayNumber);
    }

    /// The date of a year, month (1-12) and day of the month; nothing when there is no such day.
    /// Years run from 100 to 9999.
    static constexpr std::optional<CalendarDate> fromYmd(int year, int month, int day)
    {
        const std::chrono::year_month_day ymd{std::chrono::year{year},
                                              std::chrono::month{static_cast<unsigned>(month)},
                                              std::chrono::day{static_cast<unsigned>(day)}};
        if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || !ymd.ok()) {
            return std::nullopt;
        }
        return CalendarDate(
            static_cast<std::int32_t>((std::chrono::sys_days{ymd} - kEpoch).count()));
    }

    /// Reads "dd/mm/yyyy" (one-digit days and months are accepted, blanks around are ignored);
    /// nothing when the text is not a valid date.
    static std::optional<CalendarDate> parse(std::string_view text);
    /// Reads "dd/mm/yyyy" or the ISO form "yyyy-mm-dd".
    static std::optional<CalendarDate> parseDisplayOrIso(std::string_view text);

    constexpr std::int32_t dayNumber() const { return m_dayNumber; }
    constexpr int year() const { return static_cast<int>(ymd().year()); }
    constexpr int month() const { return static_cast<int>(static_cast<unsigned>(ymd().month())); }
    constexpr int day() const { return static_cast<int>(static_cast<unsigned>(ymd().day())); }

    /// "dd/mm/yyyy", as windows show and printouts print dates.
    std::string text() const;
    /// "yyyy-mm-dd".
    std::string isoText() const;

    constexpr CalendarDate addDays(std::int32_t days) const
    {
        return CalendarDate(m_dayNumber + days);
    }
    /// Days from `earlier` to this date (negative when `earlier` lies after it).
    constexpr std::int32_t daysSince(CalendarDate earlier) const
    {
        return m_dayNumber - earlier.m_dayNumber;
    }

    constexpr auto operator<=>(const CalendarDate&) const = default;

private:
    static constexpr std::chrono::sys_days kEpoch =
        std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};

    constexpr explicit CalendarDate(std::int32_t dayNumber) : m_dayNumber(dayNumber) {}
    constexpr std::chrono::year_month_day ymd() const
    {
        return std::chrono::year_month_day{kEpoch + std::chrono::days{m_dayNumber}};
    }

    std::int32_t m_dayNumber = 0;
};

/// Days in a calendar month (1-12) of a year, leap years included.
int daysInMonth(int year, int month);

} // namespace grovan
