// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/work_period.h"

#include "paye/period_fields.h"

#include <array>

namespace grovan {

namespace {

// A day count of the period, 0 to the period's days and all of them on opening.
constexpr FieldDescription dayField(std::string_view control, std::string_view label,
                                    std::string_view key, std::string_view meaning,
                                    std::int16_t days)
{
    return periodWholeField(control, label, key, meaning, "days", static_cast<double>(days), 2,
                            static_cast<double>(days));
}

constexpr std::array<WorkPeriod, 2> kWorkPeriods{{
    {
        .kind = WorkPeriodKind::Fortnightly,
        .windowName = "frmFortNight",
        .caption = "Fortnightly",
        .payPeriod = PayPeriod::Fortnightly,
        .days = 14,
        .normalDaysField = dayField("silgEdit21", "Normal fortnight", "normalDays",
                                    "Days of a normal fortnight, 0 to 14", 14),
        .thisDaysField = dayField("silgEdit22", "This fortnight", "thisDays",
                                  "Days of this fortnight, 1 to the normal fortnight's; the pay "
                                  "is annualised by 26 x normal days / this fortnight's days",
                                  14),
        .daysMessage = "The number of 'Normal fortnight' days must be = to or larger than 'This "
                       "fortnight'.",
        .heading = {"Fortnightly Check", "Twee Weeklikse Inkomste"},
        .normalDaysLabel = {"Normal fortnight", "Normale twee weke"},
        .thisDaysLabel = {"This fortnight", "Hierdie twee weke"},
        .reportTemplate = "FortNightly.rpt",
        .previewTitle =
            "FortNightly - To export printout click on the suitcase button or goto Help",
    },
    {
        .kind = WorkPeriodKind::Weekly,
        .windowName = "frmWeekly",
        .caption = "Weekly",
        .payPeriod = PayPeriod::Weekly,
        .days = 7,
        .normalDaysField = dayField("silgEdit21", "Normal work week", "normalDays",
                                    "Days of a normal work week, 0 to 7", 7),
        .thisDaysField = dayField("silgEdit22", "This work week", "thisDays",
                                  "Days of this work week, 1 to the normal work week's; the pay "
                                  "is annualised by 52 x normal days / this week's days",
                                  7),
        .daysMessage = "The number of 'Normal work-week' days must be = to or larger than 'This "
                       "work-week'.",
        .heading = {"Weekly Check", "Weeklikse Inkomste"},
        .normalDaysLabel = {"Normal work week", "Normale werk week"},
        .thisDaysLabel = {"This work week", "Hierdie werk week"},
        .reportTemplate = "Weekly.rpt",
        .previewTitle = "Weekly - To export printout click on the suitcase button or goto Help",
    },
}};

} // namespace

const WorkPeriod& workPeriod(WorkPeriodKind kind)
{
    return kWorkPeriods[static_cast<std::size_t>(kind)];
}

} // namespace grovan
