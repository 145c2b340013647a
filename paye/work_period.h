// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fortnightly and weekly calculators are one calculator over two pay periods; everything in
// which the two windows differ stands in one table, WorkPeriod, and nowhere else.

#include "core/field_description.h"
#include "core/pay_period.h"
#include "paye/print_row_writer.h"

#include <cstdint>
#include <string_view>

namespace grovan {

enum class WorkPeriodKind
{
    Fortnightly,
    Weekly,
};

/// What the fortnightly and the weekly windows differ in.
struct WorkPeriod
{
    WorkPeriodKind kind;
    std::string_view windowName; ///< "frmFortNight", "frmWeekly"
    std::string_view caption;    ///< "Fortnightly", "Weekly"
    PayPeriod payPeriod;         ///< its periods a year (Y: 26 or 52), credit and UIF limit
    std::int16_t days;           ///< default and maximum of both day fields: 14 or 7
    /// "Normal fortnight" / "Normal work week": the normal days of such a period (silgEdit21).
    FieldDescription normalDaysField;
    /// "This fortnight" / "This work week": the days of this period (silgEdit22).
    FieldDescription thisDaysField;
    /// Shown when this period's days exceed the normal days (title "Incorrect Number of Days").
    std::string_view daysMessage;
    PrintLabels heading;         ///< the printout's `TypeAM`
    PrintLabels normalDaysLabel; ///< the printout's `SDate`
    PrintLabels thisDaysLabel;   ///< the printout's `EDate`
    std::string_view reportTemplate;
    std::string_view previewTitle;
};

/// The row of the table for `kind`.
const WorkPeriod& workPeriod(WorkPeriodKind kind);

} // namespace grovan
