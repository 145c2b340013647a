// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calendar_date.h"

namespace grovan::testing {

/// The calendar day of a test's own table, which exists.
inline CalendarDate date(int year, int month, int day)
{
    return *CalendarDate::fromYmd(year, month, day);
}

} // namespace grovan::testing
