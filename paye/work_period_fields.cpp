#include "paye/work_period_fields.h"

#include "paye/period_fields.h"

namespace grovan {

namespace {

constexpr auto kPay = centsPayFields("silgEdit14");

template <std::int16_t WorkPeriodInputs::*Member> InputValue getDays(const WorkPeriodInputs& in)
{
    return static_cast<double>(in.*Member);
}

template <std::int16_t WorkPeriodInputs::*Member>
void setDays(WorkPeriodInputs& in, const InputValue& value)
{
    in.*Member = static_cast<std::int16_t>(std::get<double>(value));
}

constexpr auto kPayBindings = bindPeriodPay<WorkPeriodInputs>(kPay);

std::array<InputBinding<WorkPeriodInputs>, 13> inputsOf(const WorkPeriod& period)
{
    const std::array<InputBinding<WorkPeriodInputs>, 3> days{{
        {&period.normalDaysField, &getDays<&WorkPeriodInputs::normalDays>,
         &setDays<&WorkPeriodInputs::normalDays>},
        {&period.thisDaysField, &getDays<&WorkPeriodInputs::thisDays>,
         &setDays<&WorkPeriodInputs::thisDays>},
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
