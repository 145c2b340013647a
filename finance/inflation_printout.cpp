// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/inflation_printout.h"

namespace grovan {

bool inflationPrintAllowed(const InflationState& current)
{
    return current.FutureCost != 0.0 && current.FutureCost <= kLargestShownCost;
}

Row inflationPrintRow(const InflationState& current)
{
    return {
        {"PresCost", current.PresentCost},    {"Period", current.InflationYears},
        {"InflaRate", current.InflationRate}, {"Ans1", current.FutureCost},
        {"ANS2", current.BuyingPower},
    };
}

TableSchema inflationPrintTable()
{
    TableSchema table{kInflationPrintTable, TableKind::SingleRow, {}};
    for (const Field& field : inflationPrintRow({})) {
        table.columns.push_back({field.name, ColumnType::Real, 0.0});
    }
    return table;
}

} // namespace grovan
