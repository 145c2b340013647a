// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the car allowance window lays itself out for the method the accurate-record choice
// selects: which inputs it enables and which results its panel shows.

#include "core/field_description.h"

#include <span>
#include <string_view>

namespace grovan {

/// One line of a method's results panel: the label the panel shows and the field beside it.
struct CarAllowanceResultLine
{
    std::string_view label;
    const FieldDescription* field;
};

/// The window's layout for one method. The description, the value (which keeps the state it
/// had), the allowance, the two readings and the business distance are enabled in both.
struct CarAllowanceLayout
{
    /// "Fuel/Oil" ... "Lease payments" enabled, their labels visible (actual costs only).
    bool costFields = false;
    /// The start and end dates enabled, their labels and the days label visible (deemed cost
    /// only); under the actual costs an empty field covers the days field.
    bool period = false;
    /// The method's results panel, top to bottom.
    std::span<const CarAllowanceResultLine> results;
};

/// "&No" (deemed cost): the cost fields disabled and their labels hidden; the panel shows the
/// distance split, the fixed-cost line (the fixed cost in rands, which the window shows times
/// the period days over 365 days and over the total distance, giving the fixed cents a km),
/// the fuel, maintenance and total cents a km, and "Deduction claim          R".
/// "&Yes" (actual costs): the dates disabled, their labels and the days label hidden, the days
/// field covered; the panel shows "Business Km's", "Private Km's", "Total Km's", "Total costs",
/// "Less private use", and the deduction twice, as "Travel expenses" and "Deduction claim".
CarAllowanceLayout carAllowanceLayout(bool accurateRecordKept);

} // namespace grovan
