// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Daily balance interest: the simple interest on a capital amount between two dates, actual days
// over a 365-day year, without compounding.

#include "core/calendar_date.h"

#include <cstdint>
#include <optional>

namespace grovan {

/// The day number that stands for "no date": 01/01/1800.
inline constexpr std::int32_t kNoDate = -36522;
/// The longest span between the two dates, in days (about 30 years).
inline constexpr std::int32_t kLongestSpanDays = 10960;
/// The date fields take dates from 01/01/1900 to 31/12/9999, so every date that is set lies after
/// 30/12/1899 and the "no date" day stands apart.
inline constexpr CalendarDate kEarliestDayBalDate = *CalendarDate::fromYmd(1900, 1, 1);
inline constexpr CalendarDate kLatestDayBalDate = *CalendarDate::fromYmd(9999, 12, 31);

/// The daily balance calculator's application-wide values; they survive closing the window.
/// The capital in rands and the rate in percent a year, held in double precision as typed; the
/// dates as day numbers (days since 30/12/1899), `kNoDate` when not set.
struct DayBalState
{
    double DayBalCapital = 0.0;
    double DayBalRate = 0.0;
    std::int32_t DayBalStart = kNoDate;
    std::int32_t DayBalEnd = kNoDate;
    double DayBalRateStep = 0.25; ///< the rate spin's step, percentage points

    /// "&Initialise All" (and start-up): capital and rate 0, both dates unset, the step 0.25.
    void initialiseAll();
};

/// Whether a day number holds a date (-36 520, 03/01/1800, or later): `kNoDate` does not.
bool dayBalDateSet(std::int32_t dayNumber);

/// The window's results.
struct DayBalResults
{
    double interest = 0.0; ///< `numAnsDB1`: rands, unrounded (shown with two decimals)
    std::int32_t days = 0; ///< `numAnsDB2`: end - start
};

/// The computation ("&Calculate", each activation and each spin): days = end - start; interest
/// = capital x rate / 100 x days / 365. Nothing when a date is not set: the window then leaves
/// its results as they are.
std::optional<DayBalResults> calculateDailyBalance(const DayBalState& state);

/// The dates the end date field takes while the start date is set: the start date to 10 960
/// days after it; otherwise its whole range.
std::pair<CalendarDate, CalendarDate> endDateRange(const DayBalState& state);
/// The dates the start date field takes while the end date is set: 10 960 days before it to the
/// day before it; otherwise its whole range.
std::pair<CalendarDate, CalendarDate> startDateRange(const DayBalState& state);

} // namespace grovan
