// SPDX-License-Identifier: GPL-3.0-or-later
// The date reader: "dd/mm/yyyy" as the date fields show it, or "yyyy-mm-dd".
#include "core/calendar_date.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto date = grovan::CalendarDate::parseDisplayOrIso(text);
    if (!date) {
        return 0;
    }
    // A date read is a real day, and reads back from both of its texts as the same day.
    if (date->month() < 1 || date->month() > 12 || date->day() < 1 ||
        date->day() > grovan::daysInMonth(date->year(), date->month())) {
        std::abort();
    }
    const auto shown = grovan::CalendarDate::parse(date->text());
    const auto iso = grovan::CalendarDate::parseDisplayOrIso(date->isoText());
    if (!shown || !iso || shown->dayNumber() != date->dayNumber() ||
        iso->dayNumber() != date->dayNumber()) {
        std::abort();
    }
    return 0;
}
