// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstdint>

namespace grovan {

/// The calendar months in the order the tax year runs and the windows lay them out: March first,
/// February last.
inline constexpr std::array<int, 12> kTaxYearMonths{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};

/// The position of a calendar month (1-12) in the tax year: 0 for March ... 11 for February.
constexpr int taxYearPosition(int month)
{
    return (month + 9) % 12;
}

/// Twelve 16-bit counts, one per calendar month, indexed by the month's number as the window's
/// control arrays are: [1] is January, [12] December.
class MonthlyCounts
{
public:
    constexpr std::int16_t& operator[](int month)
    {
        assert(month >= 1 && month <= 12);
        return m_counts[static_cast<std::size_t>(month - 1)];
    }
    constexpr std::int16_t operator[](int month) const
    {
        assert(month >= 1 && month <= 12);
        return m_counts[static_cast<std::size_t>(month - 1)];
    }

    bool operator==(const MonthlyCounts&) const = default;

private:
    std::array<std::int16_t, 12> m_counts{};
};

} // namespace grovan
