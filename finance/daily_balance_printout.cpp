// SPDX-License-Identifier: GPL-3.0-or-later
#include "finance/daily_balance_printout.h"

namespace grovan {

bool dailyBalancePrintAllowed(const DayBalResults& last)
{
    return last.interest > 0.0 && last.days > 0;
}

Row dailyBalancePrintRow(const DayBalState& current, const DayBalResults& last)
{
    return {
        {"CapAmount", current.DayBalCapital},
        {"StartDate", std::int64_t{current.DayBalStart}},
        {"EndDate", std::int64_t{current.DayBalEnd}},
        {"IntRate", current.DayBalRate},
        {"ANS1", last.interest},
        {"ANS2", std::int64_t{last.days}},
    };
}

TableSchema dailyBalancePrintTable()
{
    return {kDailyBalancePrintTable,
            TableKind::SingleRow,
            {{"CapAmount", ColumnType::Real, 0.0},
             {"StartDate", ColumnType::Integer, std::int64_t{0}},
             {"EndDate", ColumnType::Integer, std::int64_t{0}},
             {"IntRate", ColumnType::Real, 0.0},
             {"ANS1", ColumnType::Real, 0.0},
             {"ANS2", ColumnType::Integer, std::int64_t{0}}}};
}

} // namespace grovan
