// SPDX-License-Identifier: GPL-3.0-or-later
#include "paye/work_period_fields.h"

#include "paye/period_fields.h"

namespace grovan {

namespace {

constexpr auto kPay = centsPayFields("silgEdit14");

constexpr auto kPayBindings = bindPeriodPay<WorkPeriodInputs>(kPay);

std::array<InputBinding<WorkPeriodInputs>, 13> inputsOf(const WorkPeriod& period)
{
    const std::array<InputBinding<WorkPeriodInputs>, 3> days{{
        bindMember<WorkPeriodInputs, &WorkPeriodInputs::normalDays>(period.normalDaysField),
        bindMember<WorkPeriodInputs, &WorkPeriodInputs::thisDays>(period.thisDaysField),
        bindEmployeeName<WorkPeriodInputs>(),
    }};
    return joined(kPayBindings, days);
}

constexpr auto kResults = bindPeriodResults<PeriodResults>();

} // namespace

std::span<const InputBinding<WorkPeriodInputs>> workPeriodInputBindings(const WorkPeriod& period)
{
    static const auto fortnightly = inputsOf(workPeriod(WorkPeriodKind::Fortnightly));
    static const auto weekly = inputsOf(workPeriod(WorkPeriodKind::Weekly));
    if (period.kind == WorkPeriodKind::Fortnightly) {
        return fortnightly;
    }
    return weekly;
}

std::span<const ResultBinding<PeriodResults>> workPeriodResultBindings()
{
    return kResults;
}

} // namespace grovan
