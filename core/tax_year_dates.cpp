// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/tax_year_dates.h"

#include "core/tax_year.h"

#include <string>

namespace grovan {

namespace {

constexpr const char* kDateTitle = "Incorrect Date";
constexpr const char* kDateText = "The date entered is not correct please enter a date between ";

} // namespace

Message startDateMessage()
{
    return {std::string(kDateText) + TaxYearStart.text() + " and " + TaxYearEnd.text(), kDateTitle,
            MessageIcon::Error};
}

Message endDateMessage(CalendarDate startDate)
{
    return {std::string(kDateText) + startDate.text() + " and " + TaxYearEnd.text(), kDateTitle,
            MessageIcon::Error};
}

std::optional<Message> checkStartDate(std::optional<CalendarDate> date, CalendarDate latest)
{
    if (!date || *date < TaxYearStart || *date > latest || *date > TaxYearEnd) {
        return startDateMessage();
    }
    return std::nullopt;
}

std::optional<Message> checkEndDate(std::optional<CalendarDate> date, CalendarDate earliest)
{
    if (!date || *date < earliest || *date < TaxYearStart || *date > TaxYearEnd) {
        return endDateMessage(earliest);
    }
    return std::nullopt;
}

} // namespace grovan
