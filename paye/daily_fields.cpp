// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/daily_fields.h"

#include "core/number_reader.h"
#include "paye/period_fields.h"

namespace grovan {

namespace {

constexpr auto kPay = centsPayFields("silgEdit23");

constexpr std::array<InputBinding<DailyInputs>, 1> kName{{bindEmployeeName<DailyInputs>()}};
constexpr auto kInputs = joined(bindPeriodPay<DailyInputs>(kPay), kName);
constexpr auto kResults = bindPeriodResults<PeriodResults>();

// The salary, commissions, bonus and travel allowance, by their place in the window's order.
constexpr std::array<std::size_t, 4> kRereadOnLeaving{1, 6, 7, 8};

} // namespace

std::span<const InputBinding<DailyInputs>> dailyInputBindings()
{
    return kInputs;
}

std::span<const ResultBinding<PeriodResults>> dailyResultBindings()
{
    return kResults;
}

bool rereadDailyField(const FieldDescription& field, std::string_view text, DailyInputs& inputs)
{
    for (const std::size_t index : kRereadOnLeaving) {
        if (&field == kInputs[index].field) {
            kInputs[index].set(inputs, readNumber(text).value_or(0.0));
            return true;
        }
    }
    return false;
}

} // namespace grovan
