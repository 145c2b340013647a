// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dated calculators' checks of a period within the tax year, and the messages their date
// fields show.

#include "core/calendar_date.h"
#include "core/message.h"

#include <optional>

namespace grovan {

/// The start date's message: "The date entered is not correct please enter a date between
/// 01/03/2021 and 28/02/2022", "Incorrect Date", error icon.
Message startDateMessage();
/// The end date's message, quoting the start date as the window shows it.
Message endDateMessage(CalendarDate startDate);

/// The start date field's check: a date (nothing when the text is no valid date) from
/// 01/03/2021 to `latest`, the current end date.
std::optional<Message> checkStartDate(std::optional<CalendarDate> date, CalendarDate latest);
/// The end date field's check: a date from `earliest`, the current start date, to 28/02/2022.
std::optional<Message> checkEndDate(std::optional<CalendarDate> date, CalendarDate earliest);

} // namespace grovan
